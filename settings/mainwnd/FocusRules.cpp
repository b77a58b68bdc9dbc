// The main window's focus decisions.
#include "mainwnd/FocusRules.h"

#include "store/Text.h"

namespace tapstart {
namespace {

AltCommand ButtonPageAltKey(uint32_t key, bool managerShown) {
  switch (key) {
    case 'N':
      return AltCommand::kFocusPattern;
    case 'B':
      return AltCommand::kFocusButtons;
    case 'D':
      return AltCommand::kRunDefault;
    case 'W':
      return AltCommand::kRunWizard;
    case 'M':
      return managerShown ? AltCommand::kRunManager : AltCommand::kSwallow;
    default:
      return AltCommand::kNotMine;
  }
}

// A control switched off with the display does not answer its access key, as the dialog manager's would not;
// the key is taken all the same.
AltCommand OnScreenAltKey(uint32_t key, bool displayOn) {
  switch (key) {
    case 'F':
      return displayOn ? AltCommand::kFocusFont : AltCommand::kSwallow;
    case 'S':
      return displayOn ? AltCommand::kFocusSize : AltCommand::kSwallow;
    case 'C':
      return displayOn ? AltCommand::kChooseColor : AltCommand::kSwallow;
    case 'D':
      return AltCommand::kRunDefault;
    case 'O':
      return AltCommand::kToggleDisplay;
    default:
      return AltCommand::kNotMine;
  }
}

}  // namespace

AltCommand DecideAltKey(uint32_t virtualKey, PageIndex page, bool managerShown, bool displayOn) {
  if (virtualKey == 'H') return AltCommand::kHelp;
  if (page == kDesktopPage || page == kNotebookPage) return ButtonPageAltKey(virtualKey, managerShown);
  if (page == kOnScreenPage) return OnScreenAltKey(virtualKey, displayOn);
  return AltCommand::kNotMine;
}

TabMove DecideTabMove(bool shift, FocusAt at, PageIndex page, bool patternHidden) {
  const bool buttonPage = page == kDesktopPage || page == kNotebookPage;
  const bool anyPage = buttonPage || page == kOnScreenPage;
  if (!shift && at == FocusAt::kHelp) return TabMove::kToTabControl;
  if (!shift && at == FocusAt::kTabControl) {
    if (buttonPage) return patternHidden ? TabMove::kToDefaultWithLook : TabMove::kToPattern;
    if (page == kOnScreenPage) return TabMove::kToFirstOnScreen;
  }
  if (shift && at == FocusAt::kOk && anyPage) return TabMove::kToLastButtonWithLook;
  // The pages are child dialogs: the dialog manager would wrap from their last tab stop to the tab control, and
  // the bottom row would never be reached with Tab.
  if (!shift && at == FocusAt::kPageLastStop && anyPage) return TabMove::kToOk;
  return TabMove::kNotMine;
}

bool HitsRoundButton(const ScreenRect& r, int x, int y, bool rectangular) {
  if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) return false;
  if (rectangular) return true;
  const double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
  const double dx = x - cx, dy = y - cy, half = (r.right - r.left) / 2.0;
  return dx * dx + dy * dy <= half * half;
}

FirstFocus DecideButtonPageFirstFocus(PageIndex page, int activation, std::u16string_view commandLine,
                                      TabLayout layout) {
  const std::u16string line = AsciiLower(commandLine);
  const bool openTab = line == u"/k" || line == u"/t:0";
  FirstFocus f;
  if (page == kDesktopPage) {
    const bool alone = layout.Has(kDesktopPage) && !layout.Has(kNotebookPage);
    f.onPage = (layout.Has(kDesktopPage) && openTab) || (alone && line == u"/t:1");
  } else {
    const bool alone = layout.Has(kNotebookPage) && !layout.Has(kDesktopPage);
    f.onPage = (alone && openTab) || (layout.Has(kNotebookPage) && line == u"/t:1");
    // The notebook's tab is selected even when a later showing sends the focus to the tab control.
    if (f.onPage) f.selectTab = layout.TabOf(kNotebookPage);
  }
  if (activation > 1) f.onPage = false;
  return f;
}

FirstFocus DecideOnScreenFirstFocus(int activation, std::u16string_view commandLine, TabLayout layout) {
  FirstFocus f;
  if (activation != 1) return f;
  const std::u16string command = AsciiLower(commandLine);
  const bool onlyTab = layout.kind() == TabLayout::kOnScreenOnly;
  f.onPage = command == u"/t:2" || (onlyTab && (command == u"/k" || command == u"/t:0" || command == u"/t:1"));
  if (f.onPage) f.selectTab = layout.TabOf(kOnScreenPage);
  return f;
}

}  // namespace tapstart
