// Starting Pantik as a user or another program would: refused command lines, the one window, one instance per path.
#include <gtest/gtest.h>

#include "Driver_win32.h"
#include "res/resource.h"
#include "ui/Resources_win32.h"

namespace tapstart::test {
namespace {

constexpr wchar_t kClass[] = L"ThunderRT6FormDC";

std::wstring PantikExe() { return BinDir() + L"Pantik.exe"; }

// Runs the program to its end and reports whether it ever showed a window of the main class.
struct Outcome {
  DWORD exitCode;
  bool showedWindow;
};
Outcome RunWatching(const std::wstring& exe, const std::wstring& args) {
  Started p = Start(exe, args);
  EXPECT_TRUE(p.process) << "could not start " << std::string(args.begin(), args.end());
  bool shown = false;
  const ULONGLONG end = GetTickCount64() + 20000;
  while (WaitForSingleObject(p.process.Get(), 10) == WAIT_TIMEOUT && GetTickCount64() < end)
    shown = shown || !TopLevelWindows(kClass, p.pid, true).empty();
  return {WaitExit(p, 1000), shown};
}

class StartupTest : public testing::Test {
 protected:
  void SetUp() override {
    ClearStore();
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBPAD", 3);
  }
  void TearDown() override { ClearStore(); }
};

TEST_F(StartupTest, RefusedCommandLinesEndQuietlyWithExitCodeZero) {
  for (const wchar_t* args : {L"", L"/x", L"k", L"/t:3", L"/t:10", L"/t:x", L"/t:", L"/w:8", L"/w:3 /apx", L"/ap /w:3",
                              L"/k /t:1", L"/k extra", L"-k"}) {
    const Outcome o = RunWatching(PantikExe(), args);
    EXPECT_EQ(o.exitCode, 0u) << std::wstring(args).size();
    EXPECT_FALSE(o.showedWindow) << "a window for a refused switch, length " << std::wstring(args).size();
  }
}

TEST_F(StartupTest, MachineWithoutLaunchButtonsRunsNoSettings) {
  struct Case {
    DWORD machine;
    bool userZero;
  };
  for (const Case& c : {Case{0, false}, Case{0, true}}) {
    ClearStore();
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBPAD", c.machine);
    if (c.userZero) SetDword(HKEY_CURRENT_USER, kProduct, L"ZEBPAD", 0);
    for (const wchar_t* args : {L"/k", L"/t:0", L"/t:2"}) {
      const Outcome o = RunWatching(PantikExe(), args);
      EXPECT_EQ(o.exitCode, 0u);
      EXPECT_FALSE(o.showedWindow);
    }
  }
}

TEST_F(StartupTest, ValidSwitchShowsOneMainWindowWithItsControls) {
  const std::wstring title = LoadStr(IDS_TITLE);
  ASSERT_FALSE(title.empty());
  for (const wchar_t* args : {L"/k", L"/T:1", L"  /t:2  ", L"/t:0"}) {
    Started p = Start(PantikExe(), args);
    HWND w = WaitForVisibleWindow(kClass, title, p.pid);
    ASSERT_NE(w, nullptr) << "no main window";
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(TopLevelWindows(kClass, p.pid, true).size(), 1u);
    EXPECT_EQ(ClassOf(GetDlgItem(w, IDC_MAIN_TAB)), L"SysTabControl32");
    for (int id : {IDC_MAIN_OK, IDCANCEL, IDC_MAIN_APPLY, IDC_MAIN_HELP})
      EXPECT_EQ(ClassOf(GetDlgItem(w, id)), L"Button") << id;
    ClickButton(w, IDCANCEL);
    EXPECT_EQ(WaitExit(p), 0u);
  }
}

TEST_F(StartupTest, UserKeyboardTypeAloneIsEnough) {
  ClearStore();
  SetDword(HKEY_CURRENT_USER, kProduct, L"ZEBPAD", 1);
  Started p = Start(PantikExe(), L"/k");
  HWND w = WaitForVisibleWindow(kClass, LoadStr(IDS_TITLE), p.pid);
  ASSERT_NE(w, nullptr);
  PostMessageW(w, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(p), 0u);
}

// Makes a window of this process the foreground one and lets the X server's focus events for it arrive: one that
// came late would take the foreground back from the window a second start has just brought forward.
void SettleForeground(HWND w) {
  SetForegroundWindow(w);
  const ULONGLONG end = GetTickCount64() + 300;
  while (GetTickCount64() < end) {
    Pump();
    Sleep(10);
  }
}

// A window of this process that takes the foreground, so that the test can see the first instance come back.
HWND MakeForegroundWindow() {
  HWND w = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                           nullptr, nullptr);
  SettleForeground(w);
  return w;
}

TEST_F(StartupTest, SecondStartBringsTheFirstForwardAndEnds) {
  const std::wstring title = LoadStr(IDS_TITLE);
  Started first = Start(PantikExe(), L"/k");
  HWND w = WaitForVisibleWindow(kClass, title, first.pid);
  ASSERT_NE(w, nullptr);
  HWND other = MakeForegroundWindow();
  ASSERT_EQ(GetForegroundWindow(), other);
  for (const wchar_t* args : {L"/t:1", L"/x", L"/k"}) {
    // The foreground moves through the X server, which now and then loses a request made while another window's
    // focus events are under way: a start whose request was lost is tried again, twice at most.
    bool cameForward = false;
    for (int attempt = 0; attempt < 3 && !cameForward; ++attempt) {
      const Outcome second = RunWatching(PantikExe(), args);
      EXPECT_EQ(second.exitCode, 0u);
      EXPECT_FALSE(second.showedWindow);
      EXPECT_EQ(TopLevelWindows(kClass, 0, true).size(), 1u);
      const ULONGLONG end = GetTickCount64() + 3000;
      while (GetForegroundWindow() != w && GetTickCount64() < end) Sleep(20);
      cameForward = GetForegroundWindow() == w;
      SettleForeground(other);
    }
    EXPECT_TRUE(cameForward) << "the first window was not brought forward";
  }
  DestroyWindow(other);
  PostMessageW(w, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(first), 0u);
}

TEST_F(StartupTest, CopyAtAnotherPathRunsBesideTheFirst) {
  const std::wstring dir = MakeTempDir(L"tapstart pantik copy");
  const std::wstring copy = dir + L"\\Pantik.exe";
  ASSERT_TRUE(CopyFileW(PantikExe().c_str(), copy.c_str(), FALSE));
  Started first = Start(PantikExe(), L"/k");
  ASSERT_NE(WaitForVisibleWindow(kClass, {}, first.pid), nullptr);
  Started second = Start(copy, L"/k");
  ASSERT_NE(WaitForVisibleWindow(kClass, {}, second.pid), nullptr);
  EXPECT_EQ(TopLevelWindows(kClass, 0, true).size(), 2u);
  for (Started* p : {&first, &second}) {
    for (HWND w : TopLevelWindows(kClass, p->pid)) PostMessageW(w, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitExit(*p), 0u);
  }
  RemoveTree(dir);
}

// One file reached in two letter cases is one instance, in any script: the second start ends at once.
TEST_F(StartupTest, SamePathInAnotherLetterCaseRunsOnce) {
  const std::wstring dir = MakeTempDir(L"tapstart Zähler Ωmega");
  ASSERT_TRUE(CopyFileW(PantikExe().c_str(), (dir + L"\\Pantik.exe").c_str(), FALSE));
  const size_t at = dir.find(L"Zähler");
  std::wstring other = dir;
  other.replace(at, 12, L"ZÄHLER ωMEGA");
  ASSERT_NE(GetFileAttributesW(other.c_str()), INVALID_FILE_ATTRIBUTES) << "the file system folds the case";
  Started first = Start(dir + L"\\Pantik.exe", L"/k");
  ASSERT_NE(WaitForVisibleWindow(kClass, {}, first.pid), nullptr);
  const Outcome second = RunWatching(other + L"\\pantik.exe", L"/k");
  EXPECT_EQ(second.exitCode, 0u);
  EXPECT_FALSE(second.showedWindow) << "a second instance of the same file";
  for (HWND w : TopLevelWindows(kClass, first.pid)) PostMessageW(w, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(first), 0u);
  RemoveTree(dir);
}

}  // namespace
}  // namespace tapstart::test
