// The help: which page a window's Help opens, and the help sources in docs/help read from the source tree
// (pages in every language, the project's file list and window types, links, pictures and quoted captions).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/HelpTopics.h"
#include "native/res/StringTableScript.h"
#include "res/resource.h"

namespace tapstart {
namespace {

namespace fs = std::filesystem;

std::string Narrow(const std::u16string& s) {
  std::string out;
  for (char16_t c : s) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

fs::path Source(const std::string& relative) { return fs::path(TAPSTART_SOURCE_DIR) / relative; }

using test::ReadSource;

struct Language {
  uint16_t id;
  std::string folder;
  std::string strings;  // the settings program's string table of the language
};

const std::vector<Language> kLanguages = {
    {1033, "en", "settings/res/strings_en.rc"},
    {1041, "ja", "settings/res/strings_ja.rc"},
    {2052, "zh", "settings/res/strings_zh.rc"},
};

TEST(HelpTopics, LanguageFolderFollowsTheUiLanguage) {
  const std::vector<std::pair<uint16_t, std::u16string>> cases = {
      {1033, u"en"},
      {1041, u"ja"},
      {2052, u"zh"},
      // Other English, the other Chinese scripts and unknown languages read the English pages.
      {2057, u"en"},
      {1028, u"en"},
      {3076, u"en"},
      {1031, u"en"},
      {0, u"en"},
      {0x0811, u"en"},
  };
  for (const auto& [language, folder] : cases) EXPECT_EQ(HelpLanguageFolder(language), folder) << language;
}

TEST(HelpTopics, AddressNamesFilePageAndTheLanguagesWindowType) {
  struct Case {
    uint16_t language;
    HelpTopic topic;
    std::u16string address;
  };
  const std::u16string file = u"C:\\Program Files\\Tapstart\\pantik.chm";
  const std::vector<Case> cases = {
      {1033, HelpTopic::MainWindow, file + u"::/en/main.htm>en"},
      {1041, HelpTopic::Wizard, file + u"::/ja/wizard.htm>ja"},
      {2052, HelpTopic::InputBox, file + u"::/zh/inputbox.htm>zh"},
      {1041, HelpTopic::Registration, file + u"::/ja/registration.htm>ja"},
      {1028, HelpTopic::SettingManager, file + u"::/en/manager.htm>en"},
      {2052, HelpTopic::ButtonTab, file + u"::/zh/buttons.htm>zh"},
      {1033, HelpTopic::OnScreenTab, file + u"::/en/onscreen.htm>en"},
  };
  for (const Case& c : cases) EXPECT_EQ(HelpAddress(file, c.language, c.topic), c.address) << Narrow(c.address);
}

TEST(HelpTopics, EveryTopicHasAPageOfItsOwn) {
  std::set<std::u16string> pages;
  for (HelpTopic topic : kHelpTopics) pages.insert(HelpPage(topic));
  EXPECT_EQ(pages.size(), std::size(kHelpTopics));
}

TEST(HelpTopics, HelpFileLiesBesideTheProgram) {
  const std::vector<std::pair<std::u16string, std::u16string>> cases = {
      {u"C:\\Program Files\\Tapstart\\Pantik.exe", u"C:\\Program Files\\Tapstart\\pantik.chm"},
      {u"D:\\Pantik.exe", u"D:\\pantik.chm"},
      {u"\\\\server\\share\\tools\\Pantik.exe", u"\\\\server\\share\\tools\\pantik.chm"},
      // Without a folder the help file is looked for in the current one.
      {u"Pantik.exe", u"pantik.chm"},
      {u"", u"pantik.chm"},
  };
  for (const auto& [program, help] : cases) EXPECT_EQ(HelpFileBeside(program), help) << Narrow(program);
}

// The help project: its [FILES] list and its [WINDOWS] lines by window type.
struct Project {
  std::map<std::string, std::string> options;
  std::vector<std::string> files;
  std::map<std::string, std::vector<std::string>> windows;  // type -> fields after the "=", quotes removed
};

std::vector<std::string> SplitFields(const std::string& text) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

Project ReadProject() {
  Project project;
  std::istringstream lines(ReadSource("docs/help/pantik.hhp"));
  std::string line, section;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      section = line;
      continue;
    }
    const size_t equals = line.find('=');
    if (section == "[FILES]") {
      project.files.push_back(line);
    } else if (section == "[OPTIONS]" && equals != std::string::npos) {
      project.options[line.substr(0, equals)] = line.substr(equals + 1);
    } else if (section == "[WINDOWS]" && equals != std::string::npos) {
      project.windows[line.substr(0, equals)] = SplitFields(line.substr(equals + 1));
    }
  }
  return project;
}

// Where a file of the help file comes from: the pictures are the screenshots, everything else lies in docs/help.
std::string SourceOf(const std::string& entry) {
  const std::string pictures = "screenshots/";
  if (entry.rfind(pictures, 0) == 0) return "docs/" + entry;
  return "docs/help/" + entry;
}

TEST(HelpFile, EveryTopicHasAPageInEveryLanguage) {
  const Project project = ReadProject();
  const std::set<std::string> listed(project.files.begin(), project.files.end());
  for (const Language& language : kLanguages) {
    for (HelpTopic topic : kHelpTopics) {
      const std::string entry = language.folder + "/" + Narrow(HelpPage(topic));
      EXPECT_FALSE(ReadSource(SourceOf(entry)).empty()) << entry;
      EXPECT_TRUE(listed.count(entry)) << entry << " is not in the project";
    }
  }
}

TEST(HelpFile, EveryFileTheProjectListsExists) {
  const Project project = ReadProject();
  EXPECT_GT(project.files.size(), 30u);
  std::set<std::string> seen;
  for (const std::string& entry : project.files) {
    EXPECT_TRUE(seen.insert(entry).second) << entry << " is listed twice";
    EXPECT_TRUE(fs::is_regular_file(Source(SourceOf(entry)))) << entry;
    EXPECT_EQ(entry.find('\\'), std::string::npos) << entry;
  }
}

TEST(HelpFile, EveryLanguageHasTheSamePagesAndTheProjectListsThemAll) {
  const Project project = ReadProject();
  const std::set<std::string> listed(project.files.begin(), project.files.end());
  std::map<std::string, std::set<std::string>> pages;
  for (const Language& language : kLanguages) {
    for (const auto& file : fs::directory_iterator(Source("docs/help/" + language.folder))) {
      const std::string name = file.path().filename().string();
      pages[language.folder].insert(name);
      EXPECT_TRUE(listed.count(language.folder + "/" + name))
          << language.folder << "/" << name << " is not in the project";
    }
  }
  EXPECT_EQ(pages["ja"], pages["en"]);
  EXPECT_EQ(pages["zh"], pages["en"]);
}

std::map<int, std::string> StringTable(const std::string& file) { return test::ReadStringTable(file); }

TEST(HelpFile, WindowTypeOfEachLanguageIsTitledAsTheProgramTitlesItsHelp) {
  Project project = ReadProject();
  EXPECT_EQ(project.windows.size(), kLanguages.size());
  for (const Language& language : kLanguages) {
    SCOPED_TRACE(language.folder);
    const auto table = StringTable(language.strings);
    ASSERT_TRUE(table.count(IDS_TITLE) && table.count(IDS_HELP_SUFFIX));
    ASSERT_TRUE(project.windows.count(language.folder));
    const std::vector<std::string>& fields = project.windows.at(language.folder);
    ASSERT_GE(fields.size(), 5u);
    EXPECT_EQ(fields[0], table.at(IDS_TITLE) + table.at(IDS_HELP_SUFFIX));
    EXPECT_EQ(fields[3], language.folder + "/main.htm");  // default page
    EXPECT_EQ(fields[4], language.folder + "/main.htm");  // home page
  }
  const auto english = StringTable("settings/res/strings_en.rc");
  EXPECT_EQ(project.options["Title"], english.at(IDS_TITLE) + english.at(IDS_HELP_SUFFIX));
  EXPECT_EQ(project.options["Default Window"], "en");
  EXPECT_EQ(project.options["Default topic"], "en/main.htm");
  EXPECT_EQ(project.options["Compiled file"], "pantik.chm");
}

std::string DecodeEntities(std::string text) {
  static const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&middot;", "\xC2\xB7"}, {"&amp;", "&"}};
  for (const auto& [entity, character] : entities) {
    for (size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
      text.replace(at, std::string(entity).size(), character);
  }
  return text;
}

// A path inside the help file from a page's folder and a relative reference, or empty when it leaves the file.
std::string Resolve(const std::string& folder, const std::string& reference) {
  std::vector<std::string> parts;
  std::istringstream steps(folder + "/" + reference);
  std::string step;
  while (std::getline(steps, step, '/')) {
    if (step == "..") {
      if (parts.empty()) return {};
      parts.pop_back();
    } else if (!step.empty() && step != ".") {
      parts.push_back(step);
    }
  }
  std::string path;
  for (const std::string& p : parts) path += (path.empty() ? "" : "/") + p;
  return path;
}

TEST(HelpPages, LinksAndPicturesLeadToFilesOfTheHelpFile) {
  const Project project = ReadProject();
  const std::set<std::string> listed(project.files.begin(), project.files.end());
  static const std::regex reference(R"re((href|src)="([^"]*)")re");
  int links = 0, pictures = 0;
  for (const Language& language : kLanguages) {
    for (const auto& file : fs::directory_iterator(Source("docs/help/" + language.folder))) {
      const std::string page = ReadSource("docs/help/" + language.folder + "/" + file.path().filename().string());
      const std::string name = language.folder + "/" + file.path().filename().string();
      EXPECT_NE(page.find("charset=utf-8"), std::string::npos) << name;
      EXPECT_NE(page.find("<body class=\"" + language.folder + "\">"), std::string::npos) << name;
      for (std::sregex_iterator m(page.begin(), page.end(), reference), end; m != end; ++m) {
        const std::string target = (*m)[2];
        ASSERT_FALSE(target.empty()) << name;
        const std::string resolved = Resolve(language.folder, target.substr(0, target.find('#')));
        EXPECT_TRUE(listed.count(resolved)) << name << " refers to " << target;
        ((*m)[1] == "src" ? pictures : links) += 1;
      }
    }
  }
  EXPECT_GT(links, 100);
  EXPECT_GE(pictures, 10);
}

std::string WithoutSpaces(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != ' ' && c != '\n' && c != '\r' && c != '\t') out += c;
  }
  return out;
}

// The caption as the screen shows it: the access-key marker "&" is not drawn.
std::string AsShown(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != '&') out += c;
  }
  return WithoutSpaces(out);
}

TEST(HelpPages, QuotedCaptionsAreTheStringTablesOwn) {
  static const std::regex quoted(R"re(<span class="ui">([^<]*)</span>)re");
  for (const Language& language : kLanguages) {
    const auto table = StringTable(language.strings);
    ASSERT_GT(table.size(), 100u) << language.strings;
    // A caption may be one text or two put together (the setting manager's "Add" and "(&A)").
    std::set<std::string> captions;
    for (const auto& [id, text] : table) {
      captions.insert(AsShown(text));
      for (const auto& [other, more] : table) captions.insert(AsShown(text + more));
    }
    int checked = 0;
    for (const auto& file : fs::directory_iterator(Source("docs/help/" + language.folder))) {
      const std::string name = language.folder + "/" + file.path().filename().string();
      const std::string page = ReadSource("docs/help/" + name);
      for (std::sregex_iterator m(page.begin(), page.end(), quoted), end; m != end; ++m) {
        const std::string caption = DecodeEntities((*m)[1]);
        EXPECT_TRUE(captions.count(WithoutSpaces(caption))) << name << " quotes \"" << caption << "\"";
        ++checked;
      }
    }
    EXPECT_GT(checked, 80) << language.folder;
  }
}

}  // namespace
}  // namespace tapstart
