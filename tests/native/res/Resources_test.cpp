// The settings program's string tables and per-language integers, read from the resource scripts themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "native/res/StringTableScript.h"
#include "res/resource.h"

namespace {

using namespace tapstart::test;

struct Language {
  const char* file;
  const char* languageLine;
  int langId;
};

const Language kLanguages[] = {
    {"settings/res/strings_en.rc", "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US", 1033},
    {"settings/res/strings_ja.rc", "LANGUAGE LANG_JAPANESE, 0x01", 1041},
    {"settings/res/strings_zh.rc", "LANGUAGE LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED", 2052},
};

const StringTable& Table(int langId) {
  static const std::map<int, StringTable> tables = [] {
    std::map<int, StringTable> all;
    for (const Language& l : kLanguages) all[l.langId] = ParseStringTable(ReadSource(l.file)).strings;
    return all;
  }();
  return tables.at(langId);
}

// Count of non-overlapping occurrences of needle.
size_t CountOf(const std::string& text, const std::string& needle) {
  size_t n = 0;
  for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size())) ++n;
  return n;
}

TEST(StringTables, EachScriptIsOneWellFormedTableInItsLanguage) {
  for (const Language& l : kLanguages) {
    const std::string script = ReadSource(l.file);
    ASSERT_FALSE(script.empty()) << l.file;
    EXPECT_NE(script.find(l.languageLine), std::string::npos) << l.file;
    const ParsedTable parsed = ParseStringTable(script);
    EXPECT_EQ(parsed.tables, 1) << l.file;
    EXPECT_EQ(parsed.duplicates, std::vector<int>{}) << l.file;
    // Every line of the table was understood: an entry the parser skipped would hide a missing id below.
    EXPECT_EQ(parsed.unparsed, std::vector<std::string>{}) << l.file;
  }
}

TEST(StringTables, AllLanguagesHoldTheSameIdsWithinTheProgramsRange) {
  const StringTable& en = Table(1033);
  ASSERT_FALSE(en.empty());
  for (const Language& l : kLanguages) {
    const StringTable& t = Table(l.langId);
    std::vector<int> ids, english;
    for (const auto& [id, text] : t) {
      ids.push_back(id);
      // The program's strings keep to their range, the title first and the registration hint last.
      EXPECT_GE(id, IDS_TITLE) << l.file;
      EXPECT_LE(id, IDS_SETAP_HINT) << l.file;
      EXPECT_FALSE(text.empty()) << l.file << " id " << id;
    }
    for (const auto& [id, text] : en) english.push_back(id);
    EXPECT_EQ(ids, english) << l.file;
  }
}

struct Quoted {
  int id;
  const char* english;
};

