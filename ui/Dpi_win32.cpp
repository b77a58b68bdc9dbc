// Reading a window's DPI and rescaling a dialog's layout when the window moves to a monitor of another scale.
#include "ui/Dpi_win32.h"

#include <vector>

#include "ui/Controls_win32.h"

namespace tapstart {
namespace {

bool HasClass(HWND hwnd, const wchar_t* className) {
  wchar_t name[16]{};
  return GetClassNameW(hwnd, name, 16) > 0 && lstrcmpiW(name, className) == 0;
}

bool IsDialogWindow(HWND hwnd) { return HasClass(hwnd, L"#32770"); }

BOOL CALLBACK CollectChild(HWND child, LPARAM l) {
  // Only controls that a dialog placed: what sits inside a control is placed by the control.
  if (IsDialogWindow(GetParent(child))) reinterpret_cast<std::vector<HWND>*>(l)->push_back(child);
  return TRUE;
}

}  // namespace

int WindowDpi(HWND hwnd) {
  if (hwnd != nullptr)
    if (const UINT dpi = GetDpiForWindow(hwnd); dpi > 0) return static_cast<int>(dpi);
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kBaseDpi;
}

void ScaleDialogLayout(HWND dialog, int fromDpi, int toDpi) {
  if (fromDpi <= 0 || toDpi <= 0 || fromDpi == toDpi) return;
  std::vector<HWND> children;
  EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&children));
  const auto scale = [&](LONG v) { return MulDiv(v, toDpi, fromDpi); };
  // Parents come before their children, so a page is sized before its controls are placed in it.
  for (HWND child : children) {
    const RECT r = ChildRect(GetParent(child), child);
    // A combo box's height is that of its open list; the closed height follows the font it is given.
    LONG height = r.bottom - r.top;
    RECT dropped{};
    if (HasClass(child, L"ComboBox") &&
        SendMessageW(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped)))
      height = dropped.bottom - dropped.top;
    SetWindowPos(child, nullptr, scale(r.left), scale(r.top), scale(r.right) - scale(r.left), scale(height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace tapstart
