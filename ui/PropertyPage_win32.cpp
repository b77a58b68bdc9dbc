// The property page base: the page's object rides on its PROPSHEETPAGE, which WM_INITDIALOG hands over.
#include "PropertyPage_win32.h"

#include "Resources_win32.h"

namespace tapstart {

PROPSHEETPAGEW PropertyPage::Describe(const std::wstring& face, WORD points, DWORD flags) {
  PROPSHEETPAGEW page{};
  page.dwSize = sizeof page;
  page.hInstance = GetModuleHandleW(nullptr);
  page.pfnDlgProc = PageProc;
  page.lParam = reinterpret_cast<LPARAM>(this);
  page.dwFlags = flags;
  template_ = face.empty() ? std::vector<BYTE>() : TemplateWithFont(TemplateId(), face, points);
  if (template_.empty()) {
    page.pszTemplate = MAKEINTRESOURCEW(TemplateId());
  } else {
    page.dwFlags |= PSP_DLGINDIRECT;
    page.pResource = reinterpret_cast<LPCDLGTEMPLATEW>(template_.data());
  }
  return page;
}

INT_PTR CALLBACK PropertyPage::PageProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
  // The sheet passes its copy of the PROPSHEETPAGE; the dialog base expects the object itself.
  if (msg == WM_INITDIALOG) {
    const auto* page = reinterpret_cast<const PROPSHEETPAGEW*>(l);
    return Proc(hwnd, msg, w, page != nullptr ? page->lParam : 0);
  }
  return Proc(hwnd, msg, w, l);
}

bool PropertyPage::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->code == static_cast<UINT>(PSN_SETACTIVE)) {
    OnSetActive();
    result = 0;
    return true;
  }
  return OnPageNotify(header, result);
}

}  // namespace tapstart
