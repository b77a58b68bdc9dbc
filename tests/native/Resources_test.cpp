// The settings program's string tables and per-language integers, read from the resource scripts themselves.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

using StringTable = std::map<int, std::string>;  // id -> UTF-8 text with the script's escapes resolved

std::string ReadSource(const std::string& relative) {
  std::ifstream in(std::string(TAPSTART_SOURCE_DIR) + "/" + relative, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Resolves a resource-script string literal body: "" is one quote; \n, \t, \\ and \" are escapes.
std::string Unescape(const std::string& body) {
  std::string out;
  for (size_t i = 0; i < body.size(); ++i) {
    const char c = body[i];
    if (c == '"' && i + 1 < body.size() && body[i + 1] == '"') {
      out += '"';
      ++i;
    } else if (c == '\\' && i + 1 < body.size()) {
      const char e = body[++i];
      out += e == 'n' ? '\n' : e == 't' ? '\t' : e;
    } else {
      out += c;
    }
  }
  return out;
}

struct ParsedTable {
  StringTable strings;
  std::vector<int> duplicates;
  std::vector<std::string> unparsed;  // lines in a table that are neither entries, blank nor comments
  int tables = 0;                     // STRINGTABLE blocks seen
};

// Reads every "id "text"" entry between STRINGTABLE's BEGIN and END.
ParsedTable ParseStringTable(const std::string& script) {
  ParsedTable parsed;
  static const std::regex entry(R"re(^\s*(\d+)\s*,?\s*"((?:[^"]|"")*)"\s*(?://.*)?$)re");
  static const std::regex ignorable(R"(^\s*(//.*)?$)");
  std::istringstream lines(script);
  std::string line;
  bool inTable = false, inBlock = false;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("STRINGTABLE", 0) == 0) {
      inTable = true;
      ++parsed.tables;
      continue;
    }
    if (inTable && line.rfind("BEGIN", 0) == 0) {
      inBlock = true;
      continue;
    }
    if (inBlock && line.rfind("END", 0) == 0) {
      inTable = inBlock = false;
      continue;
    }
    std::smatch m;
    if (inBlock && std::regex_match(line, m, entry)) {
      const int id = std::stoi(m[1]);
      if (!parsed.strings.emplace(id, Unescape(m[2])).second) parsed.duplicates.push_back(id);
    } else if (inBlock && !std::regex_match(line, ignorable)) {
      parsed.unparsed.push_back(line);
    }
  }
  return parsed;
}

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
      EXPECT_GE(id, 3000) << l.file;
      EXPECT_LE(id, 3305) << l.file;
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

// The English texts exactly as the program must show them, spelling slips and blanks included: the help window
// is found by title 3000 + 3003, labels are built by appending numbers to 3016 and 3275, and the file names are
// opened as they stand.
const Quoted kEnglish[] = {
    {3000, "Tapstart Button Settings"},
    {3001, "VARDENZEB.INI"},
    {3002, "Arial"},
    {3003, " Help"},
    {3004, "ZEBCODE.DAT"},
    {3005, "Minimum"},
    {3006, "Small"},
    {3007, "Standard"},
    {3008, "Large"},
    {3009, "Maximum"},
    {3010, "Button Settings"},
    {3011, "On-Screen Settings"},
    {3012, "Pattern Name(&N)"},
    {3013, "Setting Manager(&M)..."},
    {3014, "Default(&D)"},
    {3015, "Wizard(&W)..."},
    {3016, "Button "},
    {3017, "Button Settings(&B)"},
    {3018, "ZEBMCMNU.DAT"},
    {3023, "Help(&H)"},
    {3030, "Dislplay on Screen(&O)"},
    {3031, "Font(&F)"},
    {3032, "Size(&S)"},
    {3033, "Color(&C)"},
    {3034, "Select..."},
    {3035, "Preview"},
    {3040, "Setting Manager"},
    {3041, "Name List(&U)"},
    {3042, "Add"},
    {3043, "Delete"},
    {3044, "Copy"},
    {3045, "Rename"},
    {3046, "Close"},
    {3047, "will be deleted.\nDo you want to delete this pattern?"},
    {3051, "OK"},
    {3052, "Cancel"},
    {3053, "Enter new pattern name."},
    {3055, "This name is already used.\nPlease enter another name."},
    {3056, "Input Error"},
    {3057, "Please input name."},
    {3058, "Pattern name must be less than 20 characters."},
    {3060, "(&A)"},
    {3061, "(&D)"},
    {3062, "(&P)"},
    {3063, "(&R)"},
    {3064, "(&C)"},
    {3070, "Program Registration"},
    {3076, "OK"},
    {3077, "Cancel"},
    {3078, "Program"},
    {3079, "Register Programs(&A)"},
    {3080, "Run a single program(&M)"},
    {3081, "Run programs sequentially(&S)"},
    {3082, "Run programs simultaneously(&P)"},
    {3083, "Startup Method"},
    {3100, "My Computer"},
    {3101, "Start Menu"},
    {3103, "Delete"},
    {3104, "Cancel"},
    {3106, "Parameter Setting"},
    {3107, "Please input parameter."},
    {3110, "Settings have changed.\nDo you want to save changes?"},
    {3111, "Update user data"},
    {3120, "Send"},
    {3121, "Program1"},
    {3125, "Program5"},
    {3130, "MAIL"},
    {3131, "INTERNET"},
    {3132, "GALLERY"},
    {3133, "DESIGN"},
    {3134, "SOFT KEY"},
    {3201, "Next>"},
    {3202, "<Back"},
    {3203, "Cancel"},
    {3204, "Finish"},
    {3205, "Click [Next>]"},
    {3211,
     "This wizard registers the program information which will be started by Tapstart Buttons.\n\n"
     "Select the button to register the programs."},
    {3212, "Register the program to Button1"},
    {3216, "Register the program to Button5"},
    {3221, "You can select the method to start the programs.\n\nPlease select the startup method."},
    {3222, "Run a single program by Tapstart Buttons"},
    {3223, "Run programs sequentially by Tapstart Buttons"},
    {3224, "Run programs simultaneously by Tapstart Buttons"},
    {3231,
     "You can select a list which you want to browse to pick the program up from.\n\n"
     "Select the option, then click [next>]."},
    {3241, "Select and click a program, then click [next>]."},
    {3251,
     "You have successfully completed the wizard of Tapstart Buttons. \n"
     "After you close this wizard, registered programs are saved. \n\n"
     "And Tapstart Buttons will be able to start programs registered by wizard."},
    {3252, "To close the wizard, click [Finish]."},
    {3261, "Type a name that will be displayed on the screen when Tapstart Buttons are pushed, then click [Next>]."},
    {3271, "Program"},
    {3272,
     "\n\nClick a program you want to register from right program list, then click [Next>] to select other "
     "program."},
    {3273, "If you don't need to select other programs, click [Finish]."},
    {3274, "The wizard has not finished setting up your programs.\n\nDo you want to close the wizard?"},
    {3275, "Fn + "},
    {3276, "Register the program to Fn + 1"},
    {3280, "Register the program to Fn + 5"},
    {3290, "Start Menu"},
    {3291, "Media Center"},
    {3292, "IE Favorites"},
    {3293, "All Files"},
    {3294, "Shortcut Key"},
    {3295, "Select from Start Menu"},
    {3296, "Select from Media Center"},
    {3297, "Select from IE Favorites"},
    {3298, "Select from All Files"},
    {3299, "Select from Shortcut Key"},
    {3300, "Select from Japanese IME Changer"},
    {3301, "Register the program to %s"},
    {3303, "Japanese IME Select"},
    {3304, "ZEBIME.DAT"},
    {3305, "To register a program or function, right-click, and then click Send."},
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

// File names are opened as they stand, whatever the language; the title 3000 and the font faces are fixed per
// language: a second instance looks for the first one's window by that title.
TEST(StringTables, FileNamesFacesAndTitlesPerLanguage) {
  const SameEverywhere files[] = {
      {3001, "VARDENZEB.INI"}, {3004, "ZEBCODE.DAT"}, {3018, "ZEBMCMNU.DAT"}, {3304, "ZEBIME.DAT"}, {3275, "Fn + "}};
  for (const Language& l : kLanguages) {
    for (const SameEverywhere& f : files) EXPECT_EQ(Table(l.langId).at(f.id), f.text) << l.file << " id " << f.id;
  }
  struct PerLanguage {
    int langId, id;
    const char* text;
  };
  const PerLanguage fixed[] = {
      {1041, 3000, "Tapstart ボタン設定"},
      {2052, 3000, "Tapstart 按钮设置"},
      {1041, 3002, "MS UI Gothic"},
      {2052, 3002, "SimSun"},
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

// id -> value, per language, read from the RCDATA script.
std::map<int, std::map<int, int32_t>> ParseRcData(const std::string& script) {
  std::map<int, std::map<int, int32_t>> values;
  static const std::regex language(R"(^LANGUAGE\s+(\w+)\s*,\s*(\w+))");
  static const std::regex item(R"(^(\d+)\s+RCDATA\s*\{\s*(-?\d+)L\s*\})");
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
      values[current][std::stoi(m[1])] = static_cast<int32_t>(std::stol(m[2]));
    }
  }
  return values;
}

TEST(RcData, FontHeightsPerLanguage) {
  const auto values = ParseRcData(ReadSource("settings/res/rcdata.rc"));
  struct Expected {
    int id, en, ja, zh;
  };
  const Expected heights[] = {
      {133, 16, 13, 13}, {135, 14, 11, 13}, {136, 14, 12, 13}, {137, 15, 12, 13}, {138, 14, 12, 14}};
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
