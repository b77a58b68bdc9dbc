// The dialog base: one static procedure finds the object from WM_INITDIALOG and routes to virtual handlers.
#include "Dialog_win32.h"

#include <vector>

#include "Resources_win32.h"

namespace tapstart {

namespace {

// Marks the windows of our dialogs, so that a change of scale reaches each of them.
constexpr wchar_t kDialogProp[] = L"TapstartDialog";

BOOL CALLBACK CollectDialog(HWND child, LPARAM l) {
  if (auto* dialog = static_cast<Dialog*>(GetPropW(child, kDialogProp)))
    reinterpret_cast<std::vector<Dialog*>*>(l)->push_back(dialog);
  return TRUE;
}

}  // namespace

std::wstring Window::ItemText(int id) const {
  HWND item = Item(id);
  const int n = item != nullptr ? GetWindowTextLengthW(item) : 0;
  if (n <= 0) return {};
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  const int got = GetWindowTextW(item, text.data(), n + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

void Window::FocusItem(int id) const {
  if (HWND control = Item(id)) SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void Window::SetBigIcon(UINT iconId) const {
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId))));
}

int SystemMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
  return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
}

int TrackPopup(HWND owner, HMENU menu, POINT screen) {
  return static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, screen.x,
                                         screen.y, 0, owner, nullptr));
}

Dialog::~Dialog() {
  if (hwnd_ != nullptr && !modal_) {
    SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    DestroyWindow(hwnd_);
  }
}

INT_PTR Dialog::RunModal(HWND owner, const std::wstring& face, WORD points) {
  modal_ = true;
  const HINSTANCE inst = GetModuleHandleW(nullptr);
  if (!face.empty()) {
    const std::vector<BYTE> t = TemplateWithFont(templateId_, face, points);
    if (!t.empty())
      return DialogBoxIndirectParamW(inst, reinterpret_cast<LPCDLGTEMPLATEW>(t.data()), owner, Proc,
                                     reinterpret_cast<LPARAM>(this));
  }
  return DialogBoxParamW(inst, MAKEINTRESOURCEW(templateId_), owner, Proc, reinterpret_cast<LPARAM>(this));
}

bool Dialog::CreateModeless(HWND parent, const std::wstring& face, WORD points) {
  return Create(parent, face, points, true);
}

bool Dialog::CreateHidden(HWND owner, const std::wstring& face, WORD points) {
  return Create(owner, face, points, false);
}

bool Dialog::Create(HWND parent, const std::wstring& face, WORD points, bool visible) {
  modal_ = false;
  const HINSTANCE inst = GetModuleHandleW(nullptr);
  HWND h = nullptr;
  if (!face.empty()) {
    std::vector<BYTE> t = TemplateWithFont(templateId_, face, points);
    // A dialog made hidden: its template loses WS_VISIBLE.
    if (!visible && t.size() >= 16) AdjustTemplateStyles(t.data(), WS_VISIBLE, 0);
    if (!t.empty())
      h = CreateDialogIndirectParamW(inst, reinterpret_cast<LPCDLGTEMPLATEW>(t.data()), parent, Proc,
                                     reinterpret_cast<LPARAM>(this));
  }
  if (h == nullptr && hwnd_ == nullptr)
    h = CreateDialogParamW(inst, MAKEINTRESOURCEW(templateId_), parent, Proc, reinterpret_cast<LPARAM>(this));
  if (h != nullptr && !visible) ShowWindow(h, SW_HIDE);
  return h != nullptr;
}

INT_PTR Dialog::RunShown() {
  if (hwnd_ == nullptr) return -1;
  modal_ = true;
  ownLoop_ = true;
  ended_ = false;
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  if (owner != nullptr) EnableWindow(owner, FALSE);
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  SetForegroundWindow(hwnd_);
  // The focus the dialog chose while hidden, or its first tab stop.
  HWND focus = GetFocus();
  if (focus == nullptr || (focus != hwnd_ && !IsChild(hwnd_, focus)))
    if (HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE))
      SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
  MSG msg{};
  while (!ended_ && hwnd_ != nullptr) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The process is asked to end: the loop gives way and the request goes on to the outer loop.
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    // Message filters see the dialog's messages as in the system's own dialog loop.
    if (CallMsgFilterW(&msg, MSGF_DIALOGBOX)) continue;
    if (hwnd_ != nullptr && IsDialogMessageW(hwnd_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  // The owner comes back before the dialog goes, so that it is the window activated next.
  if (owner != nullptr) EnableWindow(owner, TRUE);
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  ownLoop_ = false;
  return ended_ ? result_ : IDCANCEL;
}

void Dialog::End(INT_PTR result) {
  if (hwnd_ == nullptr) return;
  if (ownLoop_) {
    result_ = result;
    ended_ = true;
    return;
  }
  if (modal_) {
    EndDialog(hwnd_, result);
  } else {
    DestroyWindow(hwnd_);
  }
}

void ApplyDpiChange(HWND window, int toDpi, const RECT* suggested) {
  std::vector<Dialog*> dialogs;
  if (auto* self = static_cast<Dialog*>(GetPropW(window, kDialogProp))) dialogs.push_back(self);
  EnumChildWindows(window, CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
  const int fromDpi = dialogs.empty() ? WindowDpi(window) : dialogs.front()->dpi_;
  if (toDpi <= 0 || toDpi == fromDpi) return;
  if (suggested != nullptr)
    SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  ScaleDialogLayout(window, fromDpi, toDpi);
  for (Dialog* dialog : dialogs) dialog->dpi_ = toDpi;
  for (Dialog* dialog : dialogs) dialog->OnDpiChanged();
}

INT_PTR CALLBACK Dialog::Proc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
  Dialog* self = nullptr;
  if (msg == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(l);
    SetWindowLongPtrW(hwnd, DWLP_USER, l);
    self->hwnd_ = hwnd;
  } else {
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  }
  if (self == nullptr) return FALSE;
  // No exception may cross into the system's dialog manager.
  try {
    return self->Dispatch(msg, w, l);
  } catch (...) {
    return FALSE;
  }
}

bool Dialog::RouteCommand(int id, int code, HWND control) {
  if (OnCommand(id, code, control)) return true;
  if (code != BN_CLICKED) return false;
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return OnButtonClicked(id);
}

INT_PTR Dialog::Dispatch(UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_INITDIALOG) {
    dpi_ = WindowDpi(hwnd_);
    SetPropW(hwnd_, kDialogProp, this);
  }
  INT_PTR result = 0;
  if (OnMessage(msg, w, l, result)) {
    if (msg != WM_INITDIALOG && msg != WM_CTLCOLORSTATIC && msg != WM_CTLCOLORBTN && msg != WM_CTLCOLORDLG &&
        msg != WM_CTLCOLOREDIT && msg != WM_CTLCOLORLISTBOX)
      SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
    return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC ? result : TRUE;
  }
  switch (msg) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COMMAND:
      return RouteCommand(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l)) ? TRUE : FALSE;
    case WM_NOTIFY: {
      LRESULT r = 0;
      if (OnNotify(reinterpret_cast<NMHDR*>(l), r)) {
        SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, r);
        return TRUE;
      }
      return FALSE;
    }
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
    case WM_DPICHANGED:
      ApplyDpiChange(hwnd_, LOWORD(w), reinterpret_cast<const RECT*>(l));
      return TRUE;
    case WM_NCDESTROY:
      RemovePropW(hwnd_, kDialogProp);
      SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
      hwnd_ = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace tapstart