// The English texts exactly as the program must show them, blanks included: the help window is found by the title
// and " Help", labels are built by appending numbers to "Button " and "Fn + ", a copy's name ends in " - Copy",
// and the file names are opened as they stand.
const Quoted kEnglish[] = {
    {IDS_TITLE, "Tapstart Button Settings"},
    {IDS_PROFILE_FILE, "VARDENZEB.INI"},
    {IDS_UI_FACE, "Arial"},
    {IDS_HELP_SUFFIX, " Help"},
    {IDS_COMMAND_LIST_FILE, "ZEBCODE.DAT"},
    {IDS_SIZE_MINIMUM, "Minimum"},
    {IDS_SIZE_SMALL, "Small"},
    {IDS_SIZE_STANDARD, "Standard"},
    {IDS_SIZE_LARGE, "Large"},
    {IDS_SIZE_MAXIMUM, "Maximum"},
    {IDS_TAB_BUTTONS, "Button Settings"},
    {IDS_TAB_ONSCREEN, "On-Screen Settings"},
    {IDS_PATTERN_LABEL, "Pattern Name(&N)"},
    {IDS_SETTING_MANAGER, "Setting Manager(&M)..."},
    {IDS_DEFAULT, "Default(&D)"},
    {IDS_WIZARD, "Wizard(&W)..."},
    {IDS_BUTTON_PREFIX, "Button "},
    {IDS_BUTTON_GROUP, "Button Settings(&B)"},
    {IDS_MEDIA_CENTER_FILE, "ZEBMCMNU.DAT"},
    {IDS_HELP, "Help(&H)"},
    {IDS_OSD_DISPLAY, "Display on Screen(&O)"},
    {IDS_OSD_FONT, "Font(&F)"},
    {IDS_OSD_SIZE, "Size(&S)"},
    {IDS_OSD_COLOR, "Color(&C)"},
    {IDS_OSD_SELECT, "Select..."},
    {IDS_OSD_PREVIEW, "Preview"},
    {IDS_MGR_TITLE, "Setting Manager"},
    {IDS_MGR_LIST_LABEL, "Name List(&U)"},
    {IDS_MGR_ADD, "Add"},
    {IDS_MGR_DELETE, "Delete"},
    {IDS_MGR_COPY, "Copy"},
    {IDS_MGR_RENAME, "Rename"},
    {IDS_MGR_CLOSE, "Close"},
    {IDS_MGR_DELETE_QUESTION, "will be deleted.\nDo you want to delete this pattern?"},
    {IDS_MGR_COPY_SUFFIX, " - Copy"},
    {IDS_INPUT_OK, "OK"},
    {IDS_INPUT_CANCEL, "Cancel"},
    {IDS_INPUT_NAME_PROMPT, "Enter new pattern name."},
    {IDS_NAME_IN_USE, "This name is already used.\nPlease enter another name."},
    {IDS_INPUT_ERROR, "Input Error"},
    {IDS_NAME_EMPTY, "Please input name."},
    {IDS_NAME_TOO_LONG, "Pattern name must be less than 20 characters."},
    {IDS_MGR_ADD_KEY, "(&A)"},
    {IDS_MGR_DELETE_KEY, "(&D)"},
    {IDS_MGR_COPY_KEY, "(&P)"},
    {IDS_MGR_RENAME_KEY, "(&R)"},
    {IDS_MGR_CLOSE_KEY, "(&C)"},
    {IDS_SETAP_TITLE, "Program Registration"},
    {IDS_SETAP_OK, "OK"},
    {IDS_SETAP_CANCEL, "Cancel"},
    {IDS_SETAP_PROGRAM, "Program"},
    {IDS_SETAP_PROGRAMS_GROUP, "Register Programs(&A)"},
    {IDS_SETAP_SINGLE, "Run a single program(&M)"},
    {IDS_SETAP_SEQUENTIAL, "Run programs sequentially(&S)"},
    {IDS_SETAP_SIMULTANEOUS, "Run programs simultaneously(&P)"},
    {IDS_SETAP_METHOD_GROUP, "Startup Method"},
    {IDS_MY_COMPUTER, "My Computer"},
    {IDS_START_MENU_ROOT, "Start Menu"},
    {IDS_MENU_DELETE, "Delete"},
    {IDS_MENU_CANCEL, "Cancel"},
    {IDS_PARAMETER_SETTING, "Parameter Setting"},
    {IDS_PARAMETER_PROMPT, "Please input parameter."},
    {IDS_SAVE_QUESTION, "Settings have changed.\nDo you want to save changes?"},
    {IDS_SAVE_CAPTION, "Update user data"},
    {IDS_MENU_SEND, "Send"},
    {IDS_MENU_PROGRAM1, "Program1"},
    {IDS_MENU_PROGRAM5, "Program5"},
    {IDS_KEY_MAIL, "MAIL"},
    {IDS_KEY_INTERNET, "INTERNET"},
    {IDS_KEY_GALLERY, "GALLERY"},
    {IDS_KEY_DESIGN, "DESIGN"},
    {IDS_KEY_SOFT_KEY, "SOFT KEY"},
    {IDS_WIZ_NEXT, "Next>"},
    {IDS_WIZ_BACK, "<Back"},
    {IDS_WIZ_CANCEL, "Cancel"},
    {IDS_WIZ_FINISH, "Finish"},
    {IDS_WIZ_CLICK_NEXT, "Click [Next>]"},
    {IDS_WIZ_BUTTON_TEXT,
     "This wizard registers the program information which will be started by Tapstart Buttons.\n\n"
     "Select the button to register the programs."},
    {IDS_WIZ_BUTTON1, "Register the program to Button1"},
    {IDS_WIZ_BUTTON5, "Register the program to Button5"},
    {IDS_WIZ_METHOD_TEXT, "You can select the method to start the programs.\n\nPlease select the startup method."},
    {IDS_WIZ_SINGLE, "Run a single program by Tapstart Buttons"},
    {IDS_WIZ_SEQUENTIAL, "Run programs sequentially by Tapstart Buttons"},
    {IDS_WIZ_SIMULTANEOUS, "Run programs simultaneously by Tapstart Buttons"},
    {IDS_WIZ_SOURCE_TEXT,
     "You can select a list which you want to browse to pick the program up from.\n\n"
     "Select the option, then click [Next>]."},
    {IDS_WIZ_PROGRAM_TEXT, "Select and click a program, then click [Next>]."},
    {IDS_WIZ_FINISH_TEXT,
     "You have successfully completed the wizard of Tapstart Buttons. \n"
     "After you close this wizard, registered programs are saved. \n\n"
     "And Tapstart Buttons will be able to start programs registered by wizard."},
    {IDS_WIZ_FINISH_HINT, "To close the wizard, click [Finish]."},
    {IDS_WIZ_NAME_TEXT,
     "Type a name that will be displayed on the screen when Tapstart Buttons are pushed, then click [Next>]."},
    {IDS_WIZ_PROGRAM_LABEL, "Program"},
    {IDS_WIZ_SOME_TEXT,
     "\n\nClick a program you want to register from right program list, then click [Next>] to select other "
     "program."},
    {IDS_WIZ_SOME_HINT, "If you don't need to select other programs, click [Finish]."},
    {IDS_WIZ_CANCEL_QUESTION,
     "The wizard has not finished setting up your programs.\n\nDo you want to close the wizard?"},
    {IDS_FN_PREFIX, "Fn + "},
    {IDS_WIZ_FN1, "Register the program to Fn + 1"},
    {IDS_WIZ_FN5, "Register the program to Fn + 5"},
    {IDS_SOURCE_START_MENU, "Start Menu"},
    {IDS_SOURCE_MEDIA_CENTER, "Media Center"},
    {IDS_SOURCE_FAVORITES, "IE Favorites"},
    {IDS_SOURCE_ALL_FILES, "All Files"},
    {IDS_SOURCE_SHORTCUT_KEY, "Shortcut Key"},
    {IDS_WIZ_FROM_START_MENU, "Select from Start Menu"},
    {IDS_WIZ_FROM_MEDIA_CENTER, "Select from Media Center"},
    {IDS_WIZ_FROM_FAVORITES, "Select from IE Favorites"},
    {IDS_WIZ_FROM_ALL_FILES, "Select from All Files"},
    {IDS_WIZ_FROM_SHORTCUT_KEY, "Select from Shortcut Key"},
    {IDS_WIZ_FROM_IME, "Select from Japanese IME Changer"},
    {IDS_WIZ_BUTTON_FORMAT, "Register the program to %s"},
    {IDS_SOURCE_IME, "Japanese IME Select"},
    {IDS_IME_FILE, "ZEBIME.DAT"},
    {IDS_SETAP_HINT, "To register a program or function, right-click, and then click Send."},
};

