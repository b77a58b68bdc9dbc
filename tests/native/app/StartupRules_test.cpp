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

TEST(StartupRulesTest, StartupEventName_TiesTheInstanceToTheLowerCasePath) {
  EXPECT_EQ(StartupEventName(u"C:\\Program Files\\Tapstart\\Pantik.EXE"), u"c:*program files*tapstart*pantik.exe");
  EXPECT_NE(StartupEventName(u"C:\\A\\Pantik.exe"), StartupEventName(u"C:\\B\\Pantik.exe"));
  EXPECT_EQ(StartupEventName(std::u16string(300, u'a')).size(), 260u);
}

}  // namespace
}  // namespace tapstart
