// The test host of the on-screen page: an in-memory main dialog with a tab control, OK, and the page.
#include "OsdHost_win32.h"

#include <commctrl.h>

#include "Driver_win32.h"
#include "mainwnd/CMainTabCtrl_win32.h"
#include "res/resource.h"
#include "ui/Resources_win32.h"
#include "ui/Text_win32.h"

namespace tapstart::test {
namespace {

// A dialog template of the main dialog's size, in the UI face at 9 points as the main window runs it, without
// controls: they are added as windows.
std::vector<WORD> MainTemplate(const std::wstring& face) {
  std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
  auto* d = reinterpret_cast<DLGTEMPLATE*>(t.data());
  d->style = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  d->cdit = 0;
  d->cx = 414;
  d->cy = 292;
  t.push_back(0);  // no menu
  t.push_back(0);  // the dialog class
  for (wchar_t c : std::wstring(L"On-screen page host")) t.push_back(c);
  t.push_back(0);
  t.push_back(9);
  for (wchar_t c : face) t.push_back(c);
  t.push_back(0);
  return t;
}

}  // namespace

void FakeMain::RestoreDefaults(PageIndex pageIndex) {
  calls.push_back("RestoreDefaults " + std::to_string(pageIndex));
  if (pageIndex != kOnScreenPage) return;
  live = defaults;
  if (page != nullptr) page->ShowSettings();
}

void FakeMain::ShowTab(int index) {
  if (host == nullptr || TabControl(host->Tab()).Selected() == index) return;
  ++host->tabChanges;
  TabControl(host->Tab()).Select(index);
}

void FakeMain::FocusTabControl() {
  if (host != nullptr) SetFocus(host->Tab());
}

void FakeMain::TakeDefaultLookFromOk() {
  if (host != nullptr) Button(host->Ok()).SetDefaultLook(false);
}

OsdHost::OsdHost(HostLanguage language) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  const HINSTANCE inst = GetModuleHandleW(nullptr);
  const WORD lang = language.lang;
  const std::wstring face = lang != 0 ? StringIn(lang, IDS_UI_FACE) : LoadStr(IDS_UI_FACE);
  const std::vector<WORD> t = MainTemplate(face);
  main_ = CreateDialogIndirectParamW(inst, reinterpret_cast<LPCDLGTEMPLATEW>(t.data()), nullptr, Proc,
                                     reinterpret_cast<LPARAM>(this));

  RECT tabRect{7, 7, 407, 261};
  MapDialogRect(main_, &tabRect);
  HWND tab = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, tabRect.left,
                             tabRect.top, tabRect.right - tabRect.left, tabRect.bottom - tabRect.top, main_,
                             reinterpret_cast<HMENU>(IDC_MAIN_TAB), inst, nullptr);
  for (int i = 0; i < 3; ++i) {
    std::wstring text = i < 2 ? L"Button Settings" : L"On-Screen Settings";
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(tab, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(tab, TCM_SETCURSEL, 2, 0);
  RECT okRect{191, 269, 241, 285};
  MapDialogRect(main_, &okRect);
  CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, okRect.left, okRect.top,
                  okRect.right - okRect.left, okRect.bottom - okRect.top, main_, reinterpret_cast<HMENU>(IDC_MAIN_OK),
                  inst, nullptr);

  page.CreateModeless(main_, face, 9);
  fake.page = &page;
  fake.host = this;
  RECT area = tabRect;
  SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  SetWindowPos(page.Hwnd(), HWND_TOP, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);

  page.SetCaptions();
  if (lang != 0) {
    const std::pair<int, UINT> captions[] = {
        {IDC_OSD_DEFAULT, IDS_DEFAULT},          {IDC_OSD_DISPLAY, IDS_OSD_DISPLAY},
        {IDC_OSD_FONT_LABEL, IDS_OSD_FONT},      {IDC_OSD_SIZE_LABEL, IDS_OSD_SIZE},
        {IDC_OSD_COLOR_LABEL, IDS_OSD_COLOR},    {IDC_OSD_SELECT, IDS_OSD_SELECT},
        {IDC_OSD_PREVIEW_LABEL, IDS_OSD_PREVIEW}};
    for (const auto& [id, text] : captions) SetDlgItemTextW(page.Hwnd(), id, StringIn(lang, text).c_str());
  }
  uiFont_ = MakeFont(face, lang != 0 ? IntIn(lang, IDR_HEIGHT_UI, 14) : LoadRcInt(IDR_HEIGHT_UI, 14));
  largeFont_ = MakeFont(face, lang != 0 ? IntIn(lang, IDR_HEIGHT_LARGE, 16) : LoadRcInt(IDR_HEIGHT_LARGE, 16));
  page.ApplyFonts(uiFont_.Get(), largeFont_.Get());
  page.FillFontList();
  page.ShowSettings();

  ShowWindow(main_, SW_SHOW);
  SetForegroundWindow(main_);
  Pump();
}

OsdHost::~OsdHost() {
  fake.page = nullptr;
  fake.host = nullptr;
  if (main_ != nullptr) DestroyWindow(main_);
}

void OsdHost::Pump() const { test::Pump(main_); }

void OsdHost::ShowPage() const {
  SendMessageW(page.Hwnd(), kMsgPageShown, 0, 0);
  RedrawWindow(page.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

INT_PTR CALLBACK OsdHost::Proc(HWND hwnd, UINT msg, WPARAM, LPARAM l) {
  if (msg == WM_INITDIALOG) {
    SetWindowLongPtrW(hwnd, DWLP_USER, l);
    return TRUE;
  }
  auto* self = reinterpret_cast<OsdHost*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (self == nullptr) return FALSE;
  // The host stays open whatever key reaches it.
  if (msg == WM_COMMAND) return TRUE;
  return FALSE;
}

std::wstring StringIn(WORD lang, UINT id) {
  const HMODULE m = GetModuleHandleW(nullptr);
  HRSRC r = FindResourceExW(m, RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), lang);
  if (r == nullptr) return {};
  const auto* p = static_cast<const WCHAR*>(LockResource(LoadResource(m, r)));
  const WCHAR* end = p + SizeofResource(m, r) / sizeof(WCHAR);
  for (UINT i = 0; i < id % 16; ++i) {
    if (p >= end) return {};
    p += 1 + *p;
  }
  if (p >= end || p + 1 + *p > end) return {};
  return std::wstring(p + 1, *p);
}

int IntIn(WORD lang, UINT id, int fallback) {
  const HMODULE m = GetModuleHandleW(nullptr);
  HRSRC r = FindResourceExW(m, RT_RCDATA, MAKEINTRESOURCEW(id), lang);
  if (r == nullptr || SizeofResource(m, r) < 4) return fallback;
  return *static_cast<const int*>(LockResource(LoadResource(m, r)));
}

WorkAreaBottom::WorkAreaBottom(int bottom) {
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &saved_, 0)) return;
  RECT area = saved_;
  area.bottom = bottom;
  applied_ = SystemParametersInfoW(SPI_SETWORKAREA, 0, &area, 0) != FALSE;
}

WorkAreaBottom::~WorkAreaBottom() {
  if (applied_) SystemParametersInfoW(SPI_SETWORKAREA, 0, &saved_, 0);
}

}  // namespace tapstart::test
