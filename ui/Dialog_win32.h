// A dialog from a resource template with virtual handlers; modal, or modeless for pages and tests.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/Controls_win32.h"
#include "ui/Dpi_win32.h"

namespace tapstart {

// Borrows a window; never destroys it.
class Window {
 public:
  Window() = default;
  explicit Window(HWND hwnd) : hwnd_(hwnd) {}
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window() = default;

  HWND Hwnd() const { return hwnd_; }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  std::wstring ItemText(int id) const;
  void SetItemText(int id, const std::wstring& text) const { SetDlgItemTextW(hwnd_, id, text.c_str()); }
  void ShowItem(int id, bool show) const { ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE); }
  void EnableItem(int id, bool enable) const { EnableWindow(Item(id), enable ? TRUE : FALSE); }
  LRESULT SendItem(int id, UINT msg, WPARAM w = 0, LPARAM l = 0) const {
    return SendDlgItemMessageW(hwnd_, id, msg, w, l);
  }
  // Typed views of the dialog's controls.
  Button ButtonItem(int id) const { return Button(Item(id)); }
  ComboBox ComboItem(int id) const { return ComboBox(Item(id)); }
  ListBox ListItem(int id) const { return ListBox(Item(id)); }
  TabControl TabItem(int id) const { return TabControl(Item(id)); }
  TreeView TreeItem(int id) const { return TreeView(Item(id)); }
  // Moves the focus to a control as the dialog manager does (the default-button look follows).
  void FocusItem(int id) const;
  // The window's large icon from the program's icon resources.
  void SetBigIcon(UINT iconId) const;

 protected:
  HWND hwnd_ = nullptr;
};

class Dialog : public Window {
 public:
  explicit Dialog(UINT templateId) : templateId_(templateId) {}
  ~Dialog() override;

  // Runs the dialog modally; with a face, the template's font becomes that face at the point size.
  INT_PTR RunModal(HWND owner, const std::wstring& face = {}, WORD points = 9);
  // Creates the dialog modeless (a tab page, or a dialog that a test drives).
  bool CreateModeless(HWND parent, const std::wstring& face = {}, WORD points = 9);
  // Creates the dialog hidden over its owner, made ready before it is asked for; RunShown shows it modally.
  bool CreateHidden(HWND owner, const std::wstring& face, WORD points = 9);
  // Shows a dialog made by CreateHidden and runs it modally over its owner, as a modal dialog runs: the owner
  // is disabled, the dialog's keys are the dialog manager's, and End closes it. Returns End's result.
  INT_PTR RunShown();
  // Ends a modal dialog, or destroys a modeless one.
  void End(INT_PTR result);
  bool IsModal() const { return modal_; }
  UINT TemplateId() const { return templateId_; }
  // The DPI the dialog is drawn at, and a length given at 96 DPI at that scale.
  int Dpi() const { return dpi_; }
  int Scaled(int length96) const { return ScaleToDpi(length96, dpi_); }

 protected:
  virtual BOOL OnInitDialog() { return TRUE; }
  // Every WM_COMMAND first; true when handled. What it leaves goes to the handlers below.
  virtual bool OnCommand(int id, int code, HWND control) {
    (void)id, (void)code, (void)control;
    return false;
  }
  // A click (BN_CLICKED, or a menu item) of any control but IDOK and IDCANCEL; true when handled.
  virtual bool OnButtonClicked(int id) {
    (void)id;
    return false;
  }
  // Enter (IDOK) and Esc or the close box (IDCANCEL): a modal dialog ends with that id, a modeless one does nothing.
  virtual void OnOK() {
    if (modal_) End(IDOK);
  }
  virtual void OnCancel() {
    if (modal_) End(IDCANCEL);
  }
  virtual bool OnNotify(NMHDR* header, LRESULT& result) {
    (void)header, (void)result;
    return false;
  }
  // Every other message; true when handled, with the dialog procedure's result in result.
  virtual bool OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) {
    (void)msg, (void)w, (void)l, (void)result;
    return false;
  }
  virtual void OnDestroy() {}
  // The dialog now has Dpi(), and its controls were moved and sized in proportion: fonts and lengths the
  // dialog set itself are made again for the new scale. A page hears it after its dialog.
  virtual void OnDpiChanged() {}
  // The dialog procedure: the object comes from WM_INITDIALOG's parameter (a property page passes its own).
  static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM w, LPARAM l);

 private:
  INT_PTR Dispatch(UINT msg, WPARAM w, LPARAM l);
  bool RouteCommand(int id, int code, HWND control);
  bool Create(HWND parent, const std::wstring& face, WORD points, bool visible);
  UINT templateId_;
  bool modal_ = false;
  // A dialog run by RunShown: its own loop runs until End.
  bool ownLoop_ = false;
  bool ended_ = false;
  INT_PTR result_ = 0;
  int dpi_ = kBaseDpi;

  friend void ApplyDpiChange(HWND window, int toDpi, const RECT* suggested);
};

// A window moved to a monitor of another scale (WM_DPICHANGED, or a sheet that hears it for its pages): the
// window takes the suggested rectangle, its controls and the dialogs within it are scaled in proportion, and
// each of our dialogs among them hears OnDpiChanged, the outer one first.
void ApplyDpiChange(HWND window, int toDpi, const RECT* suggested);

// Shows a message box and returns the button pressed (IDYES, IDOK...): the system's box, or a test's answer.
using MessageBoxFn = std::function<int(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type)>;
int SystemMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type);

// Shows a popup menu at a point of the screen and returns the id of the item chosen, 0 for none: the system's
// menu, or a test's choice.
using MenuFn = std::function<int(HWND owner, HMENU menu, POINT screen)>;
int TrackPopup(HWND owner, HMENU menu, POINT screen);

}  // namespace tapstart
