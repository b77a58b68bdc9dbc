// The main dialog's tab control with the three real page templates: creation, placement, selection, removal.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "HostWindow_win32.h"
#include "mainwnd/CMainTabCtrl_win32.h"

namespace tapstart {
namespace {

using test::HostWindow;

constexpr int kTabId = 1043;
constexpr POINT kTabPlace{10, 12};

// A main dialog stand-in: the tab control at its place, the pages created from templates 10000 to 10002.
struct TabFixture {
  HostWindow host{660, 520, true};
  HWND tab = nullptr;
  CMainTabCtrl control;
  std::vector<std::pair<int, UINT>> made;

  TabFixture() {
    InitCommonControls();
    tab = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, kTabPlace.x,
                          kTabPlace.y, 620, 440, host.Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTabId)),
                          GetModuleHandleW(nullptr), nullptr);
    control.Attach(tab);
    host.SetHook([this](UINT msg, WPARAM, LPARAM l, LRESULT& result) {
      return msg == WM_NOTIFY && control.OnNotify(*reinterpret_cast<const NMHDR*>(l), result);
    });
  }
  ~TabFixture() { host.SetHook(nullptr); }

  // The page objects, and every page's window as the main window's idle time makes them.
  bool Create(bool makeWindows = true) {
    const bool created = control.CreatePages(
        [this](int page, UINT templateId) {
          made.emplace_back(page, templateId);
          return std::make_unique<Dialog>(templateId);
        },
        L"Arial");
    while (makeWindows && control.MakeWaitingPage()) {
    }
    return created;
  }
  int Selected() const { return static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0)); }
  void Select(int index) const { SendMessageW(tab, TCM_SETCURSEL, static_cast<WPARAM>(index), 0); }
  int TabCount() const { return static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0)); }
  // The display area worked out from the tab's window rectangle in the host's client area.
  RECT DisplayArea() const {
    RECT r{};
    GetWindowRect(tab, &r);
    MapWindowPoints(nullptr, host.Hwnd(), reinterpret_cast<POINT*>(&r), 2);
    SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  RECT PlaceOf(HWND page) const {
    RECT r{};
    GetWindowRect(page, &r);
    MapWindowPoints(nullptr, host.Hwnd(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
};

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }

// True when a comes before b in the z-order of their common parent.
bool Above(HWND a, HWND b) {
  for (HWND w = GetWindow(a, GW_HWNDNEXT); w != nullptr; w = GetWindow(w, GW_HWNDNEXT))
    if (w == b) return true;
  return false;
}

TEST(MainTabCtrl, CreatePagesMakesThreeEmptyTabsAndChildPagesInTabOrder) {
  TabFixture f;
  ASSERT_TRUE(f.Create());
  EXPECT_EQ(f.made, (std::vector<std::pair<int, UINT>>{{0, 10000}, {1, 10001}, {2, 10002}}));
  ASSERT_EQ(f.TabCount(), 3);
  ASSERT_EQ(f.control.PageCount(), 3);
  for (int i = 0; i < 3; ++i) {
    wchar_t text[16] = L"x";
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 16;
    ASSERT_TRUE(SendMessageW(f.tab, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(item.pszText, L"") << i;
    Dialog* page = f.control.TabPage(i);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page, f.control.Page(i));
    ASSERT_NE(page->Hwnd(), nullptr) << i;
    EXPECT_EQ(GetParent(page->Hwnd()), f.host.Hwnd());
    EXPECT_NE(GetWindowLongPtrW(page->Hwnd(), GWL_STYLE) & WS_CHILD, 0);
  }
  EXPECT_EQ(f.control.TabPage(3), nullptr);
  EXPECT_EQ(f.control.TabPage(-1), nullptr);
  // Called once only.
  EXPECT_FALSE(f.Create());
  EXPECT_EQ(f.TabCount(), 3);
}

TEST(MainTabCtrl, APageWindowIsMadeWhenFirstShownOrAskedForAndOnlyOnce) {
  TabFixture f;
  std::vector<int> told;
  f.control.OnPageMade([&](int page) {
    EXPECT_NE(f.control.Page(page)->Hwnd(), nullptr);
    EXPECT_FALSE(IsWindowVisible(f.control.Page(page)->Hwnd()));
    told.push_back(page);
  });
  ASSERT_TRUE(f.Create(false));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(f.control.Page(i)->Hwnd(), nullptr) << i;
  f.Select(2);
  f.control.ShowCurrentPage();
  EXPECT_EQ(told, std::vector<int>{2});
  EXPECT_TRUE(IsWindowVisible(f.control.Page(2)->Hwnd()));
  // A removed tab's page is never made in idle time; the rest are, one per call, in kind order.
  ASSERT_TRUE(f.control.RemovePage(0));
  EXPECT_TRUE(f.control.MakeWaitingPage());
  EXPECT_FALSE(f.control.MakeWaitingPage());
  EXPECT_EQ(told, (std::vector<int>{2, 1}));
  EXPECT_TRUE(SameRect(f.PlaceOf(f.control.Page(1)->Hwnd()), f.DisplayArea()));
  EXPECT_FALSE(IsWindowVisible(f.control.Page(1)->Hwnd()));
  // Asked for by kind, a removed page is made too; made pages are not made again.
  EXPECT_TRUE(f.control.MakePage(0));
  EXPECT_TRUE(f.control.MakePage(2));
  EXPECT_FALSE(f.control.MakePage(3));
  EXPECT_EQ(told, (std::vector<int>{2, 1, 0}));
}

TEST(MainTabCtrl, TemplateIdsSetByTheMainDialogReachTheFactory) {
  TabFixture f;
  f.control.SetTemplateIds(10002, 10000, 10001);
  ASSERT_TRUE(f.Create());
  EXPECT_EQ(f.made, (std::vector<std::pair<int, UINT>>{{0, 10002}, {1, 10000}, {2, 10001}}));
  EXPECT_EQ(f.control.Page(0)->TemplateId(), 10002u);
}

TEST(MainTabCtrl, AFactoryWithoutAPageLeavesItsTabEmpty) {
  TabFixture f;
  const bool complete = f.control.CreatePages(
      [](int page, UINT templateId) { return page == 1 ? nullptr : std::make_unique<Dialog>(templateId); }, L"Arial");
  EXPECT_FALSE(complete);
  ASSERT_EQ(f.control.PageCount(), 3);
  EXPECT_EQ(f.control.TabPage(1), nullptr);
  f.Select(1);
  f.control.ShowCurrentPage();
  f.Select(2);
  f.control.ShowCurrentPage();
  EXPECT_TRUE(IsWindowVisible(f.control.TabPage(2)->Hwnd()));
}

class ShowCurrentPageTest : public testing::TestWithParam<int> {};

TEST_P(ShowCurrentPageTest, SelectedPageFillsTheDisplayAreaAboveTheTabAndOthersHide) {
  const int selected = GetParam();
  TabFixture f;
  ASSERT_TRUE(f.Create());
  f.Select(selected);
  f.control.ShowCurrentPage();
  const RECT area = f.DisplayArea();
  EXPECT_GT(area.top, kTabPlace.y);
  EXPECT_GE(area.left, kTabPlace.x);
  for (int i = 0; i < 3; ++i) {
    HWND page = f.control.TabPage(i)->Hwnd();
    EXPECT_TRUE(SameRect(f.PlaceOf(page), area)) << i;
    EXPECT_EQ(IsWindowVisible(page) != 0, i == selected) << i;
    EXPECT_TRUE(Above(page, f.tab)) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Tabs, ShowCurrentPageTest, testing::Values(0, 1, 2));

TEST(MainTabCtrl, NoSelectionLeavesEveryPageAsItIs) {
  TabFixture f;
  ASSERT_TRUE(f.Create());
  f.Select(1);
  f.control.ShowCurrentPage();
  HWND page0 = f.control.TabPage(0)->Hwnd();
  SetWindowPos(page0, nullptr, 3, 4, 50, 60, SWP_NOZORDER | SWP_NOACTIVATE);
  f.Select(-1);
  ASSERT_EQ(f.Selected(), -1);
  f.control.ShowCurrentPage();
  EXPECT_TRUE(SameRect(f.PlaceOf(page0), RECT{3, 4, 53, 64}));
  EXPECT_TRUE(IsWindowVisible(f.control.TabPage(1)->Hwnd()));
  EXPECT_FALSE(IsWindowVisible(f.control.TabPage(2)->Hwnd()));
}

TEST(MainTabCtrl, SelectionChangeShowsThePageAndFocusesTheTab) {
  TabFixture f;
  ASSERT_TRUE(f.Create());
  f.control.ShowCurrentPage();
  // TCM_SETCURFOCUS changes the selection as a click does, with TCN_SELCHANGE to the parent.
  SendMessageW(f.tab, TCM_SETCURFOCUS, 2, 0);
  ASSERT_EQ(f.Selected(), 2);
  EXPECT_TRUE(IsWindowVisible(f.control.TabPage(2)->Hwnd()));
  EXPECT_FALSE(IsWindowVisible(f.control.TabPage(0)->Hwnd()));
  EXPECT_EQ(GetFocus(), f.tab);

  NMHDR header{f.tab, static_cast<UINT_PTR>(kTabId), static_cast<UINT>(TCN_SELCHANGE)};
  LRESULT result = 99;
  f.Select(1);
  EXPECT_TRUE(f.control.OnNotify(header, result));
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(IsWindowVisible(f.control.TabPage(1)->Hwnd()));
  // Other notifications and other controls are not the tab control's.
  header.code = static_cast<UINT>(TCN_SELCHANGING);
  EXPECT_FALSE(f.control.OnNotify(header, result));
  header = {f.host.Hwnd(), 1, static_cast<UINT>(TCN_SELCHANGE)};
  EXPECT_FALSE(f.control.OnNotify(header, result));
}

struct RemoveCase {
  std::vector<int> removals;
  std::vector<int> expectedKinds;  // the pages left, in tab order
  bool lastRemoved;
};

class RemovePageTest : public testing::TestWithParam<RemoveCase> {};

TEST_P(RemovePageTest, DropsTheTabAndItsPageKeepingTheOrder) {
  const RemoveCase& c = GetParam();
  TabFixture f;
  ASSERT_TRUE(f.Create());
  f.control.ShowCurrentPage();
  bool removed = false;
  for (int index : c.removals) removed = f.control.RemovePage(index);
  EXPECT_EQ(removed, c.lastRemoved);
  ASSERT_EQ(f.control.PageCount(), static_cast<int>(c.expectedKinds.size()));
  EXPECT_EQ(f.TabCount(), f.control.PageCount());
  for (size_t i = 0; i < c.expectedKinds.size(); ++i)
    EXPECT_EQ(f.control.TabPage(static_cast<int>(i)), f.control.Page(c.expectedKinds[i])) << i;
  for (int kind = 0; kind < 3; ++kind) {
    // Removed pages live on, hidden, until the control goes.
    ASSERT_NE(f.control.Page(kind), nullptr);
    EXPECT_TRUE(IsWindow(f.control.Page(kind)->Hwnd()));
    const bool listed = std::find(c.expectedKinds.begin(), c.expectedKinds.end(), kind) != c.expectedKinds.end();
    if (!listed) {
      EXPECT_FALSE(IsWindowVisible(f.control.Page(kind)->Hwnd())) << kind;
    }
  }
  // What is left shows the page of the tab selected.
  f.Select(0);
  f.control.ShowCurrentPage();
  EXPECT_TRUE(IsWindowVisible(f.control.TabPage(0)->Hwnd()));
}

INSTANTIATE_TEST_SUITE_P(Removals, RemovePageTest,
                         testing::Values(RemoveCase{{0}, {1, 2}, true}, RemoveCase{{1}, {0, 2}, true},
                                         RemoveCase{{2}, {0, 1}, true}, RemoveCase{{0, 0}, {2}, true},
                                         RemoveCase{{1, 1}, {0}, true}, RemoveCase{{3}, {0, 1, 2}, false},
                                         RemoveCase{{-1}, {0, 1, 2}, false}, RemoveCase{{0, 2}, {1, 2}, false}));

TEST(MainTabCtrl, DestructionDestroysThePageWindows) {
  HostWindow host(400, 300, false);
  HWND tab = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 380, 280, host.Hwnd(), nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  std::vector<HWND> pages;
  {
    CMainTabCtrl control;
    control.Attach(tab);
    ASSERT_TRUE(control.CreatePages([](int, UINT id) { return std::make_unique<Dialog>(id); }, L"Arial"));
    for (int i = 0; i < 3; ++i) pages.push_back(control.Page(i)->Hwnd());
    ASSERT_TRUE(control.RemovePage(1));
  }
  for (HWND page : pages) EXPECT_FALSE(IsWindow(page));
}

}  // namespace
}  // namespace tapstart