TEST(StringTables, EnglishTextsAreExactlyTheProgramsOwn) {
  const StringTable& en = Table(1033);
  for (const Quoted& q : kEnglish) {
    const auto it = en.find(q.id);
    ASSERT_NE(it, en.end()) << "missing id " << q.id;
    EXPECT_EQ(it->second, q.english) << "id " << q.id;
  }
}

struct SameEverywhere {
  int id;
  const char* text;
};

// File names are opened as they stand, whatever the language; the title and the font faces are fixed per
// language: a second instance looks for the first one's window by that title.
TEST(StringTables, FileNamesFacesAndTitlesPerLanguage) {
  const SameEverywhere files[] = {{IDS_PROFILE_FILE, "VARDENZEB.INI"},
                                  {IDS_COMMAND_LIST_FILE, "ZEBCODE.DAT"},
                                  {IDS_MEDIA_CENTER_FILE, "ZEBMCMNU.DAT"},
                                  {IDS_IME_FILE, "ZEBIME.DAT"},
                                  {IDS_FN_PREFIX, "Fn + "}};
  for (const Language& l : kLanguages) {
    for (const SameEverywhere& f : files) EXPECT_EQ(Table(l.langId).at(f.id), f.text) << l.file << " id " << f.id;
  }
  struct PerLanguage {
    int langId, id;
    const char* text;
  };
  const PerLanguage fixed[] = {
      {1041, IDS_TITLE, "Tapstart ボタン設定"},
      {2052, IDS_TITLE, "Tapstart 按钮设置"},
      {1041, IDS_UI_FACE, "MS UI Gothic"},
      {2052, IDS_UI_FACE, "SimSun"},
      {1041, IDS_HELP_SUFFIX, " ヘルプ"},
      {2052, IDS_HELP_SUFFIX, " 帮助"},
      // A copy is named as the system names one: the name first, then the word for copy.
      {1041, IDS_MGR_COPY_SUFFIX, " - コピー"},
      {2052, IDS_MGR_COPY_SUFFIX, " - 副本"},
      // Media Center keeps its Latin name in every language.
      {1041, IDS_SOURCE_MEDIA_CENTER, "Media Center"},
      {2052, IDS_SOURCE_MEDIA_CENTER, "Media Center"},
  };
  for (const PerLanguage& f : fixed) EXPECT_EQ(Table(f.langId).at(f.id), f.text) << f.langId << " id " << f.id;
}

