// The round picture button: shape, window region, and the owner-draw painting with a transparent colour.
#include "CRoundButton_win32.h"

#include <commctrl.h>

#include <algorithm>

#include "mainwnd/ButtonImage.h"
#include "mainwnd/FocusRules.h"

namespace tapstart {
namespace {

constexpr UINT_PTR kButtonSubclass = 1;

// Where the client area's top-left corner lies in window coordinates (non-zero only with a border).
POINT ClientOriginInWindow(HWND hwnd) {
  RECT window{};
  GetWindowRect(hwnd, &window);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  return {origin.x - window.left, origin.y - window.top};
}

}  // namespace

CRoundButton::~CRoundButton() { Detach(); }

bool CRoundButton::Attach(HWND button, HINSTANCE instance) {
  if (button_ != nullptr || button == nullptr || !IsWindow(button)) return false;
  if ((GetWindowLongPtrW(button, GWL_STYLE) & WS_CHILD) == 0) return false;
  HWND parent = GetParent(button);
  if (parent == nullptr) return false;
  const DWORD_PTR self = reinterpret_cast<DWORD_PTR>(this);
  if (!SetWindowSubclass(button, ButtonProc, kButtonSubclass, self)) return false;
  // One parent subclass per button, told apart by this object's address.
  if (!SetWindowSubclass(parent, ParentProc, reinterpret_cast<UINT_PTR>(this), self)) {
    RemoveWindowSubclass(button, ButtonProc, kButtonSubclass);
    return false;
  }
  button_ = button;
  parent_ = parent;
  instance_ = instance != nullptr ? instance : GetModuleHandleW(nullptr);
  const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
  SetWindowLongPtrW(button, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
  ApplyShape();
  return true;
}

void CRoundButton::Detach() {
  if (button_ != nullptr && IsWindow(button_)) RemoveWindowSubclass(button_, ButtonProc, kButtonSubclass);
  if (parent_ != nullptr && IsWindow(parent_))
    RemoveWindowSubclass(parent_, ParentProc, reinterpret_cast<UINT_PTR>(this));
  button_ = nullptr;
  parent_ = nullptr;
  region_.Reset();
}

void CRoundButton::ApplyShape() {
  if (button_ == nullptr) return;
  RECT client{};
  GetClientRect(button_, &client);
  const int d = std::max(0, static_cast<int>(std::min(client.right - client.left, client.bottom - client.top)));
  const RECT square{client.left, client.top, client.left + d, client.top + d};
  const PictureCircle circle = PictureCircleIn(d, dpi_);
  centre_ = {square.left + circle.centre, square.top + circle.centre};
  radius_ = circle.radius;
  circle_ = {square.left + circle.left, square.top + circle.left, square.left + circle.left + circle.diameter,
             square.top + circle.left + circle.diameter};

  // The system owns a region once it is the window's, and frees the one it replaces; this object keeps a copy
  // of its own for queries, so that no region is ever freed twice. A window not yet shown needs no redrawing:
  // under Wine each redraw asked for costs a round trip.
  const BOOL redraw = IsWindowVisible(button_);
  region_.Reset();
  const POINT o = ClientOriginInWindow(button_);
  HRGN shape = shape_ == kRound
                   ? CreateEllipticRgn(circle_.left + o.x, circle_.top + o.y, circle_.right + o.x, circle_.bottom + o.y)
                   : CreateRectRgn(square.left + o.x, square.top + o.y, square.right + o.x, square.bottom + o.y);
  if (shape != nullptr) {
    region_.Reset(CreateRectRgn(0, 0, 0, 0));
    if (region_) CombineRgn(region_.Get(), shape, nullptr, RGN_COPY);
    if (SetWindowRgn(button_, shape, redraw) == 0) DeleteObject(shape);
  } else {
    SetWindowRgn(button_, nullptr, redraw);  // no shape to be had: the whole rectangle, as the queries answer
  }

  RECT window{};
  GetWindowRect(button_, &window);
  MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&window), 2);
  const int extraW = (window.right - window.left) - (client.right - client.left);
  const int extraH = (window.bottom - window.top) - (client.bottom - client.top);
  if (window.right - window.left != d + extraW || window.bottom - window.top != d + extraH)
    MoveWindow(button_, window.left, window.top, d + extraW, d + extraH, redraw);
}

