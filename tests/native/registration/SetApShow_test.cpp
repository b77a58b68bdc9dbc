// The registration dialog's model as it opens and as the method radios are clicked.
#include <gtest/gtest.h>

#include "native/registration/SetApModelFixture.h"
#include "store/Text.h"

namespace tapstart {
namespace {

using test::kAllSlots;
using test::kFirstOnly;
using test::MakeRecord;
using test::SetApModelTest;
using test::Texts;

TEST(SetApMethodTest, MethodFromCode_ReadsUpperAndLowerCaseAlike) {
  const std::pair<const char16_t*, int> cases[] = {{u"M", kSingle},       {u"m", kSingle},       {u"K", kSingle},
                                                   {u"k", kSingle},       {u"S", kSequential},   {u"s", kSequential},
                                                   {u"P", kSimultaneous}, {u"p", kSimultaneous}, {u"", kSingle},
                                                   {u"X", kSingle},       {u"SS", kSingle},      {u" S", kSingle}};
  for (const auto& [code, method] : cases) EXPECT_EQ(MethodFromCode(code), method) << ToUtf8(code);
}

TEST_F(SetApModelTest, ShowRecord_ChecksTheMethodOfTheCodeAndEnablesItsSlots) {
  struct Case {
    const char16_t* code;
    bool delSerial;
    int checked;
    test::Enabled enabled;
    bool methodEnabled;
  };
  const Case cases[] = {
      {u"M", false, kSingle, kFirstOnly, true},
      {u"m", false, kSingle, kFirstOnly, true},
      {u"S", false, kSequential, kAllSlots, true},
      {u"s", false, kSequential, kAllSlots, true},
      {u"P", false, kSimultaneous, kAllSlots, true},
      {u"p", false, kSimultaneous, kAllSlots, true},
      {u"X", false, kSingle, kFirstOnly, true},
      {u"K", false, kSingle, kFirstOnly, false},
      {u"k", false, kSingle, kFirstOnly, false},
      // Sequential not offered: neither visible radio would state the record, so none is checked.
      {u"S", true, kNoMethod, kAllSlots, true},
      {u"P", true, kSimultaneous, kAllSlots, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.code) + (c.delSerial ? " DelSerial" : ""));
    const APPKEY_DATA record = MakeRecord(c.code, {u"C:\\Apps\\edit.exe", u"C:\\Apps\\calc.exe"});
    const SetApModel& m = Open(record, {c.delSerial, false, false});
    EXPECT_EQ(m.View().checkedMethod, c.checked);
    EXPECT_EQ(m.View().slotEnabled, c.enabled);
    EXPECT_EQ(m.View().methodEnabled, c.methodEnabled);
    EXPECT_EQ(m.Record(), record) << "opening changes nothing in the record";
    EXPECT_EQ(flags.SequentialHidden, c.delSerial ? 1 : 0);
    // The dialog made ahead on no record shows the button's record as one made for it.
    const SetApView direct = m.View();
    SetApModel& ahead = Open(APPKEY_DATA{}, {c.delSerial, false, false});
    ahead.Open(record);
    EXPECT_EQ(ahead.View(), direct);
    EXPECT_EQ(ahead.Record(), record);
  }
}

TEST_F(SetApModelTest, ShowRecord_NamesEachSlotAfterItsTitleOrProgram) {
  const APPKEY_DATA r = MakeRecord(
      u"S", {u"C:\\Apps\\paint.v2.exe", u"C:\\Games", u"C:\\gone\\old.exe", u"iexplore.exe|https://x.example/"},
      {u"", u"", u"", u"Example site"});
  EXPECT_EQ(Open(r).View().slotText, (Texts{u"paint.v2", u"Games", u"old.exe", u"Example site", u""}));
}

TEST_F(SetApModelTest, ShowRecord_ShowsSpecialEntriesByTheirListText) {
  struct Case {
    APPKEY_DATA record;
    std::u16string slot1;
    bool methodEnabled;
    int mediaCenter, ime;
  };
  const std::vector<Case> cases = {
      {MakeRecord(u"M", {u"ms-photos:"}, {u"Photos"}), u"Photos", false, 1, 0},
      {MakeRecord(u"m", {u"typ:"}, {u"Typing"}), u"Typing", false, 0, 1},
      {MakeRecord(u"M", {u"C:\\Apps\\edit.exe"}, {u"My editor"}), u"My editor", true, 0, 0},
      // A second program makes it an ordinary record even with a list text as its title.
      {MakeRecord(u"M", {u"ms-photos:", u"C:\\Apps\\calc.exe"}, {u"Photos"}), u"Photos", true, 0, 0},
      {MakeRecord(u"K", {u"CTRL+C"}), u"Copy again", false, 0, 0},  // the last key with the command
      {MakeRecord(u"k", {u"CTRL+V"}), u"Paste", false, 0, 0},
      {MakeRecord(u"K", {u"ALT+F4"}), u"", false, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.record.code + u" " + c.record.command[0]));
    flags.MediaCenterSelected = flags.ImeSelected = 1;  // left over from an earlier registration
    const SetApModel& m = Open(c.record);
    EXPECT_EQ(m.View().slotText[0], c.slot1);
    EXPECT_EQ(m.View().methodEnabled, c.methodEnabled);
    EXPECT_EQ(flags.MediaCenterSelected, c.mediaCenter);
    EXPECT_EQ(flags.ImeSelected, c.ime);
    EXPECT_EQ(m.SpecialEntry(), c.mediaCenter + c.ime > 0);
  }
}

