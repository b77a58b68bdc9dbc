// The pages as the machine shapes them: the bottom row, the button labels, the launch methods and the
// sources offered, each packed without gaps.
#include <gtest/gtest.h>

#include "WizardHost_win32.h"
#include "ui/Resources_win32.h"

namespace tapstart::test {
namespace {

RECT RectIn(HWND parent, HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST_F(WizardTest, BottomRowFollowsAddHelp) {
  struct Case {
    DWORD addHelp;
    int back, next, cancel;
    bool help;
  };
  for (const Case& c : {Case{1, 292, 373, 454, true}, Case{0, 335, 415, 535, false}}) {
    SetDword(HKEY_LOCAL_MACHINE, std::wstring(kUtl) + L"\\DispSetting", L"AddHelp", c.addHelp);
    Open();
    EXPECT_EQ(RectIn(Sheet(), SheetButton(IDC_WIZ_BACK)).left, c.back) << c.addHelp;
    EXPECT_EQ(RectIn(Sheet(), SheetButton(IDC_WIZ_NEXT)).left, c.next) << c.addHelp;
    EXPECT_EQ(RectIn(Sheet(), SheetButton(IDC_WIZ_FINISH)).left, c.next) << c.addHelp;
    EXPECT_EQ(RectIn(Sheet(), SheetButton(IDCANCEL)).left, c.cancel) << c.addHelp;
    EXPECT_EQ(RectIn(Sheet(), SheetButton(IDC_WIZ_OWN_FINISH)).left, c.back - 80) << c.addHelp;
    EXPECT_EQ(Usable(IDC_WIZ_HELP), c.help) << c.addHelp;
    // The page's last line lies inside the page and above the buttons.
    const RECT hint = RectIn(Sheet(), PageItem(IDC_WIZB_CLICK_NEXT));
    EXPECT_LE(hint.bottom, RectIn(Sheet(), Page()).bottom);
    EXPECT_LT(hint.bottom, RectIn(Sheet(), SheetButton(IDC_WIZ_BACK)).top);
    EXPECT_EQ(TextOf(Sheet()), LoadStr(IDS_TITLE) + L" " + LoadStr(IDS_WIZ_TITLE));
    Close();
  }
}

TEST_F(WizardTest, ButtonLabelsFollowQstartKindAndMachineNames) {
  const std::wstring names = std::wstring(kUtl) + L"\\ButtonName";
  struct Case {
    DWORD qstart;
    int kind;
    const wchar_t* override6;  // the machine's name of notebook button 1
    std::vector<std::wstring> labels;
  };
  const std::wstring fn1 = LoadStr(IDS_WIZ_FN1), fn2 = LoadStr(IDS_WIZ_FN2), b3 = LoadStr(IDS_WIZ_BUTTON3);
  const std::wstring named =
      LoadStr(IDS_WIZ_BUTTON_FORMAT).replace(LoadStr(IDS_WIZ_BUTTON_FORMAT).find(L"%s"), 2, L"Mail");
  const Case cases[] = {
      {1, 3, nullptr, {fn1, fn2, b3}}, {1, 2, nullptr, {fn1, fn2}}, {0, 2, L"Mail", {named, LoadStr(IDS_WIZ_BUTTON2)}}};
  for (const Case& c : cases) {
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"QSTART", c.qstart);
    DeleteTree(HKEY_LOCAL_MACHINE, names);
    if (c.override6 != nullptr) SetString(HKEY_LOCAL_MACHINE, names, L"AppKey6", c.override6);
    WizardRequest request;
    request.buttons.buttonKind = c.kind;
    Open(request);
    std::vector<std::wstring> shown;
    for (int id = IDC_WIZB_RADIO1; id <= IDC_WIZB_RADIO5; ++id)
      if (IsWindowVisible(PageItem(id))) shown.push_back(TextOf(PageItem(id)));
    EXPECT_EQ(shown, c.labels) << c.qstart << " " << c.kind;
    Close();
  }
}

TEST_F(WizardTest, DelSerialTakesSequentialAwayWithoutAGap) {
  SetDword(HKEY_LOCAL_MACHINE, std::wstring(kUtl) + L"\\DispSetting", L"DelSerial", 1);
  Open();
  PressSheet(PSBTN_NEXT);
  const RECT sequential = RectIn(Page(), PageItem(IDC_WIZM_SEQUENTIAL));
  EXPECT_FALSE(IsWindowVisible(PageItem(IDC_WIZM_SEQUENTIAL)));
  EXPECT_EQ(RectIn(Page(), PageItem(IDC_WIZM_SIMULTANEOUS)).top, sequential.top);
}

TEST_F(WizardTest, SourcesSwitchedOffLeaveNoGap) {
  // Media Center and IE Favorites off: Start Menu, All Files and Shortcut Key on consecutive slots.
  Open();
  PressSheet(PSBTN_NEXT);
  PressSheet(PSBTN_NEXT);
  const int single[] = {IDC_WIZS_START_MENU, IDC_WIZS_ALL_FILES, IDC_WIZS_SHORTCUT_KEY};
  const LONG top = RectIn(Page(), PageItem(single[0])).top;
  for (int k = 0; k < 3; ++k) {
    EXPECT_TRUE(IsWindowVisible(PageItem(single[k]))) << k;
    EXPECT_EQ(RectIn(Page(), PageItem(single[k])).top, top + 25 * k) << k;
  }
  for (int id : {IDC_WIZS_MEDIA_CENTER, IDC_WIZS_FAVORITES, IDC_WIZS_IME}) EXPECT_FALSE(IsWindowVisible(PageItem(id)));
  PressSheet(PSBTN_BACK);
  ClickOnPage(IDC_WIZM_SIMULTANEOUS);
  PressSheet(PSBTN_NEXT);
  SetWindowTextW(PageItem(IDC_WIZN_EDIT), L"Tools");
  Pump();
  PressSheet(PSBTN_NEXT);
  ASSERT_EQ(PageIndex(), 6);
  const LONG first = RectIn(Page(), PageItem(IDC_WIZO_START_MENU)).top;
  EXPECT_EQ(RectIn(Page(), PageItem(IDC_WIZO_ALL_FILES)).top, first + 25);
  for (int id : {IDC_WIZO_MEDIA_CENTER, IDC_WIZO_FAVORITES, IDC_WIZO_SHORTCUT_KEY})
    EXPECT_FALSE(IsWindowVisible(PageItem(id))) << id;
}

}  // namespace
}  // namespace tapstart::test
