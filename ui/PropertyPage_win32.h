// A page of a property sheet made from a dialog template: the Dialog's handlers, with the page object taken
// from PROPSHEETPAGE::lParam and the sheet's notifications turned into calls.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "ui/Dialog_win32.h"

namespace tapstart {

class PropertyPage : public Dialog {
 public:
  explicit PropertyPage(UINT templateId) : Dialog(templateId) {}

  // The page as the sheet takes it: the template with its font replaced by face at points, this object as
  // the page's parameter. The template copy stays with the page, which must outlive the sheet's use of it.
  PROPSHEETPAGEW Describe(const std::wstring& face, WORD points, DWORD flags);
  // The sheet window the page sits in.
  HWND Sheet() const { return GetParent(hwnd_); }

 protected:
  // PSN_SETACTIVE: the page is about to be shown.
  virtual void OnSetActive() {}
  // Every other notification from the sheet or a control; true when handled.
  virtual bool OnPageNotify(NMHDR* header, LRESULT& result) {
    (void)header, (void)result;
    return false;
  }
  bool OnNotify(NMHDR* header, LRESULT& result) final;

 private:
  static INT_PTR CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l);
  std::vector<BYTE> template_;
};

}  // namespace tapstart
