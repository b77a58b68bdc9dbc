// A program slot: drops, slot drags, the slot menu, Delete and the caret keys.
#include "CDDEdit_win32.h"

#include <commctrl.h>

#include "ui/Controls_win32.h"

namespace tapstart {
namespace {

constexpr UINT_PTR kSubclassId = 1;

// Keys the edit keeps its own handling for; the dialog manager takes Tab, Esc and Enter before them.
bool IsPassedKey(WPARAM key) {
  return key == VK_TAB || key == VK_END || key == VK_HOME || key == VK_ESCAPE || key == VK_RETURN;
}

// Messages that would change the text: the slot's text is the dialog's to set.
bool IsEditingMessage(UINT msg) {
  return msg == WM_CHAR || msg == WM_IME_CHAR || msg == WM_PASTE || msg == WM_CUT || msg == WM_CLEAR ||
         msg == WM_UNDO || msg == EM_UNDO;
}

}  // namespace

DWORD SlotDropTarget::Accepts(IDataObject* data) {
  return owner_.SlotAccepts(slot_, OffersText(data)) ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
}

void SlotDropTarget::Dropped(IDataObject* data) { owner_.SlotDropped(slot_, DroppedText(data).value_or(L"")); }

CDDEdit::~CDDEdit() { Detach(); }

bool CDDEdit::Attach(HWND edit) {
  if (edit == nullptr) return false;
  edit_ = edit;
  if (!SetWindowSubclass(edit_, Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) return false;
  return target_.Register(edit_);
}

void CDDEdit::Detach() {
  if (edit_ == nullptr) return;
  target_.Revoke();
  RemoveWindowSubclass(edit_, Subclass, kSubclassId);
  edit_ = nullptr;
}

// A slot that the host lets go is dragged once the mouse leaves the slot; the drag carries no data, the host
// knows the slot it came from.
void CDDEdit::OnLeftButton() {
  if (!owner_.SlotDragBegins(slot_)) return;
  RECT client{};
  GetClientRect(edit_, &client);
  MapWindowPoints(edit_, nullptr, reinterpret_cast<POINT*>(&client), 2);
  if (WaitForDragStart(edit_, client)) DragText(std::nullopt);
  owner_.SlotDragEnded();
}

void CDDEdit::OnAppsKey() {
  RECT r{};
  POINT at = CursorAt();
  if (GetWindowRect(edit_, &r)) at = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  owner_.SlotMenu(slot_, at);
}

void CDDEdit::MoveCaret(int by) {
  DWORD start = 0;
  SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  const int length = GetWindowTextLengthW(edit_);
  const int at = std::max(0, std::min(length, static_cast<int>(start) + by));
  SendMessageW(edit_, EM_SETSEL, static_cast<WPARAM>(at), at);
  SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
}

// True when the key was the slot's own; false leaves it to the edit.
bool CDDEdit::OnKey(WPARAM key) {
  switch (key) {
    case VK_DELETE:
      owner_.SlotDeleteKey(slot_);
      return true;
    case VK_APPS:
      OnAppsKey();
      return true;
    case VK_LEFT:
    case VK_UP:
      MoveCaret(-1);
      return true;
    case VK_RIGHT:
    case VK_DOWN:
      MoveCaret(1);
      return true;
    default:
      return !IsPassedKey(key);
  }
}

LRESULT CALLBACK CDDEdit::Subclass(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<CDDEdit*>(data);
  if (IsEditingMessage(msg)) return 0;
  switch (msg) {
    case WM_LBUTTONDOWN: {
      const LRESULT r = DefSubclassProc(hwnd, msg, w, l);
      self->OnLeftButton();
      return r;
    }
    case WM_RBUTTONDOWN:
      self->owner_.SlotMenu(self->slot_, CursorAt());
      return 0;
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
      return 0;
    case WM_KEYDOWN:
      return self->OnKey(w) ? 0 : DefSubclassProc(hwnd, msg, w, l);
    case WM_GETDLGCODE:
      // Focus by Tab leaves the caret at the start instead of selecting the whole text.
      return DefSubclassProc(hwnd, msg, w, l) & ~DLGC_HASSETSEL;
    case WM_SETFOCUS: {
      const LRESULT r = DefSubclassProc(hwnd, msg, w, l);
      SendMessageW(hwnd, EM_SETSEL, 0, 0);
      SendMessageW(hwnd, EM_SCROLLCARET, 0, 0);
      return r;
    }
    case WM_NCDESTROY:
      self->Detach();
      return DefSubclassProc(hwnd, msg, w, l);
    default:
      return DefSubclassProc(hwnd, msg, w, l);
  }
}

}  // namespace tapstart
