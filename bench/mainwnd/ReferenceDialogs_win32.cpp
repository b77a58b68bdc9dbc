// The floor of the main window's start: the main dialog template and its three page templates shown with no
// code behind them (same class, same resources, same common controls).
#include <windows.h>

#include <commctrl.h>

#include <initializer_list>

#include "res/resource.h"

namespace {

INT_PTR CALLBACK Empty(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

INT_PTR CALLBACK Main(HWND hwnd, UINT msg, WPARAM w, LPARAM) {
  if (msg == WM_INITDIALOG) {
    for (UINT id : {IDD_DT_TAB, IDD_NT_TAB, IDD_OSD_TAB}) {
      HWND page = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), hwnd, Empty, 0);
      if (id == IDD_DT_TAB) ShowWindow(page, SW_SHOW);
    }
    return TRUE;
  }
  if (msg == WM_COMMAND && (LOWORD(w) == IDCANCEL || LOWORD(w) == IDOK)) {
    EndDialog(hwnd, 0);
    return TRUE;
  }
  if (msg == WM_CLOSE) {
    EndDialog(hwnd, 0);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  GetClassInfoExW(nullptr, L"#32770", &wc);
  wc.hInstance = instance;
  wc.lpszClassName = L"ThunderRT6FormDC";
  RegisterClassExW(&wc);
  INITCOMMONCONTROLSEX icc{8, 0xFF};
  InitCommonControlsEx(&icc);
  DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, Main, 0);
  return 0;
}
