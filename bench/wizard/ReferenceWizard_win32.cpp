// The floor of the wizard's start: a wizard-mode property sheet of the seven page templates, every page made
// with the sheet, opened on the launch-method page as a wizard-only run is, with no code behind the pages.
// The pages after the first join with PSM_ADDPAGE while the sheet is still hidden: a sheet makes the windows of
// PSP_PREMATURE pages given in its header only on some systems (not under Wine), but always for pages added so.
#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <cstring>

#include "res/resource.h"

namespace {

INT_PTR CALLBACK Empty(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

// The sheet is made hidden and shown once every page is there.
int CALLBACK Hidden(HWND, UINT msg, LPARAM l) {
  if (msg != PSCB_PRECREATE || l == 0) return 0;
  auto* bytes = reinterpret_cast<BYTE*>(l);
  WORD signature = 0;
  std::memcpy(&signature, bytes + 2, sizeof signature);
  BYTE* const styleAt = signature == 0xFFFF ? bytes + 12 : bytes;
  DWORD style = 0;
  std::memcpy(&style, styleAt, sizeof style);
  style &= ~static_cast<DWORD>(WS_VISIBLE);
  std::memcpy(styleAt, &style, sizeof style);
  return 0;
}

HPROPSHEETPAGE Page(HINSTANCE instance, UINT id, DWORD flags) {
  PROPSHEETPAGEW page{};
  page.dwSize = sizeof page;
  page.dwFlags = flags;
  page.hInstance = instance;
  page.pszTemplate = MAKEINTRESOURCEW(id);
  page.pfnDlgProc = Empty;
  return CreatePropertySheetPageW(&page);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, 0xFF};
  InitCommonControlsEx(&icc);
  const UINT templates[] = {IDD_WIZ_BUTTON, IDD_WIZ_METHOD, IDD_WIZ_SOURCE, IDD_WIZ_PROGRAM,
                            IDD_WIZ_FINISH, IDD_WIZ_NAME,   IDD_WIZ_SOME};
  HPROPSHEETPAGE first = Page(instance, templates[0], 0);
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_WIZARD | PSH_MODELESS | PSH_USECALLBACK;
  header.hInstance = instance;
  header.pszCaption = L"Wizard";
  header.nPages = 1;
  header.phpage = &first;
  header.pfnCallback = Hidden;
  const auto sheet = reinterpret_cast<HWND>(PropertySheetW(&header));
  if (sheet == nullptr || sheet == reinterpret_cast<HWND>(-1)) return 1;
  for (int i = 1; i < 7; ++i) PropSheet_AddPage(sheet, Page(instance, templates[i], PSP_PREMATURE));
  PropSheet_SetCurSel(sheet, nullptr, 1);
  ShowWindow(sheet, SW_SHOW);
  MSG msg{};
  while (PropSheet_GetCurrentPageHwnd(sheet) != nullptr && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (PropSheet_IsDialogMessage(sheet, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  DestroyWindow(sheet);
  return 0;
}
