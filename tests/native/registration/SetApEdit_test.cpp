// The registration dialog's model as the user adds, deletes and sets parameters.
#include <gtest/gtest.h>

#include "native/registration/SetApModelFixture.h"
#include "store/Text.h"

namespace tapstart {
namespace {

using test::kFirstOnly;
using test::MakeRecord;
using test::SetApModelTest;
using test::Texts;

TEST_F(SetApModelTest, AddProgram_TreeItemTakesThePathAndNamesTheButton) {
  struct Case {
    TreePick pick;
    std::u16string slotText, command, parameters, title;
  };
  const std::vector<Case> cases = {
      {File(u"C:\\Apps\\paint.v2.exe", u"paint.v2.exe"), u"paint.v2", u"C:\\Apps\\paint.v2.exe", u"", u""},
      {File(u"C:\\Games", u"Games"), u"Games", u"C:\\Games", u"", u""},
      {{TreeKind::Favorites, u"C:\\Fav\\News.url", u"News", true},
       u"News",
       u"iexplore.exe|https://news.example/",
       u"https://news.example/",
       u"News"},
      // An Internet shortcut outside the Favorites tree is an ordinary file.
      {File(u"C:\\Fav\\News.url", u"News.url"), u"News", u"C:\\Fav\\News.url", u"", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.pick.path));
    APPKEY_DATA r = MakeRecord(u"M", {u"C:\\Apps\\edit.exe"});
    r.parameters[0] = u"-old";
    SetApModel& m = Open(r);
    m.RememberTreeItem(c.pick);
    m.AddProgram(0, c.pick.text, SourceKind::TreeEntry);
    EXPECT_EQ(m.View().slotText[0], c.slotText);
    EXPECT_EQ(m.Record().command[0], c.command);
    EXPECT_EQ(m.Record().parameters[0], c.parameters);
    EXPECT_EQ(m.Record().title[0], c.title);
    EXPECT_EQ(m.Record().name, c.slotText);
  }
}

TEST_F(SetApModelTest, AddProgram_RenamesOnlyForANewFirstProgramAndEnablesOkOnChange) {
  SetApModel& m = Open(MakeRecord(u"S", {u"C:\\Apps\\edit.exe"}), {false, true, false});
  m.RememberTreeItem(File(u"C:\\Apps\\edit.exe", u"edit.exe"));
  m.AddProgram(0, u"edit.exe", SourceKind::TreeEntry);
  EXPECT_FALSE(m.View().okEnabled) << "nothing changed";
  m.RememberTreeItem(File(u"C:\\Apps\\calc.exe", u"calc.exe"));
  m.AddProgram(1, u"calc.exe", SourceKind::TreeEntry);
  EXPECT_EQ(m.Record().name, u"Old name");
  EXPECT_TRUE(m.View().okEnabled);
}

TEST_F(SetApModelTest, AddProgram_EveryKindOfSingleEntryTakesTheRecordOver) {
  struct Case {
    ListKind list;  // the IME changer from the All Files tree when MediaCenter with line -1
    int line;
    APPKEY_DATA expected;
    int mediaCenter, ime;
    bool special;
  };
  auto record = [](const char16_t* code, const char16_t* command, const char16_t* title, const char16_t* name) {
    APPKEY_DATA r = MakeRecord(code, {command}, {title});
    r.name = name;
    return r;
  };
  const std::vector<Case> cases = {
      {ListKind::MediaCenter, 1, record(u"M", u"microsoft.windows.camera:", u"Camera", u"Camera button"), 1, 0, true},
      {ListKind::Ime, 0, record(u"M", u"C:\\IME\\imechg.exe", u"IME settings", u"IME button"), 0, 1, true},
      {ListKind::ShortcutKey, 1, record(u"K", u"CTRL+V", u"", u"Paste"), 0, 0, false},
      {ListKind::MediaCenter, -1, record(u"M", u"c:\\ime\\IMECHG.EXE", u"", u"IMECHG.EXE"), 1, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.expected.command[0]));
    APPKEY_DATA r = MakeRecord(u"P", {u"C:\\Apps\\edit.exe", u"C:\\Apps\\calc.exe", u"C:\\Apps\\mail.exe"});
    r.parameters[0] = u"-x";
    SetApModel& m = Open(r, {false, true, false});
    if (c.line < 0) {
      m.RememberTreeItem(File(u"c:\\ime\\IMECHG.EXE", u"IMECHG.EXE", TreeKind::AllFiles));
      m.AddProgram(2, u"IMECHG.EXE", SourceKind::TreeEntry);
    } else {
      m.SelectListLine(c.list, c.line);
      m.SendListEntry(c.list);
    }
    EXPECT_EQ(m.Record(), c.expected);
    EXPECT_EQ(m.View().slotText, (Texts{c.expected.title[0].empty() ? c.expected.name : c.expected.title[0]}));
    EXPECT_EQ(m.View().checkedMethod, kSingle);
    EXPECT_EQ(m.View().slotEnabled, kFirstOnly);
    EXPECT_FALSE(m.View().methodEnabled);
    EXPECT_TRUE(m.View().okEnabled);
    EXPECT_EQ(flags.MediaCenterSelected, c.mediaCenter);
    EXPECT_EQ(flags.ImeSelected, c.ime);
    EXPECT_EQ(m.SpecialEntry(), c.special);
  }
}

