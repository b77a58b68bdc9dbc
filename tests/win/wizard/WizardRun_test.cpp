// End to end: Pantik started as the resident handler starts it for a button with nothing assigned, walked to
// Finish from outside; the store, the handler's messages and the exit code. And the main window's hand-over
// to the maker's set-up program, which asks about unsaved edits first.
#include <gtest/gtest.h>

#include "Driver_win32.h"
#include "app/CStdModule_win32.h"
#include "mainwnd/ButtonTabPage_win32.h"
#include "mainwnd/CfrmMain_win32.h"
#include "mainwnd/MainModel.h"
#include "res/resource.h"
#include "ui/Resources_win32.h"

namespace tapstart::test {
namespace {

constexpr wchar_t kButton3[] = L"Software\\Varden\\VARDENZEB\\Setting\\Set1\\AppKey3";

std::wstring WaitForLog(const std::wstring& path, const std::wstring& needle) {
  std::wstring text;
  for (int i = 0; i < 200 && text.find(needle) == std::wstring::npos; ++i, Sleep(50)) text = ReadFileUtf8(path);
  return text;
}

HWND WizardOf(DWORD pid) {
  for (int i = 0; i < 200; ++i, Sleep(50))
    for (HWND w : TopLevelWindows(L"#32770", pid, true))
      if (SendMessageW(w, PSM_GETCURRENTPAGEHWND, 0, 0) != 0) return w;
  return nullptr;
}

void PressSheetButton(HWND sheet, int button) {
  SendMessageW(sheet, PSM_PRESSBUTTON, button, 0);
  Sleep(100);
}

// The demo machine's switches (a five-button keyboard and a two-button notebook), and the handler stand-in.
class WizardRunTest : public testing::Test {
 protected:
  void SetUp() override {
    ClearStore();
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBPAD", 3);
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"DTNumAPBtn", 5);
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"NTNumAPBtn", 2);
    log_ = MakeTempDir(L"tapstart wizard handler") + L"\\handler.log";
    handler_ = Start(BinDir() + L"handler_standin.exe", L"\"" + log_ + L"\"");
    ASSERT_NE(WaitForLog(log_, L"ready").find(L"ready"), std::wstring::npos);
  }
  void TearDown() override {
    for (HWND w : TopLevelWindows(L"VARDENZEBCLASS", handler_.pid)) PostMessageW(w, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitExit(handler_), 0u);
    ClearStore();
  }
  // "/w:2" and the Shortcut Key source walked to Finish.
  DWORD WalkToFinish(const std::wstring& args) {
    Started pantik = Start(BinDir() + L"Pantik.exe", args);
    HWND sheet = WizardOf(pantik.pid);
    EXPECT_NE(sheet, nullptr);
    if (sheet == nullptr) return WaitExit(pantik, 1000);
    PressSheetButton(sheet, PSBTN_NEXT);
    HWND page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    SendMessageW(GetDlgItem(page, IDC_WIZS_SHORTCUT_KEY), BM_CLICK, 0, 0);
    PressSheetButton(sheet, PSBTN_NEXT);
    PressSheetButton(sheet, PSBTN_NEXT);
    PressSheetButton(sheet, PSBTN_FINISH);
    return WaitExit(pantik);
  }
  std::wstring log_;
  Started handler_;
};

TEST_F(WizardRunTest, WizardOnlyWithApStoresNotifiesAndPressesTheButton) {
  EXPECT_EQ(WalkToFinish(L"/w:2 /ap"), 0u);
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kButton3, L"Execute"), L"K");
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kButton3, L"AP1"), L"CTRL+C");
  WaitForLog(log_, L"1332");
  EXPECT_TRUE(HasSequence(ReadHandlerLog(log_), {{L"Varden Hovl MainWnd Class", kMsgSettingsChanged, 1, 0, false},
                                                 {L"VARDENZEBCLASS", kMsgSettingsChanged, 1, 0, true},
                                                 {L"VARDENZEBCLASS", kMsgLaunchButton, 0x6A, 1, false}}));
}

TEST_F(WizardRunTest, WizardOnlyWithoutApPressesNothing) {
  EXPECT_EQ(WalkToFinish(L"/w:2"), 0u);
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kButton3, L"Execute"), L"K");
  WaitForLog(log_, L"VARDENZEBCLASS\t1336");
  Sleep(300);
  for (const HandlerMessage& m : ReadHandlerLog(log_)) EXPECT_NE(m.message, kMsgLaunchButton);
}

