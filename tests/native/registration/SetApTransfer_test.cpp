// The registration dialog's model: the tree Send menu and drag and drop between sources and slots.
#include <gtest/gtest.h>

#include "native/registration/SetApModelFixture.h"
#include "store/Text.h"

namespace tapstart {
namespace {

using test::MakeRecord;
using test::SetApModelTest;
using test::Texts;

const std::vector<std::u16string> kPrograms = {u"C:\\Apps\\edit.exe", u"C:\\Apps\\mail.exe", u"C:\\Apps\\web.exe",
                                               u"C:\\Apps\\edit.exe", u"C:\\Apps\\mail.exe"};
std::vector<std::u16string> First(int n) { return {kPrograms.begin(), kPrograms.begin() + n}; }

TEST_F(SetApModelTest, TreeSendMenu_OffersTheOccupiedSlotsAndTheNextFreeOne) {
  struct Case {
    const char16_t* code;
    int programs;
    std::vector<int> offered;
  };
  const Case cases[] = {{u"M", 0, {1}},
                        {u"M", 1, {1}},
                        {u"k", 1, {1}},
                        {u"S", 0, {1}},
                        {u"S", 1, {1, 2}},
                        {u"s", 2, {1, 2, 3}},
                        {u"P", 5, {1, 2, 3, 4, 5}}};
  for (const Case& c : cases) {
    SetApModel& m = Open(MakeRecord(c.code, First(c.programs)));
    EXPECT_TRUE(m.TreeSendMenu().empty()) << "nothing remembered yet";
    m.RememberTreeItem(File(u"C:\\Apps\\calc.exe", u"calc.exe"));
    EXPECT_EQ(m.TreeSendMenu(), c.offered) << ToUtf8(c.code) << " " << c.programs;
  }
}

TEST_F(SetApModelTest, TreeSendMenu_NotForTheComputerOrFavoritesThatAreNoShortcuts) {
  const std::pair<TreePick, bool> cases[] = {
      {{TreeKind::AllFiles, u"This PC", u"This PC", false}, false},
      {{TreeKind::Favorites, u"C:\\Fav", u"IE Favorites", true}, false},
      {{TreeKind::Favorites, u"C:\\Fav\\notes.txt", u"notes.txt", true}, false},
      {{TreeKind::Favorites, u"C:\\Fav\\News.url", u"News", true}, true},
      {{TreeKind::AllFiles, u"c:\\", u"c:", false}, true},
  };
  for (const auto& [pick, offered] : cases) {
    SetApModel& m = Open(MakeRecord(u"S", {}));
    m.RememberTreeItem(pick);
    EXPECT_EQ(!m.TreeSendMenu().empty(), offered) << ToUtf8(pick.path);
    EXPECT_EQ(m.BeginTreeDrag(), offered) << "the same items can be dragged";
  }
}

TEST_F(SetApModelTest, SendTreeItem_CountsTheNextFreeSlotAndEndsKeyAndSpecialEntries) {
  SetApModel& m = Open(MakeRecord(u"S", First(1)));
  m.RememberTreeItem(File(u"C:\\Apps\\calc.exe", u"calc.exe"));
  m.SendTreeItem(2);
  EXPECT_EQ(m.Record().count, 2);
  m.SendTreeItem(1);
  EXPECT_EQ(m.Record().count, 2) << "an occupied slot is replaced";
  EXPECT_EQ(m.Record().name, u"calc");
  m.SendTreeItem(4);
  EXPECT_EQ(m.Record().count, 2) << "not offered: the next free slot is 3";
  // The IME changer sent as a second program becomes the only one; no count for an empty second slot.
  m.RememberTreeItem(File(u"C:\\IME\\imechg.exe", u"imechg.exe", TreeKind::AllFiles));
  m.SendTreeItem(2);
  EXPECT_EQ(m.Record().count, 1);

  APPKEY_DATA expected = MakeRecord(u"M", {u"C:\\Apps\\calc.exe"});
  expected.name = u"calc";
  for (const APPKEY_DATA& r : {MakeRecord(u"K", {u"CTRL+C"}), MakeRecord(u"M", {u"ms-photos:"}, {u"Photos"})}) {
    SetApModel& single = Open(r);
    single.RememberTreeItem(File(u"C:\\Apps\\calc.exe", u"calc.exe"));
    single.SendTreeItem(1);
    EXPECT_EQ(single.Record(), expected);
    EXPECT_TRUE(single.View().methodEnabled);
    EXPECT_EQ(flags.MediaCenterSelected, 0);
  }
}

TEST_F(SetApModelTest, Drop_BehindTheLastProgramLandsInTheNextFreeSlot) {
  struct Case {
    int count, target, landed;
    int32_t countAfter;
  };
  const Case cases[] = {{1, 3, 1, 2}, {1, 0, 0, 1}, {3, 2, 2, 3}, {0, 4, 0, 1}, {4, 4, 4, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.count) + " onto " + std::to_string(c.target));
    SetApModel& m = Open(MakeRecord(u"S", First(c.count)));
    m.RememberTreeItem(File(u"C:\\Apps\\calc.exe", u"calc.exe"));
    ASSERT_TRUE(m.BeginTreeDrag());
    EXPECT_TRUE(m.CanDropOnSlot(c.target, true));
    EXPECT_FALSE(m.CanDropOnSlot(c.target, false)) << "no text offered";
    m.DropOnSlot(c.target, u"calc.exe");
    EXPECT_EQ(m.Record().command[static_cast<size_t>(c.landed)], u"C:\\Apps\\calc.exe");
    EXPECT_EQ(m.View().slotText[static_cast<size_t>(c.landed)], u"calc");
    EXPECT_EQ(m.Record().count, c.countAfter);
    EXPECT_EQ(m.Pending(), SourceKind::None);
  }
}

TEST_F(SetApModelTest, Drop_OfAListLineRegistersItAsTheSingleEntry) {
  struct Case {
    ListKind list;
    int line;
    std::u16string text, command, code;
  };
  const Case cases[] = {{ListKind::ShortcutKey, 1, u"Paste", u"CTRL+V", u"K"},
                        {ListKind::MediaCenter, 0, u"Photos", u"ms-photos:", u"M"},
                        {ListKind::Ime, 1, u"Typing", u"typ:", u"M"}};
  for (const Case& c : cases) {
    SetApModel& m = Open(MakeRecord(u"S", First(3)));
    m.SelectListLine(c.list, c.line);
    const auto text = m.BeginListDrag(c.list);
    ASSERT_EQ(text, c.text);
    m.DropOnSlot(2, *text);
    EXPECT_EQ(m.View().slotText, (Texts{c.text}));
    EXPECT_EQ(m.Record().command, (Texts{c.command}));
    EXPECT_EQ(m.Record().code, c.code);
    EXPECT_EQ(m.Record().count, 1);
  }
}

TEST_F(SetApModelTest, SlotMove_SwapsTwoFilledSlotsUnlessTheSequentialMethodIsHidden) {
  SetApModel& m = Open(
      MakeRecord(u"P", {u"C:\\Apps\\edit.exe", u"C:\\Apps\\calc.exe", u"C:\\Apps\\mail.exe"}, {u"", u"Calculator"}),
      {false, true, false});
  ASSERT_TRUE(m.BeginSlotDrag(1));
  EXPECT_TRUE(m.CanDropOnSlot(0, false)) << "a slot move carries no text";
  m.DropOnSlot(0, u"");
  EXPECT_EQ(m.View().slotText, (Texts{u"Calculator", u"edit", u"mail"}));
  EXPECT_EQ(m.Record().command[0], u"C:\\Apps\\calc.exe");
  EXPECT_EQ(m.Record().title[0], u"Calculator");
  EXPECT_EQ(m.Record().name, u"Calculator");
  EXPECT_TRUE(m.View().okEnabled);
  const APPKEY_DATA before = m.Record();
  for (const auto& [from, to] : {std::pair{2, 2}, std::pair{2, 4}, std::pair{4, 0}}) {
    if (m.BeginSlotDrag(from)) m.DropOnSlot(to, u"");
    m.EndDrag();
  }
  EXPECT_EQ(m.Record(), before) << "onto itself, onto an empty slot, from an empty slot";

  SetApModel& hidden = Open(before, {true, false, false});
  EXPECT_FALSE(hidden.BeginSlotDrag(1));
  hidden.RememberTreeItem(File(u"C:\\Apps\\web.exe", u"web.exe"));
  ASSERT_TRUE(hidden.BeginTreeDrag());
  hidden.DropOnSlot(1, u"web.exe");
  EXPECT_EQ(hidden.Record().command[1], u"C:\\Apps\\web.exe") << "trees and lists still drop onto slots";
}

TEST_F(SetApModelTest, Drop_RefusedOnDisabledSlotsAndAfterTheDragEnded) {
  SetApModel& m = Open(MakeRecord(u"M", {u"C:\\Apps\\edit.exe"}));
  m.RememberTreeItem(File(u"C:\\Apps\\calc.exe", u"calc.exe"));
  ASSERT_TRUE(m.BeginTreeDrag());
  EXPECT_FALSE(m.CanDropOnSlot(1, true)) << "single method: slot 2 is disabled";
  m.EndDrag();
  EXPECT_FALSE(m.CanDropOnSlot(0, true)) << "text dropped from elsewhere later is no tree item";
  m.DropOnSlot(0, u"calc.exe");
  EXPECT_EQ(m.Record().command[0], u"C:\\Apps\\edit.exe");
}

}  // namespace
}  // namespace tapstart
