// The display scale windows are drawn at: lengths and font heights are given for 96 DPI and scaled to the DPI
// of the window that shows them.
#pragma once

#include <windows.h>

namespace tapstart {

inline constexpr int kBaseDpi = 96;

// The DPI a window is drawn at: its monitor's for a per-monitor aware program, else the system's; 96 when
// nothing answers.
int WindowDpi(HWND hwnd);

// A length or font height given at 96 DPI, at dpi (rounded to the nearest pixel, as MulDiv rounds).
inline int ScaleToDpi(int value, int dpi) { return MulDiv(value, dpi, kBaseDpi); }

// Moves and sizes every control of a dialog, and of the dialogs within it (pages), in proportion to a change of
// DPI. A control's own parts (a combo box's edit and list) are left to the control.
void ScaleDialogLayout(HWND dialog, int fromDpi, int toDpi);

}  // namespace tapstart