TEST_F(WizardRunTest, CancelSavesNothing) {
  Started pantik = Start(BinDir() + L"Pantik.exe", L"/w:2 /ap");
  HWND sheet = WizardOf(pantik.pid);
  ASSERT_NE(sheet, nullptr);
  PressSheetButton(sheet, PSBTN_NEXT);
  PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  // The question is the process's other dialog; Yes leaves.
  HWND box = nullptr;
  for (int i = 0; i < 200 && box == nullptr; ++i, Sleep(50))
    for (HWND w : TopLevelWindows(L"#32770", pantik.pid, true))
      if (w != sheet) box = w;
  ASSERT_NE(box, nullptr);
  PostMessageW(box, WM_COMMAND, IDYES, 0);
  EXPECT_EQ(WaitExit(pantik), 0u);
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kButton3, L"Execute"), L"(missing)");
  Sleep(300);
  for (const HandlerMessage& m : ReadHandlerLog(log_)) EXPECT_NE(m.message, kMsgSettingsChanged) << "nothing to reload";
}

// The main window's hand-over with an edit not saved: Cancel stays and starts nothing; Yes saves, then the
// maker's program starts and the process ends; No ends without saving.
class HandOverTest : public testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof icc, 0xFF};
    InitCommonControlsEx(&icc);
    (void)RegisterMainWindowClass(GetModuleHandleW(nullptr));
    ClearStore();
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBPAD", 3);
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"GLIMSET", 0x2);
    CreateDirectoryW(setup_.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW((BinDir() + L"probe.exe").c_str(), (setup_ + L"\\登録してください.exe").c_str(), FALSE));
    DeleteFileW((setup_ + L"\\probe.log").c_str());
    SetEnvironmentVariableW(L"TAPSTART_PROBE_LOG", nullptr);
  }
  void TearDown() override {
    main.reset();
    app.reset();
    Pump();
    RemoveTree(setup_);
    ClearStore();
  }
  // The main window in the Japanese interface, with desktop button 1's name edited and not saved.
  void OpenWithEdit(int reply) {
    app = std::make_unique<CStdModule>(GetModuleHandleW(nullptr));
    main = std::make_unique<CfrmMain>(app->Values);
    main->Arguments = {u"/k"};
    main->Ask = [this, reply](HWND, const std::wstring& text, const std::wstring&, UINT) {
      asked.push_back(text);
      return reply;
    };
    ASSERT_TRUE(main->CreateModeless(nullptr, LoadStr(IDS_UI_FACE)));
    Pump();
    app->Values.UiLanguage = 1041;
    main->Model().live.buttons[0].name = u"Edited";
  }
  std::wstring StartedLog() const { return ReadFileUtf8(setup_ + L"\\probe.log"); }

  const std::wstring setup_ = BinDir() + L"SETMAIL";
  std::unique_ptr<CStdModule> app;
  std::unique_ptr<CfrmMain> main;
  std::vector<std::wstring> asked;
};

TEST_F(HandOverTest, CancelKeepsTheEditAndHandsNothingOver) {
  OpenWithEdit(IDCANCEL);
  Press(main->DesktopPage()->Hwnd(), main->DesktopPage()->Ids().buttons[1]);
  EXPECT_EQ(asked, std::vector<std::wstring>{LoadStr(IDS_SAVE_QUESTION)});
  EXPECT_EQ(main->Model().live.buttons[0].name, u"Edited");
  Sleep(300);
  EXPECT_EQ(StartedLog(), L"") << "nothing was started";
}

TEST_F(HandOverTest, YesSavesBeforeTheProcessEnds) {
  EXPECT_EXIT(
      {
        OpenWithEdit(IDYES);
        Press(main->DesktopPage()->Hwnd(), main->DesktopPage()->Ids().buttons[1]);
      },
      testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, std::wstring(kProduct) + L"\\Setting\\Set1\\AppKey1", L"DispTitle"),
            L"Edited");
  std::wstring line;
  for (int i = 0; i < 100 && line.empty(); ++i, Sleep(100)) line = StartedLog();
  EXPECT_NE(line.find(L"/AppKey2 /PANTIK"), std::wstring::npos);
}

TEST_F(HandOverTest, NoEndsWithoutSaving) {
  EXPECT_EXIT(
      {
        OpenWithEdit(IDNO);
        Press(main->DesktopPage()->Hwnd(), main->DesktopPage()->Ids().buttons[1]);
      },
      testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, std::wstring(kProduct) + L"\\Setting\\Set1\\AppKey1", L"DispTitle"),
            L"(missing)");
}

}  // namespace
}  // namespace tapstart::test
