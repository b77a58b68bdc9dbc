// Which command lines the settings program accepts, and what they ask for.
#include <gtest/gtest.h>

#include "app/StartupRules.h"
#include "store/MemoryStore.h"
#include "store/Text.h"

namespace tapstart {
namespace {

struct SwitchCase {
  const char* line;
  bool accepted;
  int tab;
  bool wizard;
  int button;
  bool press;
};

class ParseStartSwitchTest : public testing::TestWithParam<SwitchCase> {};

TEST_P(ParseStartSwitchTest, DecidesAsTheSwitchRulesSay) {
  const SwitchCase& c = GetParam();
  const StartRequest r = ParseStartSwitch(FromUtf8(c.line));
  EXPECT_EQ(r.accepted, c.accepted) << c.line;
  EXPECT_EQ(r.initialTab, c.tab) << c.line;
  EXPECT_EQ(r.wizardOnly, c.wizard) << c.line;
  EXPECT_EQ(r.wizardButton, c.button) << c.line;
  EXPECT_EQ(r.pressAfterWizard, c.press) << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Switches, ParseStartSwitchTest,
    testing::Values(
        SwitchCase{"/k", true, -1, false, 0, false}, SwitchCase{"/K", true, -1, false, 0, false},
        SwitchCase{"  /k  ", true, -1, false, 0, false}, SwitchCase{"/k /t:1", false, -1, false, 0, false},
        SwitchCase{"/kk", false, -1, false, 0, false}, SwitchCase{"", false, -1, false, 0, false},
        SwitchCase{"/t:0", true, 0, false, 0, false}, SwitchCase{"/T:1", true, 1, false, 0, false},
        SwitchCase{"/t:2", true, 2, false, 0, false}, SwitchCase{"/t:3", false, -1, false, 0, false},
        SwitchCase{"/t:10", false, -1, false, 0, false}, SwitchCase{"/t:x", false, -1, false, 0, false},
        SwitchCase{"/t:", false, -1, false, 0, false}, SwitchCase{"/t:-", false, -1, false, 0, false},
        SwitchCase{"/w:0", true, -1, true, 0, false}, SwitchCase{"/w:7", true, -1, true, 7, false},
        SwitchCase{"/w:8", false, -1, false, 0, false}, SwitchCase{"/w:3 /AP", true, -1, true, 3, true},
        SwitchCase{"/W:3   /ap  ", true, -1, true, 3, true}, SwitchCase{"/w:3/ap", true, -1, true, 3, true},
        SwitchCase{"/w:3 /apx", false, -1, false, 0, false}, SwitchCase{"/ap /w:3", false, -1, false, 0, false},
        SwitchCase{"/w:3 x /ap", false, -1, false, 0, false}, SwitchCase{"/w:", false, -1, false, 0, false},
        SwitchCase{"/t:1 /ap", false, -1, false, 0, false}, SwitchCase{"/w:9 /ap", false, -1, false, 0, false},
        SwitchCase{"/k /ap", false, -1, false, 0, false}, SwitchCase{"\xEF\xBC\x8Fk", false, -1, false, 0, false}));

TEST(StartupRulesTest, JoinArguments_JoinsWithOneBlankAndTrims) {
  EXPECT_EQ(JoinArguments({}), u"");
  EXPECT_EQ(JoinArguments({u"/w:3", u"/AP"}), u"/w:3 /AP");
  EXPECT_EQ(JoinArguments({u"", u"/k", u""}), u"/k");
  EXPECT_EQ(ParseStartSwitch(JoinArguments({u"/T:1"})).commandLineText, u"/T:1");
}

TEST(StartupRulesTest, KeyboardType_FallsBackToTheMachineWhenTheUserSaysZero) {
  struct Case {
    std::optional<int32_t> user;
    std::optional<int32_t> machine;
    const char16_t* expected;
  };
  for (const Case& c : {Case{std::nullopt, std::nullopt, u"0"}, Case{std::nullopt, 3, u"3"}, Case{0, 19, u"19"},
                        Case{5, 3, u"5"}, Case{0, std::nullopt, u"0"}, Case{-1, 3, u"-1"}}) {
    MemoryStore mem;
    SettingsStore store(mem);
    if (c.user) mem.Put(Hive::CurrentUser, kProductKey, u"ZEBPAD", DwordValue(static_cast<uint32_t>(*c.user)));
    if (c.machine) mem.Put(Hive::LocalMachine, kProductKey, u"ZEBPAD", DwordValue(static_cast<uint32_t>(*c.machine)));
    const auto type = ReadKeyboardType(store);
    EXPECT_EQ(type, c.expected);
    EXPECT_EQ(HasLaunchButtons(type), std::u16string_view(c.expected) != u"0");
  }
}

TEST(StartupRulesTest, KeyboardType_ReadsTheProfileFileWhenZebIniIsSet) {
  MemoryStore mem;
  SettingsStore store(mem);
  mem.Put(Hive::LocalMachine, kProductKey, u"ZEBINI", DwordValue(1));
  mem.Put(Hive::LocalMachine, kProductKey, u"ZEBPAD", DwordValue(2));
  store.useIniFile = ReadUseIniFile(store);
  ASSERT_TRUE(store.useIniFile);
  EXPECT_EQ(ReadKeyboardType(store), u"2");
  ASSERT_TRUE(mem.ProfileWrite(u"VARDENZEB.INI", u"VARDENZEB", u"ZebKeyboard", u"17"));
  EXPECT_EQ(ReadKeyboardType(store), u"17");
  EXPECT_FALSE(HasLaunchButtons(u" 0"));
}

// The file system's case folding as a small table stands in for the system's: ASCII and a few letters of other
// scripts, one unit each.
std::u16string FoldForTest(std::u16string_view text) {
  static const std::pair<char16_t, char16_t> kTable[] = {{u'ä', u'Ä'}, {u'ж', u'Ж'}, {u'ω', u'Ω'}, {u'ｐ', u'Ｐ'}};
  std::u16string out(text);
  for (char16_t& c : out) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    for (const auto& [lower, upper] : kTable)
      if (c == lower) c = upper;
  }
  return out;
}

TEST(StartupRulesTest, StartupEventName_FoldsThePathAsTheFileSystemDoes) {
  struct Case {
    const char16_t* a;
    const char16_t* b;
    bool sameInstance;
  };
  for (const Case& c : {Case{u"C:\\Program Files\\Pantik.EXE", u"c:\\program files\\pantik.exe", true},
                        Case{u"C:\\Zähler\\Pantik.exe", u"C:\\ZÄHLER\\Pantik.exe", true},
                        Case{u"D:\\Жёлтый\\ｐ.exe", u"D:\\жёлтый\\Ｐ.exe", true},
                        Case{u"C:\\A\\Pantik.exe", u"C:\\B\\Pantik.exe", false},
                        Case{u"C:\\ω\\Pantik.exe", u"C:\\ψ\\Pantik.exe", false}}) {
    EXPECT_EQ(StartupEventName(c.a, FoldForTest) == StartupEventName(c.b, FoldForTest), c.sameInstance)
        << ToUtf8(c.a) << " / " << ToUtf8(c.b);
  }
  EXPECT_EQ(StartupEventName(u"C:\\Program Files\\Zähler\\Pantik.exe", FoldForTest),
            u"C:*PROGRAM FILES*ZÄHLER*PANTIK.EXE");
  // The path is cut to 260 characters before it is folded, and no "\\" is left to name a name space.
  std::u16string seen;
  const auto recording = [&](std::u16string_view t) {
    seen = std::u16string(t);
    return FoldForTest(t);
  };
  EXPECT_EQ(StartupEventName(std::u16string(300, u'a'), recording).size(), 260u);
  EXPECT_EQ(seen.size(), 260u);
  EXPECT_EQ(StartupEventName(u"\\\\server\\share\\p.exe", FoldForTest).find(u'\\'), std::u16string::npos);
}

}  // namespace
}  // namespace tapstart
