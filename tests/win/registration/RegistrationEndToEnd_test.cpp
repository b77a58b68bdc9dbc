// The typical request end to end: Pantik /k on a machine with every source, a click on round button 2, a Start
// Menu shortcut sent to Program1 with the Apps key and the menu's keys, OK, Apply; the store holds the button, the
// handler heard of it, and Runvoy then starts the shortcut's program.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "Driver_win32.h"
#include "mainwnd/MainModel.h"
#include "res/resource.h"
#include "ui/Handles_win32.h"
#include "ui/Resources_win32.h"

namespace tapstart::test {
namespace {

std::wstring WaitForText(const std::wstring& path, const std::wstring& needle, DWORD timeoutMs = 10000) {
  std::wstring text;
  WaitUntil([&] { return (text = ReadFileUtf8(path)).find(needle) != std::wstring::npos; }, timeoutMs);
  return text;
}

std::wstring ShellPath(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

// A shell link to a program, as an installer leaves one in the Start Menu.
bool MakeShortcut(const std::wstring& link, const std::wstring& target) {
  IShellLinkW* rawLink = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&rawLink))))
    return false;
  const ComPtr<IShellLinkW> shellLink(rawLink);
  shellLink->SetPath(target.c_str());
  IPersistFile* rawFile = nullptr;
  if (FAILED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile)))) return false;
  const ComPtr<IPersistFile> file(rawFile);
  return SUCCEEDED(file->Save(link.c_str(), TRUE));
}

HWND WaitForRegistration(DWORD pid) {
  HWND found = nullptr;
  WaitUntil([&] {
    for (HWND w : TopLevelWindows(L"#32770", pid, true))
      if (GetDlgItem(w, IDC_SETAP_TAB) != nullptr) found = w;
    return found != nullptr;
  });
  return found;
}

HWND WaitForMenu(DWORD pid) {
  HWND menu = nullptr;
  WaitUntil([&] {
    const std::vector<HWND> menus = TopLevelWindows(L"#32768", pid, true);
    if (!menus.empty()) menu = menus.back();
    return menu != nullptr;
  });
  return menu;
}

// A key pressed on a window of the other process, which its message loop takes as typed.
void PostKey(HWND to, WPARAM key) {
  PostMessageW(to, WM_KEYDOWN, key, 1);
  PostMessageW(to, WM_KEYUP, key, 0xC0000001);
  Sleep(200);
}

class RegistrationEndToEnd : public testing::Test {
 protected:
  static void SetUpTestSuite() { GetDesktopWindow(); }
  void SetUp() override {
    ClearStore();
    CoInitialize(nullptr);
    dir_ = MakeTempDir(L"tapstart registration e2e");
    SetEnvironmentVariableW(L"TAPSTART_PROBE_LOG", (dir_ + L"\\probe.log").c_str());
    startMenu_ = ShellPath(CSIDL_STARTMENU);
    // The only file of the Start Menu's first level, below its folders: End reaches it.
    link_ = startMenu_ + L"\\Tapstart Probe.lnk";
    ASSERT_TRUE(MakeShortcut(link_, BinDir() + L"probe.exe"));
    SetString(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
              L"Start Menu", startMenu_);
    for (const wchar_t* group : {L"IEMenu", L"MCMenu", L"IME"})
      SetDword(HKEY_LOCAL_MACHINE, std::wstring(kProduct) + L"\\UTLSetting\\ProgramGroup", group, 1);
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBPAD", 3);
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"DTNumAPBtn", 5);
  }
  void TearDown() override {
    // A test that failed half way leaves nothing running.
    for (Started* p : {&pantik_, &handler_})
      if (p->process && WaitForSingleObject(p->process.Get(), 0) == WAIT_TIMEOUT) TerminateProcess(p->process.Get(), 1);
    DeleteFileW(link_.c_str());
    SetEnvironmentVariableW(L"TAPSTART_PROBE_LOG", nullptr);
    RemoveTree(dir_);
    CoUninitialize();
    ClearStore();
  }
  std::wstring dir_, startMenu_, link_;
  Started pantik_, handler_;
};

TEST_F(RegistrationEndToEnd, StartMenuShortcutSentToProgram1_IsSavedNotifiedAndStartedByRunvoy) {
  const std::wstring handlerLog = dir_ + L"\\handler.log";
  handler_ = Start(BinDir() + L"handler_standin.exe", L"\"" + handlerLog + L"\"");
  ASSERT_NE(WaitForText(handlerLog, L"ready").find(L"ready"), std::wstring::npos);
  pantik_ = Start(BinDir() + L"Pantik.exe", L"/k");
  HWND main = WaitForVisibleWindow(L"ThunderRT6FormDC", LoadStr(IDS_TITLE), pantik_.pid);
  ASSERT_NE(main, nullptr);
  HWND round = FindDescendant(main, IDC_DT_BUTTON2, true);
  ASSERT_NE(round, nullptr);
  ClickButton(GetParent(round), IDC_DT_BUTTON2);

  HWND dialog = WaitForRegistration(pantik_.pid);
  ASSERT_NE(dialog, nullptr);
  // Tab from the source tabs to the Start Menu tree, End to its last item, the shortcut.
  PostKey(GetDlgItem(dialog, IDC_SETAP_TAB), VK_TAB);
  HWND tree = GetDlgItem(dialog, IDC_SETAP_START_MENU);
  PostKey(tree, VK_END);
  PostKey(tree, VK_APPS);
  HWND menu = WaitForMenu(pantik_.pid);
  ASSERT_NE(menu, nullptr);
  PostKey(menu, VK_DOWN);   // "Send"
  PostKey(menu, VK_RIGHT);  // its submenu, on "Program1"
  PostKey(menu, VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return TextOf(GetDlgItem(dialog, IDC_SETAP_SLOT1)) == L"Tapstart Probe"; }))
      << TextOf(GetDlgItem(dialog, IDC_SETAP_SLOT1));
  ClickButton(dialog, IDC_SETAP_OK);
  ASSERT_TRUE(WaitGone(dialog));
  EXPECT_EQ(TextOf(FindDescendant(main, IDC_DT_EDIT2, true)), L"Tapstart Probe");
  ClickButton(main, IDC_MAIN_APPLY);

  WaitForText(handlerLog, L"VARDENZEBCLASS\t" + std::to_wstring(kMsgSettingsChanged));
  EXPECT_TRUE(HasSequence(ReadHandlerLog(handlerLog), {{L"VARDENZEBCLASS", kMsgSettingsChanged, 1, 0, true}}));
  const std::wstring button = std::wstring(kProduct) + L"\\Setting\\Set1\\AppKey2";
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, button, L"Execute"), L"M");
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, button, L"NumAP"), 1u);
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, button, L"AP1"), link_);
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, button, L"DispTitle"), L"Tapstart Probe");
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(pantik_), 0u);
  for (HWND w : TopLevelWindows(L"VARDENZEBCLASS", handler_.pid)) PostMessageW(w, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(handler_), 0u);

  JobRun runvoy = StartInJob(BinDir() + L"Runvoy.exe", L"/Set1\\AppKey2", dir_);
  EXPECT_EQ(WaitExit(runvoy.process), 0u);
  EXPECT_TRUE(WaitJobDone(runvoy));
  EXPECT_NE(WaitForText(dir_ + L"\\probe.log", L"probe.exe").find(L"probe.exe"), std::wstring::npos)
      << "the shortcut's program started";
}

}  // namespace
}  // namespace tapstart::test
