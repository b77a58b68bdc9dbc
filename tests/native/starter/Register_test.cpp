// Register's decisions: the switch it passes on, its single-instance rule, and the settings program's start.
#include <gtest/gtest.h>

#include <string>

#include "starter/StarterRules.h"
#include "store/Text.h"

namespace tapstart::starter {
namespace {

TEST(RegisterRulesTest, SwitchFor_PassesOnOnlyTheExactSwitches) {
  struct Case {
    const char16_t* arguments;
    const char16_t* passed;
  };
  const Case cases[] = {
      {u"", u"/t:1"}, {u"/t:1", u"/t:1"}, {u"/t:0", u"/t:0"}, {u"/k", u"/k"}, {u"/t:2", u""},
      {u"/K", u""},   {u"/T:1", u""},     {u"/t:1 ", u""},    {u" /k", u""},  {u"/k /t:1", u""},
      {u"/t:", u""},  {u"/t:10", u""},    {u"x", u""},        {u"/w:1", u""}, {u"\uFF0Fk", u""},
  };
  for (const Case& c : cases) EXPECT_EQ(SwitchFor(c.arguments), std::u16string_view(c.passed)) << ToUtf8(c.arguments);
}

TEST(RegisterRulesTest, KeepsSingleInstance_OnlyForNamesOfOneTo99Characters) {
  struct Case {
    size_t length;
    bool kept;
  };
  for (const Case c :
       {Case{0, false}, Case{1, true}, Case{21, true}, Case{99, true}, Case{100, false}, Case{260, false}}) {
    const std::u16string name(c.length, u'M');
    EXPECT_EQ(KeepsSingleInstance(name), c.kept) << c.length;
  }
}

TEST(RegisterRulesTest, SettingsStartFor_StartsPantikBesideRegisterWithItsPathQuoted) {
  struct Case {
    const char16_t* ownPath;
    const char16_t* switchText;
    const char16_t* directory;
    const char16_t* line;
  };
  const Case cases[] = {
      {u"C:\\Program Files\\Tapstart\\Register.exe", u"/t:1", u"C:\\Program Files\\Tapstart\\",
       u"\"C:\\Program Files\\Tapstart\\pantik.exe\" /t:1"},
      {u"D:\\タップ スタート\\Register.exe", u"/k", u"D:\\タップ スタート\\",
       u"\"D:\\タップ スタート\\pantik.exe\" /k"},
      {u"C:\\Register.exe", u"/t:0", u"C:\\", u"\"C:\\pantik.exe\" /t:0"},
      // The path could not be read: the program is looked for as the system looks for a bare name.
      {u"", u"/t:1", u"", u"\"pantik.exe\" /t:1"},
      // A path without a folder is taken whole, as the folder.
      {u"Register.exe", u"/t:0", u"Register.exe", u"\"Register.exepantik.exe\" /t:0"},
  };
  for (const Case& c : cases) {
    const SettingsStart s = SettingsStartFor(c.ownPath, c.switchText);
    EXPECT_EQ(s.directory, c.directory) << ToUtf8(c.ownPath);
    EXPECT_EQ(s.commandLine, c.line) << ToUtf8(c.ownPath);
  }
}

}  // namespace
}  // namespace tapstart::starter
