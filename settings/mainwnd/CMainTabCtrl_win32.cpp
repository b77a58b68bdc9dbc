// The main dialog's tab control and its three pages.
#include "CMainTabCtrl_win32.h"

#include <commctrl.h>

#include "ui/Controls_win32.h"

namespace tapstart {

bool CMainTabCtrl::CreatePages(const PageFactory& factory, const std::wstring& face) {
  if (tab_ == nullptr || !pageTable_.empty()) return false;
  face_ = face;
  bool complete = true;
  for (int i = 0; i < kPages; ++i)
    if (!TabControl(tab_).Insert(i, L"")) complete = false;
  // The table stays aligned with the tabs: a page that could not be made is a null entry.
  for (int i = 0; i < kPages; ++i) {
    pages_[i] = factory ? factory(i, templateIds_[i]) : nullptr;
    if (!pages_[i]) complete = false;
    pageTable_.push_back(pages_[i].get());
  }
  return complete;
}

bool CMainTabCtrl::MakePage(int page) {
  Dialog* made = Page(page);
  if (made == nullptr || tab_ == nullptr) return false;
  if (made->Hwnd() != nullptr) return true;
  if (!made->CreateModeless(GetParent(tab_), face_, 9)) return false;
  const RECT area = PageArea();
  SetWindowPos(made->Hwnd(), HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
               SWP_HIDEWINDOW | SWP_NOACTIVATE);
  if (pageMade_) pageMade_(page);
  return true;
}

bool CMainTabCtrl::MakeWaitingPage() {
  for (Dialog* page : pageTable_)
    if (page != nullptr && page->Hwnd() == nullptr && MakePage(KindOf(page))) return true;
  return false;
}

int CMainTabCtrl::KindOf(const Dialog* page) const {
  for (int kind = 0; kind < kPages; ++kind)
    if (page != nullptr && pages_[static_cast<size_t>(kind)].get() == page) return kind;
  return -1;
}

void CMainTabCtrl::ShowCurrentPage() {
  if (tab_ == nullptr) return;
  const int selected = TabControl(tab_).Selected();
  if (selected < 0 || selected >= PageCount()) return;
  Dialog* selectedPage = pageTable_[static_cast<size_t>(selected)];
  (void)MakePage(KindOf(selectedPage));  // a page that cannot be made leaves its tab empty
  HWND shown = selectedPage != nullptr ? selectedPage->Hwnd() : nullptr;
  if (shown != nullptr) ShowWindow(shown, SW_HIDE);

  const RECT area = PageArea();
  const int w = area.right - area.left;
  const int h = area.bottom - area.top;

  for (Dialog* page : pageTable_) {
    if (page != nullptr && page->Hwnd() != nullptr)
      SetWindowPos(page->Hwnd(), HWND_TOP, area.left, area.top, w, h, SWP_HIDEWINDOW);
  }
  if (shown != nullptr) {
    SetWindowPos(shown, HWND_TOP, area.left, area.top, w, h, SWP_SHOWWINDOW);
    ShowWindow(shown, SW_SHOWNORMAL);
  }
}

RECT CMainTabCtrl::PageArea() const {
  RECT area = TabControl(tab_).DisplayArea();
  const RECT place = ChildRect(GetParent(tab_), tab_);
  OffsetRect(&area, place.left, place.top);
  return area;
}

void CMainTabCtrl::PlacePages() const {
  if (tab_ == nullptr) return;
  const RECT area = PageArea();
  for (Dialog* page : pageTable_)
    if (page != nullptr && page->Hwnd() != nullptr)
      SetWindowPos(page->Hwnd(), nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CMainTabCtrl::OnSelChange() {
  ShowCurrentPage();
  if (tab_ != nullptr) SetFocus(tab_);
  return 0;
}

bool CMainTabCtrl::OnNotify(const NMHDR& header, LRESULT& result) {
  if (tab_ == nullptr || header.hwndFrom != tab_ || header.code != static_cast<UINT>(TCN_SELCHANGE)) return false;
  result = OnSelChange();
  return true;
}

bool CMainTabCtrl::RemovePage(int index) {
  if (index < 0 || index >= PageCount()) return false;
  Dialog* page = pageTable_[static_cast<size_t>(index)];
  if (page != nullptr && page->Hwnd() != nullptr) ShowWindow(page->Hwnd(), SW_HIDE);
  if (tab_ != nullptr) TabControl(tab_).Delete(index);
  pageTable_.erase(pageTable_.begin() + index);
  return true;
}

Dialog* CMainTabCtrl::TabPage(int index) const {
  return index >= 0 && index < PageCount() ? pageTable_[static_cast<size_t>(index)] : nullptr;
}

Dialog* CMainTabCtrl::Page(int page) const {
  return page >= 0 && page < kPages ? pages_[static_cast<size_t>(page)].get() : nullptr;
}

}  // namespace tapstart
