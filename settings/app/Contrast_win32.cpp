// High contrast and the colours of the elements the program colours itself.
#include "app/Contrast_win32.h"

namespace tapstart {
namespace {

int SystemIndex(ColourRole role) {
  switch (role) {
    case ColourRole::kWindowText:
      return COLOR_WINDOWTEXT;
    case ColourRole::kWindow:
      return COLOR_WINDOW;
    case ColourRole::kButtonText:
      return COLOR_BTNTEXT;
    case ColourRole::kButtonFace:
      return COLOR_BTNFACE;
    case ColourRole::kHighlight:
      return COLOR_HIGHLIGHT;
    case ColourRole::kHighlightText:
      return COLOR_HIGHLIGHTTEXT;
    case ColourRole::kFixed:
      break;
  }
  return -1;
}

}  // namespace

bool HighContrastOn() {
  HIGHCONTRASTW hc{sizeof hc, 0, nullptr};
  // A system that cannot tell has no high contrast to follow.
  if (!SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0)) return false;
  return (hc.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

COLORREF ColourOf(const Paint& paint) {
  const int index = SystemIndex(paint.role);
  return index >= 0 ? GetSysColor(index) : static_cast<COLORREF>(paint.fixed);
}

HBRUSH ApplyPaint(HDC dc, const ElementPaint& paint, HBRUSH fixedBrush) {
  SetTextColor(dc, ColourOf(paint.text));
  SetBkColor(dc, ColourOf(paint.background));
  SetBkMode(dc, TRANSPARENT);
  const int index = SystemIndex(paint.background.role);
  return index >= 0 ? GetSysColorBrush(index) : fixedBrush;
}

void FollowColourChange(HWND window, UINT msg, WPARAM w, std::initializer_list<int> commonControls) {
  if (msg != WM_SYSCOLORCHANGE && !(msg == WM_SETTINGCHANGE && w == SPI_SETHIGHCONTRAST)) return;
  if (msg == WM_SYSCOLORCHANGE)
    for (int id : commonControls) SendDlgItemMessageW(window, id, msg, w, 0);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace tapstart
