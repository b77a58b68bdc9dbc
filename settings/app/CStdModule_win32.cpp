// Start-up of Pantik: window class, common controls, OLE, then the main dialog run modally.
#include "CStdModule_win32.h"

#include <commctrl.h>

#include "mainwnd/CfrmMain_win32.h"
#include "res/resource.h"
#include "ui/DragDrop_win32.h"
#include "ui/Resources_win32.h"
#include "ui/Text_win32.h"

namespace tapstart {

bool RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  // The dialog class is the system's own; asked for with this instance the system still finds it. Should it
  // not, the system's instance is asked, since a class with no window procedure could not be registered.
  if (!GetClassInfoExW(instance, L"#32770", &wc)) {
    (void)GetLastError();  // dropped on purpose
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(nullptr, L"#32770", &wc)) return false;
  }
  wc.cbSize = sizeof wc;
  wc.hInstance = instance;
  wc.lpszClassName = kMainWindowClass;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

BOOL CStdModule::InitInstance() {
  // Without the class the dialog cannot be created either, and the run ends there quietly.
  (void)RegisterMainWindowClass(instance_);

  INITCOMMONCONTROLSEX icc{8, 0xFF};  // all classes of the first common-controls generation
  InitCommonControlsEx(&icc);

  // The profile file's name is a resource of its own; a build without it keeps the usual name.
  const std::wstring profileFile = LoadStr(IDS_PROFILE_FILE);
  if (!profileFile.empty()) Values.Store.profileFile = Utf16(profileFile);

  CfrmMain main(Values);
  Values.UiLanguage = GetSystemDefaultUILanguage();
  main.Run();
  StopOle();  // started by the first window that offered or took a drag
  return TRUE;
}

}  // namespace tapstart
