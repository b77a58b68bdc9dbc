// The main dialog of Pantik.
#include "CfrmMain_win32.h"

#include <shellapi.h>

#include <vector>

#include "app/CStdModule_win32.h"
#include "res/resource.h"
#include "ui/Resources_win32.h"

namespace tapstart {
namespace {

std::u16string U16(const std::wstring& s) { return std::u16string(s.begin(), s.end()); }

// The arguments after the program's own, as the C runtime splits the command line.
std::vector<std::u16string> ArgumentsAfterProgram() {
  std::vector<std::u16string> args;
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv == nullptr) return args;
  for (int i = 1; i < argc; ++i) args.push_back(U16(argv[i]));
  LocalFree(argv);
  return args;
}

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD n = GetModuleFileNameW(nullptr, path.data(), MAX_PATH);
  path.resize(n < MAX_PATH ? n : MAX_PATH);
  return path;
}

}  // namespace

CfrmMain::CfrmMain(CStdModule& app) : Dialog(IDD_MAIN), app_(app) {}

void CfrmMain::Run() { RunModal(nullptr, LoadStr(IDS_UI_FACE), 9); }

bool CfrmMain::CheckStartup() {
  const StartRequest request = ParseStartSwitch(JoinArguments(ArgumentsAfterProgram()));
  CommandLineText = request.commandLineText;
  app_.Store.useIniFile = ReadUseIniFile(app_.Store);
  const std::u16string keyboard = ReadKeyboardType(app_.Store);
  InitialTab = -1;

  const std::u16string eventName = StartupEventName(U16(ModulePath()));
  app_.StartupEvent.Reset(CreateEventW(nullptr, FALSE, FALSE, std::wstring(eventName.begin(), eventName.end()).c_str()));
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    if (HWND first = FindWindowW(kMainWindowClass, LoadStr(IDS_TITLE).c_str())) {
      HWND popup = GetLastActivePopup(first);
      SetForegroundWindow(popup != nullptr ? popup : first);
    }
    return false;
  }
  if (!HasLaunchButtons(keyboard)) return false;
  if (!request.accepted) return false;
  InitialTab = request.initialTab;
  app_.WizardOnly = request.wizardOnly;
  WizardButton = request.wizardButton;
  PressAfterWizard = request.pressAfterWizard;
  return true;
}

BOOL CfrmMain::OnInitDialog() {
  if (!CheckStartup()) {
    // Ended inside initialisation, the dialog is never shown: the process ends quietly with exit code 0.
    refused_ = true;
    app_.StartupEvent.Reset();
    EndDialog(hwnd_, 0);
    return TRUE;
  }
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAIN))));
  SetWindowTextW(hwnd_, LoadStr(IDS_TITLE).c_str());
  return TRUE;
}

bool CfrmMain::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  if (id == IDC_MAIN_OK) {
    End(IDOK);
    return true;
  }
  return false;
}

void CfrmMain::OnDestroy() { app_.StartupEvent.Reset(); }

}  // namespace tapstart