TEST(StringTables, TranslationsKeepFormatsMnemonicsAndLineBreakShape) {
  static const std::regex mnemonic(R"(\(&[A-Z]\)$)");
  const StringTable& en = Table(1033);
  for (const Language& l : kLanguages) {
    const StringTable& t = Table(l.langId);
    for (const auto& [id, english] : en) {
      const auto found = t.find(id);
      if (found == t.end()) continue;  // a missing id is reported by the test of the id sets
      const std::string& text = found->second;
      // A format's "%s" is filled by the caller; a lost or extra directive would read a missing argument.
      EXPECT_EQ(CountOf(text, "%s"), CountOf(english, "%s")) << l.file << " id " << id;
      EXPECT_EQ(CountOf(text, "%"), CountOf(english, "%")) << l.file << " id " << id;
      // An access key "(&X)" at the end stays the same letter, so the keyboard works alike in every language.
      std::smatch m;
      if (std::regex_search(english, m, mnemonic)) {
        EXPECT_TRUE(text.size() >= m.str().size() &&
                    text.compare(text.size() - m.str().size(), m.str().size(), m.str()) == 0)
            << l.file << " id " << id << " should end in " << m.str();
      }
      // Texts that begin with blank lines are placed under other text in the wizard.
      EXPECT_EQ(english.rfind("\n\n", 0) == 0, text.rfind("\n\n", 0) == 0) << l.file << " id " << id;
      // A leading blank separates a suffix from the text it is appended to (" Help" after the title).
      EXPECT_EQ(english.front() == ' ', text.front() == ' ') << l.file << " id " << id;
    }
  }
}

// Chinese text is punctuated with full-width marks (，？（）：。！), and button names are quoted with “ ”, not
// put in brackets; only the access key keeps the ASCII "(&X)" after the word, as Chinese Windows writes it.
TEST(StringTables, ChineseTextsUseFullWidthPunctuation) {
  static const std::regex mnemonic(R"(\(&[A-Z]\)(\.\.\.)?$)");
  for (const auto& [id, text] : Table(2052)) {
    const bool chinese = std::any_of(text.begin(), text.end(), [](char c) { return (c & 0x80) != 0; });
    if (!chinese) continue;
    const std::string marks = std::regex_replace(text, mnemonic, "");
    EXPECT_EQ(marks.find_first_of(",?!:;()[]"), std::string::npos) << "id " << id << ": " << text;
  }
}

// id -> value, per language, read from the RCDATA script.
std::map<int, std::map<int, int32_t>> ParseRcData(const std::string& script) {
  std::map<int, std::map<int, int32_t>> values;
  static const std::regex language(R"(^LANGUAGE\s+(\w+)\s*,\s*(\w+))");
  static const std::regex item(R"(^(\w+)\s+RCDATA\s*\{\s*(-?\d+)L\s*\})");
  const std::map<std::string, int> languages = {
      {"LANG_ENGLISH", 1033}, {"LANG_JAPANESE", 1041}, {"LANG_CHINESE", 2052}};
  std::istringstream lines(script);
  std::string line;
  int current = 0;
  while (std::getline(lines, line)) {
    std::smatch m;
    if (std::regex_search(line, m, language)) {
      const auto it = languages.find(m[1]);
      current = it != languages.end() ? it->second : -1;
    } else if (std::regex_search(line, m, item)) {
      values[current][IdOf(m[1])] = static_cast<int32_t>(std::stol(m[2]));
    }
  }
  return values;
}

TEST(RcData, FontHeightsPerLanguage) {
  const auto values = ParseRcData(ReadSource("settings/res/rcdata.rc"));
  struct Expected {
    int id, en, ja, zh;
  };
  const Expected heights[] = {{IDR_HEIGHT_LARGE, 16, 13, 13},
                              {IDR_HEIGHT_TAB, 14, 11, 13},
                              {IDR_HEIGHT_TEXT, 14, 12, 13},
                              {IDR_HEIGHT_TREE, 15, 12, 13},
                              {IDR_HEIGHT_UI, 14, 12, 14}};
  ASSERT_EQ(values.size(), 3u);
  for (const Expected& e : heights) {
    EXPECT_EQ(values.at(1033).at(e.id), e.en) << e.id;
    EXPECT_EQ(values.at(1041).at(e.id), e.ja) << e.id;
    EXPECT_EQ(values.at(2052).at(e.id), e.zh) << e.id;
  }
  for (const auto& [lang, items] : values) EXPECT_EQ(items.size(), std::size(heights)) << lang;
}

TEST(RcData, ScriptIsIncludedByTheProgramsResources) {
  const std::string main = ReadSource("settings/res/Pantik.rc");
  for (const char* part : {"#include \"rcdata.rc\"", "#include \"strings_en.rc\"", "#include \"strings_ja.rc\"",
                           "#include \"strings_zh.rc\""}) {
    EXPECT_NE(main.find(part), std::string::npos) << part;
  }
}

}  // namespace
