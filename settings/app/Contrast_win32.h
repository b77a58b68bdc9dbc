// The system's high-contrast mode and the colours of PaintFor as a control's WM_CTLCOLOR answer.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "app/ContrastColours.h"

namespace tapstart {

// True while the user has high contrast switched on (HCF_HIGHCONTRASTON).
bool HighContrastOn();
// The COLORREF of a paint: the system colour of its role, or its own fixed colour.
COLORREF ColourOf(const Paint& paint);
// Sets the text and background colours into a control's device context and returns the brush that fills the
// background: the system's brush of the role, or fixedBrush (the caller's own, of the same colour) for a
// fixed one.
HBRUSH ApplyPaint(HDC dc, const ElementPaint& paint, HBRUSH fixedBrush);
// A message to a top-level window: when it says the system colours or the high-contrast mode changed, the
// window's common controls listed learn of new system colours (only their parent tells them), and the window
// repaints with all its children in the colours now in force.
void FollowColourChange(HWND window, UINT msg, WPARAM w, std::initializer_list<int> commonControls);

}  // namespace tapstart
