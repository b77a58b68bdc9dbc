// A push button clipped to a circle that paints one of the round-button pictures with magenta transparent.
#pragma once

#include <windows.h>

#include "ui/DpiScale.h"
#include "ui/Handles_win32.h"

namespace tapstart {

// Attach() subclasses an existing button of a dialog: the button becomes owner-drawn, square and (for shape
// 1) round. Its parent's WM_DRAWITEM for this button is answered here, as a framework reflects it, so the
// owner dialog only chooses the picture (SetBitmapId), the shape and the DPI it is shown at (SetDpi). The object must
// outlive neither the button nor its parent's subclass: the destructor detaches, and so does the destruction of either
// window.
class CRoundButton {
 public:
  static constexpr int kRound = 1;  // any other shape is square

  CRoundButton() = default;
  CRoundButton(const CRoundButton&) = delete;
  CRoundButton& operator=(const CRoundButton&) = delete;
  ~CRoundButton();

  // Subclasses the button and its parent, gives it the owner-draw style and applies the shape. Pictures come
  // from the resources of instance (null: the program's own module). False when already attached or when the
  // window is not a child window.
  [[nodiscard]] bool Attach(HWND button, HINSTANCE instance = nullptr);
  void Detach();
  HWND Hwnd() const { return button_; }

  // Makes the client area square (the smaller side), sets the centre and the radius of the picture's circle
  // (PictureCircleIn), and sets the window region: that circle for shape 1, else the square itself.
  void ApplyShape();
  // Takes a shape; when attached, applies it at once.
  void SetShape(int shape);
  int Shape() const { return shape_; }
  // Takes the picture's resource id and redraws the button at once; a button that is not shown is painted when
  // it is.
  void SetBitmapId(int bitmapId);
  int BitmapId() const { return bitmapId_; }
  // Takes the DPI the button is shown at, which chooses the rendering of its pictures and the size of its
  // circle (0 or less counts as 96); when attached, applies the shape again and repaints a shown button.
  void SetDpi(int dpi);
  int Dpi() const { return dpi_; }

  // The centre of the client square, and the radius of the picture's circle around it.
  POINT Centre() const { return centre_; }
  int Radius() const { return radius_; }
  // Whether a point on the screen falls on the button: on the picture's circle, or anywhere on the window when
  // rectangular. False while not attached.
  bool Hits(POINT screen, bool rectangular) const;
  // The window region in use, in window coordinates (a copy of what the window holds); null before ApplyShape.
  HRGN RegionInUse() const { return region_.Get(); }

  // The owner-draw painting: the picture's rendering for the DPI at its natural size around the centre, magenta
  // left unpainted, clipped to the circle for shape 1. The device context's clipping is left as it was found.
  void DrawItem(const DRAWITEMSTRUCT& item) const;

 private:
  static LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR self);
  static LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR self);

  HWND button_ = nullptr;
  HWND parent_ = nullptr;
  HINSTANCE instance_ = nullptr;
  Region region_;
  POINT centre_{0, 0};
  int radius_ = 0;
  RECT circle_{0, 0, 0, 0};  // the picture's circle's bounding square, in client coordinates
  int bitmapId_ = 0;
  int shape_ = kRound;
  int dpi_ = kBaseDpi;
  // The picture last painted, loaded once for all the paints of the same picture.
  mutable Bitmap picture_;
  mutable int pictureId_ = 0;
};

}  // namespace tapstart