TEST_F(SetApModelTest, AddProgram_WithoutAnIdentifiableEntryChangesNothing) {
  setup.sources.mediaCenter.clear();
  const APPKEY_DATA r = MakeRecord(u"S", {u"C:\\Apps\\edit.exe"});
  SetApModel& m = Open(r);
  const SetApView before = m.View();
  m.AddProgram(0, u"x", SourceKind::TreeEntry);    // no tree item remembered
  m.AddProgram(0, u"x", SourceKind::ShortcutKey);  // no key picked
  m.AddProgram(0, u"x", SourceKind::MediaCenter);  // an empty list
  m.AddProgram(7, u"x", SourceKind::Ime);
  m.SendListEntry(ListKind::MediaCenter);
  EXPECT_FALSE(m.ListSendMenuOffered(ListKind::MediaCenter));
  EXPECT_EQ(m.Record(), r);
  EXPECT_EQ(m.View(), before);
  m.RememberTreeItem(File(u"C:\\IME\\imechg.exe", u"imechg.exe", TreeKind::StartMenu));
  m.AddProgram(1, u"imechg.exe", SourceKind::TreeEntry);
  EXPECT_EQ(m.Record().code, u"S") << "the changer is a special entry from the All Files tree only";
}

TEST_F(SetApModelTest, DeleteSlot_ShiftsTheRestUpAndRecountsByMethod) {
  struct Case {
    const char16_t* code;
    int slot;
    int32_t count;
    std::u16string name;
  };
  const Case cases[] = {{u"S", 0, 2, u"calc"},
                        {u"P", 0, 2, u"calc"},
                        {u"S", 2, 2, u"Old name"},
                        {u"M", 0, 1, u"calc"},
                        {u"m", 1, 1, u"Old name"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.code) + " slot " + std::to_string(c.slot));
    SetApModel& m = Open(MakeRecord(c.code, {u"C:\\Apps\\edit.exe", u"C:\\Apps\\calc.exe", u"C:\\Apps\\mail.exe"}),
                         {false, true, false});
    m.DeleteSlot(c.slot);
    EXPECT_EQ(m.Record().count, c.count);
    EXPECT_EQ(m.Record().name, c.name);
    EXPECT_TRUE(m.Record().command[2].empty());
    EXPECT_EQ(m.View().slotText[2], u"");
    EXPECT_TRUE(m.View().okEnabled);
  }
  SetApModel& m = Open(MakeRecord(u"M", {u"C:\\Apps\\edit.exe"}), {false, true, false});
  m.DeleteSlot(3);
  m.DeleteKey(3);
  EXPECT_FALSE(m.View().okEnabled) << "an empty slot: nothing happens";
  m.DeleteKey(0);
  EXPECT_EQ(m.Record().count, 0);
  EXPECT_EQ(m.Record().name, u"");
}

TEST_F(SetApModelTest, Parameters_TheRoomTheCommandLeaves) {
  const auto path = [](size_t length) { return u"C:\\" + std::u16string(length - 7, u'a') + u".exe"; };
  const std::vector<std::pair<APPKEY_DATA, int>> cases = {
      // the room, or -1 for a grayed item
      {MakeRecord(u"S", {path(250)}), 8},
      {MakeRecord(u"S", {path(257)}), 1},
      {MakeRecord(u"S", {path(258)}), -1},
      {MakeRecord(u"K", {u"CTRL+C"}), -1},
      {MakeRecord(u"M", {u"ms-photos:"}, {u"Photos"}), -1},  // a Media Center entry
      {MakeRecord(u"M", {u"C:\\Apps\\edit.exe"}, {u"Editor"}), 258 - 16},
  };
  for (const auto& [record, room] : cases) {
    SetApModel& m = Open(record);
    EXPECT_EQ(m.ParameterGrayed(0), room < 0) << record.command[0].size();
    EXPECT_EQ(m.ParameterFor(0), room < 0 ? std::nullopt : std::optional(ParameterRequest{u"", room}));
  }
}

TEST_F(SetApModelTest, SetParameter_TrimsCutsAndEnablesOkOnChange) {
  APPKEY_DATA r = MakeRecord(u"S", {u"C:\\Apps\\edit.exe"});
  r.parameters[0] = u"-a";
  SetApModel& m = Open(r, {false, true, false});
  m.SetParameter(0, u"-a  \t");
  EXPECT_FALSE(m.View().okEnabled) << "the same parameters";
  m.SetParameter(0, u"  " + std::u16string(300, u'x') + u"  ");
  EXPECT_EQ(m.Record().parameters[0], u"  " + std::u16string(258 - 16 - 2, u'x'));
  EXPECT_TRUE(m.View().okEnabled);
  m.SetParameter(1, u"-b");
  EXPECT_TRUE(m.Record().parameters[1].empty()) << "a slot that shows nothing";
}

}  // namespace
}  // namespace tapstart
