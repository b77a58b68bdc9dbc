// The main window at 96, 144 and 192 DPI: each scale runs in a process of its own, started with the scale set
// for the user as Windows reads it at a program's start; one more row moves a 96-DPI window to 144 DPI.
#include <windows.h>

#include <gtest/gtest.h>
#include <commctrl.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "Driver_win32.h"
#include "app/CStdModule_win32.h"
#include "mainwnd/ButtonImage.h"
#include "mainwnd/ButtonTabPage_win32.h"
#include "mainwnd/CfrmMain_win32.h"
#include "res/resource.h"
#include "store/Text.h"
#include "ui/Dpi_win32.h"
#include "ui/Resources_win32.h"

namespace tapstart::test {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kScaleVariable[] = L"TAPSTART_TEST_DPI";

struct ScaleRow {
  int startDpi;  // the scale the process starts at
  int shownDpi;  // the scale the window ends at: a different one is a move to another monitor
};

int FontHeight(HWND control) {
  LOGFONTW lf{};
  const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  return font != nullptr && GetObjectW(font, sizeof lf, &lf) != 0 ? lf.lfHeight : 0;
}

// The process's own row, when a parent started it for one.
std::optional<ScaleRow> RowOfThisProcess() {
  wchar_t text[32] = {};
  if (GetEnvironmentVariableW(kScaleVariable, text, 32) == 0) return std::nullopt;
  ScaleRow row{};
  if (swscanf_s(text, L"%d:%d", &row.startDpi, &row.shownDpi) != 2) return std::nullopt;
  return row;
}

// Run by the parent below in a process of its own; skipped in a plain run.
TEST(DisplayScaleChild, MainWindowFollowsTheScale) {
  const std::optional<ScaleRow> row = RowOfThisProcess();
  if (!row) GTEST_SKIP() << "runs in a process started at a given scale";
  ClearStore();
  SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBPAD", 3);
  SetDword(HKEY_LOCAL_MACHINE, kProduct, L"NTNumAPBtn", 2);
  auto app = std::make_unique<CStdModule>(GetModuleHandleW(nullptr));
  auto main = std::make_unique<CfrmMain>(app->Values);
  main->Arguments = {u"/k"};
  ASSERT_TRUE(main->CreateModeless(nullptr, LoadStr(IDS_UI_FACE))) << main->StartupRefused();
  Pump();
  HWND hwnd = main->Hwnd();
  ASSERT_EQ(WindowDpi(hwnd), row->startDpi) << "the process did not start at its scale";
  if (row->shownDpi != row->startDpi) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    RECT suggested{r.left, r.top, r.left + MulDiv(r.right - r.left, row->shownDpi, row->startDpi),
                   r.top + MulDiv(r.bottom - r.top, row->shownDpi, row->startDpi)};
    SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(row->shownDpi, row->shownDpi), reinterpret_cast<LPARAM>(&suggested));
    Pump();
  }
  const int dpi = row->shownDpi;
  EXPECT_EQ(main->Dpi(), dpi);
  EXPECT_EQ(FontHeight(GetDlgItem(hwnd, IDC_MAIN_OK)), ScaleToDpi(LoadRcInt(IDR_HEIGHT_UI, 14), dpi));
  const ButtonTabPage* page = main->DesktopPage();
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(FontHeight(page->Item(page->Ids().pattern)), ScaleToDpi(LoadRcInt(IDR_HEIGHT_LARGE, 16), dpi));
  EXPECT_EQ(FontHeight(page->Item(page->Ids().edits[0])), ScaleToDpi(LoadRcInt(IDR_HEIGHT_UI, 14), dpi));
  RECT item{};
  ASSERT_TRUE(TabCtrl_GetItemRect(GetDlgItem(hwnd, IDC_MAIN_TAB), 1, &item));
  EXPECT_EQ(item.right - item.left, ScaleToDpi(199, dpi));
  EXPECT_EQ(item.bottom - item.top, ScaleToDpi(19, dpi));
  // The round buttons draw the picture rendered for the scale, and their region is its circle.
  HWND button = page->Item(page->Ids().buttons[0]);
  RECT client{};
  GetClientRect(button, &client);
  EXPECT_GE(client.right, PictureSide(dpi)) << "the button holds the picture drawn for its scale";
  Region region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(button, region.Get()), ERROR);
  RECT box{};
  GetRgnBox(region.Get(), &box);
  // An elliptic region leaves out its last column.
  EXPECT_NEAR(box.right - box.left, PictureSide(dpi), 1);
  main.reset();
  app.reset();
  ClearStore();
}

// The user's scale as it was, put back whatever the child did.
class SavedScale {
 public:
  SavedScale() {
    DWORD size = sizeof value_;
    had_ = RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr, &value_, &size) ==
           ERROR_SUCCESS;
  }
  ~SavedScale() {
    if (had_)
      SetDword(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", value_);
    else
      RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels");
  }
  SavedScale(const SavedScale&) = delete;
  SavedScale& operator=(const SavedScale&) = delete;

 private:
  DWORD value_ = 0;
  bool had_ = false;
};

TEST(DisplayScale, FontsTabsAndPicturesFollowTheScale) {
  const ScaleRow rows[] = {{96, 96}, {144, 144}, {192, 192}, {96, 144}};
  wchar_t self[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
  for (const ScaleRow& row : rows) {
    SavedScale saved;
    SetDword(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", static_cast<DWORD>(row.startDpi));
    const std::wstring value = std::to_wstring(row.startDpi) + L":" + std::to_wstring(row.shownDpi);
    ASSERT_TRUE(SetEnvironmentVariableW(kScaleVariable, value.c_str()));
    const DWORD code = test::Run(self, L"--gtest_filter=DisplayScaleChild.*", 60000);
    SetEnvironmentVariableW(kScaleVariable, nullptr);
    EXPECT_EQ(code, 0u) << "at " << row.startDpi << " DPI, shown at " << row.shownDpi;
  }
}

}  // namespace
}  // namespace tapstart::test
