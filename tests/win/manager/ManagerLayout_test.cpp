// The two dialogs as the user sees them: every text fits its control in the language the suite runs in. With
// TAPSTART_SCREENSHOT_DIR set, each dialog stays on screen for a few seconds so that a screenshot can be taken.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "DialogDriving.h"
#include "manager/CfrmInputBox_win32.h"
#include "manager/CfrmManager_win32.h"
#include "res/resource.h"
#include "ui/Handles_win32.h"
#include "ui/Resources_win32.h"

namespace tapstart::test {
namespace {

// Holds a dialog visible when screenshots are wanted.
void HoldForScreenshot(HWND dlg, const char* name) {
  if (std::getenv("TAPSTART_SCREENSHOT_DIR") == nullptr) return;
  RECT r{};
  GetWindowRect(dlg, &r);
  std::printf("SCREENSHOT %s %ld %ld %ld %ld\n", name, r.left, r.top, r.right - r.left, r.bottom - r.top);
  std::fflush(stdout);
  const ULONGLONG end = GetTickCount64() + 4000;
  while (GetTickCount64() < end) {
    Pump();
    Sleep(20);
  }
}

SIZE TextExtent(HWND control, const std::wstring& text, UINT format, LONG width) {
  WindowDC dc(control);
  ScopedSelect font(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT r{0, 0, width, 0};
  DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT);
  return {r.right - r.left, r.bottom - r.top};
}

LONG FontHeight(HWND control) {
  WindowDC dc(control);
  ScopedSelect font(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  TEXTMETRICW tm{};
  GetTextMetricsW(dc.Get(), &tm);
  return tm.tmHeight;
}

// Every child lies inside the dialog; a push button's text fits on one line with room for its frame; a label's
// wrapped text fits its height; an edit or list shows a whole line of its font.
void ExpectNothingClipped(HWND dlg, const std::vector<int>& buttons, const std::vector<int>& labels,
                          const std::vector<int>& lines) {
  RECT client{};
  GetClientRect(dlg, &client);
  for (HWND child = GetWindow(dlg, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
        << GetDlgCtrlID(child);
  }
  for (int id : buttons) {
    HWND c = GetDlgItem(dlg, id);
    RECT r{};
    GetClientRect(c, &r);
    const SIZE s = TextExtent(c, TextOf(c), DT_SINGLELINE, 0);
    EXPECT_LE(s.cx + 8, r.right) << "button " << id << " too narrow for its text";
    EXPECT_LE(s.cy + 4, r.bottom) << "button " << id << " too low for its text";
  }
  for (int id : labels) {
    HWND c = GetDlgItem(dlg, id);
    RECT r{};
    GetClientRect(c, &r);
    const SIZE s = TextExtent(c, TextOf(c), DT_WORDBREAK, r.right);
    EXPECT_LE(s.cx, r.right) << "label " << id;
    EXPECT_LE(s.cy, r.bottom) << "label " << id << " cut off below";
  }
  for (int id : lines) {
    HWND c = GetDlgItem(dlg, id);
    RECT r{};
    GetClientRect(c, &r);
    EXPECT_LE(FontHeight(c), r.bottom) << "control " << id;
  }
}

TEST(ManagerLayout, EveryTextFitsTheManager) {
  RegistryEnv env;
  env.store.defaults.name = u"User1";
  for (int n = 1; n <= 3; ++n) {
    USER_DATA set;
    set.name = n == 1 ? u"User1" : n == 2 ? u"Office" : u"Games";
    ASSERT_TRUE(env.store.SaveUserData(n, set));
  }
  SetDword(HKEY_CURRENT_USER, kProduct, L"NumSetting", 3);
  SetDword(HKEY_CURRENT_USER, kProduct, L"CurrSetting", 1);
  CfrmManager manager(env.store);
  ASSERT_TRUE(manager.CreateModeless(nullptr, LoadStr(IDS_UI_FACE), 9));
  ShowWindow(manager.Hwnd(), SW_SHOW);
  Pump();
  ExpectNothingClipped(manager.Hwnd(), {IDC_MGR_ADD, IDC_MGR_DELETE, IDC_MGR_COPY, IDC_MGR_RENAME, IDC_MGR_CLOSE},
                       {IDC_MGR_LABEL}, {IDC_MGR_LIST});
  EXPECT_GE(SendMessageW(GetDlgItem(manager.Hwnd(), IDC_MGR_LIST), LB_GETITEMHEIGHT, 0, 0),
            FontHeight(GetDlgItem(manager.Hwnd(), IDC_MGR_LIST)));
  HoldForScreenshot(manager.Hwnd(), "manager");
}

TEST(ManagerLayout, EveryTextFitsTheInputBoxInBothModes) {
  for (bool parameter : {false, true}) {
    InputBoxRequest r;
    r.mode = InputBoxMode::Copy;
    r.parameterMode = parameter;
    r.startText = parameter ? u"/minimized" : u"User1" + Utf16(LoadStr(IDS_MGR_COPY_SUFFIX));
    CfrmInputBox box(r);
    ASSERT_TRUE(box.CreateModeless(nullptr, LoadStr(IDS_UI_FACE), 9));
    ShowWindow(box.Hwnd(), SW_SHOW);
    Pump();
    ExpectNothingClipped(box.Hwnd(), {IDC_INPUT_OK, IDC_INPUT_CANCEL}, {IDC_INPUT_PROMPT}, {IDC_INPUT_EDIT});
    if (!parameter) HoldForScreenshot(box.Hwnd(), "inputbox");
  }
}

// The name rule with a double-byte code page, when the suite runs in Japanese (LC_ALL=ja_JP.UTF-8); the same
// rule is checked natively with a stand-in for code page 932.
TEST(JapaneseInterface, DoubleByteNamesAreCountedInCodePage932) {
  if (GetACP() != 932) GTEST_SKIP() << "runs when the suite runs in Japanese";
  EXPECT_EQ(LoadStr(IDS_TITLE), L"Tapstart ボタン設定");
  EXPECT_EQ(AnsiByteCount(u"あいうえおかきくけこ"), 20u);
  InputBoxRequest r;
  r.existingNames = {u"User1"};
  std::vector<std::wstring> messages;
  CfrmInputBox box(r, [&](HWND, const std::wstring& text, const std::wstring&, UINT) {
    messages.push_back(text);
    return IDOK;
  });
  ASSERT_TRUE(box.CreateModeless(nullptr, LoadStr(IDS_UI_FACE), 9));
  SetDlgItemTextW(box.Hwnd(), IDC_INPUT_EDIT, L"あいうえおかきくけこさ");  // 11 full-width: 22 bytes
  Press(box.Hwnd(), IDC_INPUT_OK);
  EXPECT_EQ(messages, std::vector<std::wstring>{LoadStr(IDS_NAME_TOO_LONG)});
  ASSERT_TRUE(IsWindow(box.Hwnd()));
  SetDlgItemTextW(box.Hwnd(), IDC_INPUT_EDIT, L"あいうえおかきくけこ");  // 10 full-width: 20 bytes
  Press(box.Hwnd(), IDC_INPUT_OK);
  EXPECT_EQ(box.Model().Result(), InputBoxModel::kResultOk);
  EXPECT_EQ(box.Model().Accepted(), u"あいうえおかきくけこ");
}

}  // namespace
}  // namespace tapstart::test
