// A user edits a button name in the running program and presses Apply: the store holds the name with the
// layout's value types, and the resident handler's two windows hear about it.
#include <gtest/gtest.h>

#include "Driver_win32.h"
#include "mainwnd/MainModel.h"
#include "res/resource.h"
#include "ui/Resources_win32.h"

namespace tapstart::test {
namespace {

std::wstring WaitForLog(const std::wstring& path, const std::wstring& needle, DWORD timeoutMs = 10000) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  std::wstring text;
  do {
    text = ReadFileUtf8(path);
    if (text.find(needle) != std::wstring::npos) break;
    Sleep(50);
  } while (GetTickCount64() < end);
  return text;
}

TEST(ApplyNotifiesTest, TypedNameIsStoredAndBothHandlerWindowsHearIt) {
  ClearStore();
  SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBPAD", 3);
  SetDword(HKEY_LOCAL_MACHINE, kProduct, L"NTNumAPBtn", 2);
  const std::wstring log = MakeTempDir(L"tapstart handler") + L"\\handler.log";
  Started handler = Start(BinDir() + L"handler_standin.exe", L"\"" + log + L"\"");
  ASSERT_NE(WaitForLog(log, L"ready").find(L"ready"), std::wstring::npos);

  Started pantik = Start(BinDir() + L"Pantik.exe", L"/k");
  HWND main = WaitForVisibleWindow(L"ThunderRT6FormDC", LoadStr(IDS_TITLE), pantik.pid);
  ASSERT_NE(main, nullptr);
  HWND edit = FindDescendant(main, IDC_DT_EDIT2, true);
  ASSERT_NE(edit, nullptr);
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Web 閲覧"));
  ClickButton(main, IDC_MAIN_APPLY);
  // Posted to the one window, then sent to the other.
  WaitForLog(log, L"VARDENZEBCLASS\t1336");
  EXPECT_TRUE(HasSequence(ReadHandlerLog(log), {{L"Varden Hovl MainWnd Class", kMsgSettingsChanged, 1, 0, false},
                                                {L"VARDENZEBCLASS", kMsgSettingsChanged, 1, 0, true}}));

  DWORD type = 0;
  std::vector<BYTE> data;
  const std::wstring button = std::wstring(kProduct) + L"\\Setting\\Set1\\AppKey2";
  ASSERT_TRUE(ReadRaw(HKEY_CURRENT_USER, button, L"DispTitle", type, data));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(std::wstring(reinterpret_cast<wchar_t*>(data.data()), data.size() / 2), L"Web 閲覧");
  ASSERT_TRUE(ReadRaw(HKEY_CURRENT_USER, button, L"NumAP", type, data));
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  ASSERT_TRUE(ReadRaw(HKEY_CURRENT_USER, std::wstring(kProduct) + L"\\OnScreen", L"size", type, data));
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  ASSERT_TRUE(ReadRaw(HKEY_CURRENT_USER, std::wstring(kProduct) + L"\\OnScreen", L"FontFace", type, data));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));

  // The settings survive a restart of the program.
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(pantik), 0u);
  Started again = Start(BinDir() + L"Pantik.exe", L"/k");
  main = WaitForVisibleWindow(L"ThunderRT6FormDC", LoadStr(IDS_TITLE), again.pid);
  ASSERT_NE(main, nullptr);
  wchar_t text[64] = {};
  SendMessageW(FindDescendant(main, IDC_DT_EDIT2, true), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"Web 閲覧");
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(again), 0u);

  for (HWND w : TopLevelWindows(L"VARDENZEBCLASS", handler.pid)) PostMessageW(w, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(handler), 0u);
  ClearStore();
}

}  // namespace
}  // namespace tapstart::test
