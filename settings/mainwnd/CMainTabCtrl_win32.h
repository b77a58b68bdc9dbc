// The main dialog's tab control (1043): owns the three pages and shows the selected one in the display area.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "res/resource.h"
#include "ui/Dialog_win32.h"

namespace tapstart {

// Sent by the main window to a page it has just shown (WM_USER + 0x64): the page's next paint places the focus.
inline constexpr UINT kMsgPageShown = WM_USER + 0x64;

class CMainTabCtrl {
 public:
  // Makes the page object of page kind 0 (desktop buttons), 1 (notebook buttons) or 2 (on-screen display)
  // from its template id; the main window keeps typed pointers to what it returns.
  using PageFactory = std::function<std::unique_ptr<Dialog>(int page, UINT templateId)>;
  static constexpr int kPages = 3;

  CMainTabCtrl() = default;
  CMainTabCtrl(const CMainTabCtrl&) = delete;
  CMainTabCtrl& operator=(const CMainTabCtrl&) = delete;
  // Deletes the three page objects, which destroy their windows.
  ~CMainTabCtrl() = default;

  // Borrows the tab control of the main dialog.
  void Attach(HWND tab) { tab_ = tab; }
  HWND Hwnd() const { return tab_; }
  // Template ids of the desktop, notebook and on-screen pages; the program's own unless set.
  void SetTemplateIds(UINT desktop, UINT notebook, UINT onScreen) { templateIds_ = {desktop, notebook, onScreen}; }

  // Called once: inserts three tabs with empty text and makes the three page objects. A page's window is made
  // when it is first shown or asked for (MakePage): under Wine each page costs as much as the rest of the
  // window's start, and the user first sees one. False when a page object could not be made (its tab then shows
  // nothing), or when called again.
  [[nodiscard]] bool CreatePages(const PageFactory& factory, const std::wstring& face);
  // Told of each page window just made (page kind), before it is shown: the main window fills it.
  void OnPageMade(std::function<void(int page)> made) { pageMade_ = std::move(made); }
  // Makes the window of page kind 0, 1 or 2 as a modeless child dialog of the tab control's parent with the UI
  // face at 9 points, hidden in the display area; true when it has a window (made now or before).
  bool MakePage(int page);
  // Makes the window of the first listed page that has none yet; false when every listed page has one.
  bool MakeWaitingPage();

  // Moves every listed page to the display area at the top of the z-order, hidden, then shows the selected
  // one, made first when it has no window yet. A selection outside the list (none: -1) leaves every page as it is.
  void ShowCurrentPage();
  // Moves every listed page to the display area as it is now (after a change of scale), shown or hidden as it is.
  void PlacePages() const;
  // TCN_SELCHANGE of the tab control, as the main window receives it in WM_NOTIFY: shows the selected page
  // and gives the focus to the tab control; the notification's result is 0.
  LRESULT OnSelChange();
  // For the main window's OnNotify: handles TCN_SELCHANGE of this tab control; false for anything else.
  bool OnNotify(const NMHDR& header, LRESULT& result);

  // Deletes tab item index and drops its page from the list; the other pages keep their tab order. The page
  // object lives on (hidden) until this control is destroyed. False for an index outside the list.
  bool RemovePage(int index);

  // Pages in tab order: count and page at a tab index (null outside the list, or for a page not made).
  int PageCount() const { return static_cast<int>(pageTable_.size()); }
  Dialog* TabPage(int index) const;
  // A page by kind (0 desktop, 1 notebook, 2 on-screen), listed or removed; null before CreatePages. Its window
  // may not be made yet.
  Dialog* Page(int page) const;

 private:
  // The tab control's display area in its parent's coordinates.
  RECT PageArea() const;
  // The kind of a page object (0 to 2), or -1 for none of this control's.
  int KindOf(const Dialog* page) const;
  HWND tab_ = nullptr;
  std::array<UINT, kPages> templateIds_ = {IDD_DT_TAB, IDD_NT_TAB, IDD_OSD_TAB};
  std::array<std::unique_ptr<Dialog>, kPages> pages_;
  std::vector<Dialog*> pageTable_;
  std::wstring face_;
  std::function<void(int page)> pageMade_;
};

}  // namespace tapstart
