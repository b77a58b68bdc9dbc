// A source list: drags of the selected line, the Send menu on a right click and on the Apps key.
#include "CDDListBox_win32.h"

#include <commctrl.h>

#include "ui/Controls_win32.h"
#include "ui/DragDrop_win32.h"

namespace tapstart {
namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

CDDListBox::~CDDListBox() {
  if (list_ != nullptr) RemoveWindowSubclass(list_, Subclass, kSubclassId);
}

bool CDDListBox::Attach(HWND list, ListOwner* owner) {
  if (list == nullptr) return false;
  list_ = list;
  owner_ = owner;
  return SetWindowSubclass(list_, Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

// The press has selected a line; a drag of it begins once the mouse leaves the system's drag rectangle.
void CDDListBox::OnLeftButton(LPARAM at) {
  const int line = View().Selected();
  if (line < 0) return;
  POINT screen{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
  ClientToScreen(list_, &screen);
  if (!WaitForDragStart(list_, DragRectAround(screen))) return;
  const std::optional<std::wstring> text = owner_->ListDragBegins(kind_, line);
  if (!text) return;
  DragText(*text);
  owner_->ListDragEnded(kind_);
}

void CDDListBox::OnRightButton() {
  if (View().Count() > 0) owner_->ListSendMenu(kind_, CursorAt());
}

void CDDListBox::OnAppsKey() {
  if (View().Count() <= 0) return;
  POINT at = CursorAt();
  RECT line{};
  if (View().ItemRect(View().Selected(), line)) {
    at = {(line.left + line.right) / 2, (line.top + line.bottom) / 2};
    ClientToScreen(list_, &at);
  }
  owner_->ListSendMenu(kind_, at);
}

// The control's own handling runs first for the mouse and the keys, as it selects the line they act on; its
// context-menu message would only reach the host, which has no use for it.
LRESULT CALLBACK CDDListBox::Subclass(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<CDDListBox*>(data);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, Subclass, kSubclassId);
    self->list_ = nullptr;
    return DefSubclassProc(hwnd, msg, w, l);
  }
  if (self->owner_ == nullptr) return DefSubclassProc(hwnd, msg, w, l);
  switch (msg) {
    case WM_LBUTTONDOWN: {
      const LRESULT r = DefSubclassProc(hwnd, msg, w, l);
      self->OnLeftButton(l);
      return r;
    }
    case WM_RBUTTONDOWN: {
      const LRESULT r = DefSubclassProc(hwnd, msg, w, l);
      self->OnRightButton();
      return r;
    }
    case WM_KEYDOWN: {
      const LRESULT r = DefSubclassProc(hwnd, msg, w, l);
      if (w == VK_APPS) self->OnAppsKey();
      return r;
    }
    case WM_CONTEXTMENU:
      return 0;
    default:
      return DefSubclassProc(hwnd, msg, w, l);
  }
}

}  // namespace tapstart