void CRoundButton::SetShape(int shape) {
  shape_ = shape;
  if (button_ != nullptr) ApplyShape();
}

void CRoundButton::SetBitmapId(int bitmapId) {
  bitmapId_ = bitmapId;
  // A button not shown yet (the main window fills its pages before it shows them) is painted whole when it is
  // shown; under Wine each redraw asked for costs a round trip.
  if (button_ != nullptr && IsWindowVisible(button_))
    RedrawWindow(button_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CRoundButton::SetDpi(int dpi) {
  dpi_ = dpi > 0 ? dpi : kBaseDpi;
  if (button_ == nullptr) return;
  ApplyShape();
  // The region may be the same while the rendering is not.
  if (IsWindowVisible(button_)) RedrawWindow(button_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

bool CRoundButton::Hits(POINT screen, bool rectangular) const {
  if (button_ == nullptr) return false;
  RECT r = circle_;
  if (rectangular) {
    GetWindowRect(button_, &r);
  } else {
    MapWindowPoints(button_, nullptr, reinterpret_cast<POINT*>(&r), 2);
  }
  return HitsRoundButton({r.left, r.top, r.right, r.bottom}, screen.x, screen.y, rectangular);
}

void CRoundButton::DrawItem(const DRAWITEMSTRUCT& item) const {
  HDC dc = item.hDC;
  MemoryDC memory(dc);
  if (memory.Get() == nullptr) return;
  const int pictureId = ScaledPictureId(bitmapId_, dpi_);
  if (pictureId_ != pictureId) {
    picture_.Reset(
        static_cast<HBITMAP>(LoadImageW(instance_, MAKEINTRESOURCEW(pictureId), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    pictureId_ = pictureId;
  }
  // A button whose picture is missing paints nothing over its background.
  if (!picture_) return;
  BITMAP info{};
  if (GetObjectW(picture_.Get(), sizeof info, &info) == 0) return;
  ScopedSelect select(memory.Get(), picture_.Get());
  const int w = info.bmWidth;
  const int h = info.bmHeight;
  const int r = std::min(w, h + 1) / 2;
  const int x = centre_.x - r;
  const int y = centre_.y - r;

  ScopedSaveDC saved(dc);
  if (shape_ == kRound) {
    Region clip(CreateEllipticRgn(x, y, centre_.x + r, centre_.y + r));
    if (clip) {
      // Clipping regions are in device units: follow the origin a printing caller may have moved.
      POINT origin{0, 0};
      LPtoDP(dc, &origin, 1);
      OffsetRgn(clip.Get(), origin.x, origin.y);
      ExtSelectClipRgn(dc, clip.Get(), RGN_AND);
    }
  }
  GdiTransparentBlt(dc, x, y, w, h, memory.Get(), 0, 0, w, h, kButtonPictureTransparent);
}

LRESULT CALLBACK CRoundButton::ButtonProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self) {
  auto* button = reinterpret_cast<CRoundButton*>(self);
  switch (msg) {
    case BM_SETSTYLE:
      // The main window sets the push-button look on every button of a page; a round button keeps drawing
      // its picture, so its type stays owner-draw.
      w = (w & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW;
      break;
    case WM_NCDESTROY:
      button->Detach();
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, msg, w, l);
}

LRESULT CALLBACK CRoundButton::ParentProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self) {
  auto* button = reinterpret_cast<CRoundButton*>(self);
  if (msg == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(l);
    if (item != nullptr && item->CtlType == ODT_BUTTON && item->hwndItem == button->button_) {
      button->DrawItem(*item);
      return TRUE;
    }
  } else if (msg == WM_NCDESTROY) {
    button->Detach();
  }
  return DefSubclassProc(hwnd, msg, w, l);
}

}  // namespace tapstart
