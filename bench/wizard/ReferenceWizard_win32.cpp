// The floor of the wizard's start: a wizard-mode property sheet of the seven page templates, every page made
// with the sheet, opened on the launch-method page as a wizard-only run is, with no code behind the pages.
#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include "res/resource.h"

namespace {

INT_PTR CALLBACK Empty(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, 0xFF};
  InitCommonControlsEx(&icc);
  const UINT templates[] = {IDD_WIZ_BUTTON, IDD_WIZ_METHOD, IDD_WIZ_SOURCE, IDD_WIZ_PROGRAM,
                            IDD_WIZ_FINISH, IDD_WIZ_NAME,   IDD_WIZ_SOME};
  PROPSHEETPAGEW pages[7]{};
  for (int i = 0; i < 7; ++i) {
    pages[i].dwSize = sizeof pages[i];
    pages[i].dwFlags = PSP_PREMATURE;
    pages[i].hInstance = instance;
    pages[i].pszTemplate = MAKEINTRESOURCEW(templates[i]);
    pages[i].pfnDlgProc = Empty;
  }
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_WIZARD | PSH_PROPSHEETPAGE;
  header.hInstance = instance;
  header.pszCaption = L"Wizard";
  header.nPages = 7;
  header.nStartPage = 1;
  header.ppsp = pages;
  PropertySheetW(&header);
  return 0;
}
