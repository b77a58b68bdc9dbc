// The display scale windows are drawn at: lengths and font heights are given for 96 DPI and scaled to the DPI
// of the window that shows them.
#pragma once

#include <windows.h>

#include "ui/DpiScale.h"

namespace tapstart {

// The DPI a window is drawn at: its monitor's for a per-monitor aware program, else the system's; 96 when
// nothing answers.
int WindowDpi(HWND hwnd);

// Moves and sizes every control of a dialog, and of the dialogs within it (pages), in proportion to a change of
// DPI. A control's own parts (a combo box's edit and list) are left to the control.
void ScaleDialogLayout(HWND dialog, int fromDpi, int toDpi);

}  // namespace tapstart