TEST_F(SetApModelTest, ClickMethod_SetsCodeCountAndSlots) {
  struct Case {
    const char16_t* code;
    std::vector<std::u16string> commands;
    int click;
    const char16_t* newCode;
    int32_t count;
  };
  const Case cases[] = {
      {u"S", {u"C:\\Apps\\edit.exe", u"C:\\Apps\\calc.exe"}, kSingle, u"M", 1},
      {u"M", {u"C:\\Apps\\edit.exe", u"C:\\Apps\\calc.exe"}, kSequential, u"S", 2},  // the first empty command
      {u"M", {u"C:\\Apps\\edit.exe", u"", u"C:\\Apps\\calc.exe"}, kSimultaneous, u"P", 1},
      {u"P", {u"", u"C:\\Apps\\calc.exe"}, kSingle, u"M", 0},  // an empty first command
  };
  for (const Case& c : cases) {
    SetApModel& m = Open(MakeRecord(c.code, c.commands));
    m.ClickMethod(c.click);
    EXPECT_EQ(m.Record().code, c.newCode);
    EXPECT_EQ(m.Record().count, c.count) << ToUtf8(c.newCode);
    EXPECT_EQ(m.View().slotEnabled, c.click == kSingle ? kFirstOnly : kAllSlots);
    EXPECT_EQ(m.View().checkedMethod, c.click);
  }
}

TEST_F(SetApModelTest, ClickMethod_EnablesOkForAnotherMethodAndIgnoresUnofferedRadios) {
  SetApModel& m = Open(MakeRecord(u"S", {u"C:\\Apps\\edit.exe"}), {false, true, false});
  EXPECT_FALSE(m.View().okEnabled) << "OKDisable";
  m.ClickMethod(kSequential);
  EXPECT_FALSE(m.View().okEnabled) << "the method the dialog opened with";
  m.ClickMethod(kSimultaneous);
  EXPECT_TRUE(m.View().okEnabled);

  SetApModel& keyRecord = Open(MakeRecord(u"K", {u"CTRL+C"}));
  keyRecord.ClickMethod(kSequential);
  EXPECT_EQ(keyRecord.Record().code, u"K") << "disabled radios";
  SetApModel& hidden = Open(MakeRecord(u"S", {u"C:\\Apps\\edit.exe"}), {true, false, false});
  hidden.ClickMethod(kSequential);
  EXPECT_EQ(hidden.View().checkedMethod, kNoMethod);
  hidden.ClickMethod(kSimultaneous);
  EXPECT_EQ(hidden.Record().code, u"P") << "the stored code changes when the user picks a method";
}

}  // namespace
}  // namespace tapstart
