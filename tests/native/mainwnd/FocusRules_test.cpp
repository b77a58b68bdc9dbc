// The main window's focus decisions: which page a tab shows, Alt keys, Tab moves, the round-button hit test and
// the pages' first focus.
#include <gtest/gtest.h>

#include "mainwnd/FocusRules.h"
#include "store/Text.h"

namespace tapstart {
namespace {

constexpr auto kAll = TabLayout::kAllTabs, kNoDt = TabLayout::kNoDesktopTab, kNoNt = TabLayout::kNoNotebookTab,
               kOsd = TabLayout::kOnScreenOnly;

TEST(FocusRulesTest, TabLayout_MapsTabsToTheRemainingPagesInOrder) {
  struct Case {
    TabLayout::Kind kind;
    PageIndex at0, at1, at2;  // the page at tab index 0, 1, 2
    int dt, nt, osd;          // the tab index of each page
  };
  for (const Case& c : {Case{kAll, kDesktopPage, kNotebookPage, kOnScreenPage, 0, 1, 2},
                        Case{kNoDt, kNotebookPage, kOnScreenPage, kNoPage, -1, 0, 1},
                        Case{kNoNt, kDesktopPage, kOnScreenPage, kNoPage, 0, -1, 1},
                        Case{kOsd, kOnScreenPage, kNoPage, kNoPage, -1, -1, 0}}) {
    const TabLayout l(c.kind);
    SCOPED_TRACE(static_cast<int>(c.kind));
    EXPECT_EQ(l.PageAt(0), c.at0);
    EXPECT_EQ(l.PageAt(1), c.at1);
    EXPECT_EQ(l.PageAt(2), c.at2);
    EXPECT_EQ(l.PageAt(-1), kNoPage);
    EXPECT_EQ(l.TabOf(kDesktopPage), c.dt);
    EXPECT_EQ(l.TabOf(kNotebookPage), c.nt);
    EXPECT_EQ(l.TabOf(kOnScreenPage), c.osd);
    for (PageIndex p : {kDesktopPage, kNotebookPage, kOnScreenPage}) EXPECT_EQ(l.Has(p), l.TabOf(p) >= 0) << p;
  }
}

TEST(FocusRulesTest, AltKeys_FollowThePageShown) {
  struct Case {
    char key;
    PageIndex page;
    bool managerShown, displayOn;
    AltCommand command;
  };
  const Case cases[] = {
      {'H', kDesktopPage, true, true, AltCommand::kHelp},
      {'H', kOnScreenPage, true, false, AltCommand::kHelp},
      {'N', kNotebookPage, true, true, AltCommand::kFocusPattern},
      {'B', kDesktopPage, true, true, AltCommand::kFocusButtons},
      {'D', kDesktopPage, true, true, AltCommand::kRunDefault},
      {'W', kNotebookPage, true, true, AltCommand::kRunWizard},
      {'M', kDesktopPage, true, true, AltCommand::kRunManager},
      {'M', kDesktopPage, false, true, AltCommand::kSwallow},  // DelSetManager hid it: taken, nothing runs
      {'F', kDesktopPage, true, true, AltCommand::kNotMine},
      {'F', kOnScreenPage, true, true, AltCommand::kFocusFont},
      {'S', kOnScreenPage, true, true, AltCommand::kFocusSize},
      {'C', kOnScreenPage, true, true, AltCommand::kChooseColor},
      {'F', kOnScreenPage, true, false, AltCommand::kSwallow},  // switched off with the display
      {'C', kOnScreenPage, true, false, AltCommand::kSwallow},
      {'D', kOnScreenPage, true, false, AltCommand::kRunDefault},
      {'O', kOnScreenPage, true, false, AltCommand::kToggleDisplay},
      {'N', kOnScreenPage, true, true, AltCommand::kNotMine},
      {'s', kOnScreenPage, true, true, AltCommand::kNotMine},  // virtual keys: F4's code is 's'
      {'D', kNoPage, true, true, AltCommand::kNotMine},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DecideAltKey(static_cast<uint32_t>(c.key), c.page, c.managerShown, c.displayOn), c.command)
        << c.key << " page " << c.page;
}

TEST(FocusRulesTest, TabKeys_CrossBetweenPageAndMainWindow) {
  struct Case {
    bool shift;
    FocusAt at;
    PageIndex page;
    bool patternHidden;
    TabMove move;
  };
  const Case cases[] = {
      {false, FocusAt::kHelp, kDesktopPage, false, TabMove::kToTabControl},
      {false, FocusAt::kHelp, kOnScreenPage, false, TabMove::kToTabControl},
      {true, FocusAt::kHelp, kDesktopPage, false, TabMove::kNotMine},
      {false, FocusAt::kTabControl, kNotebookPage, false, TabMove::kToPattern},
      {false, FocusAt::kTabControl, kDesktopPage, true, TabMove::kToDefaultWithLook},
      {false, FocusAt::kTabControl, kOnScreenPage, true, TabMove::kToFirstOnScreen},
      {true, FocusAt::kTabControl, kDesktopPage, false, TabMove::kNotMine},
      {true, FocusAt::kOk, kDesktopPage, false, TabMove::kToLastButtonWithLook},
      {true, FocusAt::kOk, kOnScreenPage, false, TabMove::kToLastButtonWithLook},
      {false, FocusAt::kOk, kDesktopPage, false, TabMove::kNotMine},
      {false, FocusAt::kElsewhere, kDesktopPage, false, TabMove::kNotMine},
      {true, FocusAt::kOk, kNoPage, false, TabMove::kNotMine},
      // Tab from the page's last tab stop reaches the bottom row at OK, the mirror of Shift+Tab on OK.
      {false, FocusAt::kPageLastStop, kDesktopPage, false, TabMove::kToOk},
      {false, FocusAt::kPageLastStop, kNotebookPage, true, TabMove::kToOk},
      {false, FocusAt::kPageLastStop, kOnScreenPage, false, TabMove::kToOk},
      {true, FocusAt::kPageLastStop, kDesktopPage, false, TabMove::kNotMine},
      {false, FocusAt::kPageLastStop, kNoPage, false, TabMove::kNotMine},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DecideTabMove(c.shift, c.at, c.page, c.patternHidden), c.move)
        << c.shift << " at " << static_cast<int>(c.at) << " page " << c.page;
}

TEST(FocusRulesTest, RightClick_HitsTheCircleOrTheRectangle) {
  const ScreenRect r{100, 200, 174, 274};  // 74 wide: centre 137, 237, half 37
  struct Case {
    int x, y;
    bool rectangular, hit;
  };
  for (const Case& c : {Case{137, 237, false, true}, Case{100, 237, false, true}, Case{101, 201, false, false},
                        Case{101, 201, true, true}, Case{174, 237, false, false}, Case{173, 237, false, true},
                        Case{99, 237, true, false}, Case{137, 274, true, false}, Case{163, 263, false, true},
                        Case{164, 264, false, false}}) {
    EXPECT_EQ(HitsRoundButton(r, c.x, c.y, c.rectangular), c.hit) << c.x << "," << c.y << " " << c.rectangular;
  }
}

TEST(FocusRulesTest, ButtonPageFirstFocus_ChoosesThePageOnlyWhenStartedOnIt) {
  struct Case {
    PageIndex page;
    int activation;
    const char16_t* line;
    TabLayout::Kind layout;
    bool onPage;
    int selectTab;
  };
  const Case cases[] = {
      {kDesktopPage, 1, u"/k", kAll, true, -1},      {kDesktopPage, 1, u"/T:0", kNoNt, true, -1},
      {kDesktopPage, 1, u"/t:1", kNoNt, true, -1},   {kDesktopPage, 1, u"/t:1", kAll, false, -1},
      {kDesktopPage, 2, u"/k", kAll, false, -1},     {kDesktopPage, 1, u"/t:2", kAll, false, -1},
      {kNotebookPage, 1, u"/k", kNoDt, true, 0},     {kNotebookPage, 1, u"/t:0", kNoDt, true, 0},
      {kNotebookPage, 1, u"/t:1", kAll, true, 1},    {kNotebookPage, 1, u"/t:1", kNoDt, true, 0},
      {kNotebookPage, 1, u"/k", kAll, false, -1},    {kNotebookPage, 2, u"/t:1", kAll, false, 1},
      {kNotebookPage, 1, u"/t:1", kNoNt, false, -1},
  };
  for (const Case& c : cases) {
    const FirstFocus f = DecideButtonPageFirstFocus(c.page, c.activation, c.line, TabLayout(c.layout));
    EXPECT_EQ(f.onPage, c.onPage) << c.page << " " << c.activation << " " << ToUtf8(c.line) << " " << c.layout;
    EXPECT_EQ(f.selectTab, c.selectTab) << c.page << " " << c.activation << " " << ToUtf8(c.line) << " " << c.layout;
  }
}

TEST(FocusRulesTest, OnScreenFirstFocus_ChoosesThePageOnlyWhenStartedOnIt) {
  struct Case {
    int activation;
    const char16_t* line;
    TabLayout::Kind layout;
    bool onPage;
    int tab;
  };
  for (const Case& c :
       {Case{1, u"/t:2", kAll, true, 2}, Case{1, u"/T:2", kNoDt, true, 1}, Case{1, u"/t:2", kNoNt, true, 1},
        Case{1, u"/t:2", kOsd, true, 0}, Case{2, u"/t:2", kAll, false, -1}, Case{0, u"/t:2", kAll, false, -1},
        Case{1, u"/k", kAll, false, -1}, Case{1, u"/t:1", kNoNt, false, -1}, Case{1, u"/k", kOsd, true, 0},
        Case{1, u"/t:0", kOsd, true, 0}, Case{1, u"/t:1", kOsd, true, 0}, Case{3, u"/k", kOsd, false, -1},
        Case{1, u"/w:2", kAll, false, -1}, Case{1, u"", kOsd, false, -1}}) {
    const FirstFocus f = DecideOnScreenFirstFocus(c.activation, c.line, TabLayout(c.layout));
    EXPECT_EQ(f.onPage, c.onPage) << c.activation << " " << ToUtf8(c.line) << " " << c.layout;
    EXPECT_EQ(f.selectTab, c.tab) << c.activation << " " << ToUtf8(c.line) << " " << c.layout;
  }
}

}  // namespace
}  // namespace tapstart
