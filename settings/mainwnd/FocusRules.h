// Where the main window's keys, clicks and first paints send the focus, decided without windows: the main window
// and its pages only carry the decisions out.
#pragma once

#include <cstdint>
#include <string_view>

#include "mainwnd/TabLayout.h"

namespace tapstart {

// What an Alt key does on the page shown. Virtual-key codes: the letters are their capitals.
enum class AltCommand {
  kNotMine,        // the dialog manager handles the key
  kSwallow,        // the key is taken and nothing happens (its control is hidden or switched off)
  kHelp,           // H: the focus to Help, which runs
  kFocusPattern,   // N
  kFocusButtons,   // B: the first round button
  kRunDefault,     // D
  kRunWizard,      // W
  kRunManager,     // M
  kFocusFont,      // F (on-screen page)
  kFocusSize,      // S
  kChooseColor,    // C
  kToggleDisplay,  // O
};
// managerShown: the page's Setting Manager button is visible; displayOn: the on-screen display is switched on,
// which the font, size and colour controls follow.
AltCommand DecideAltKey(uint32_t virtualKey, PageIndex page, bool managerShown, bool displayOn);

// Where the focus is when Tab or Shift+Tab is pressed, as far as the main window routes it.
enum class FocusAt {
  kElsewhere,
  kOk,
  kHelp,
  kTabControl,
  kPageLastStop,  // the last tab stop of the page shown (on a button page, Wizard(&W)...)
};
enum class TabMove {
  kNotMine,               // the dialog manager moves the focus
  kToTabControl,          // Tab on Help
  kToPattern,             // Tab from the tab control into a button page
  kToDefaultWithLook,     // the same when the pattern controls are hidden: Default takes OK's default-button look
  kToFirstOnScreen,       // Tab from the tab control into the on-screen page
  kToLastButtonWithLook,  // Shift+Tab on OK: the page's last button takes OK's default-button look
  kToOk,                  // Tab from the page's last tab stop, the mirror of Shift+Tab on OK: OK takes its look back
};
TabMove DecideTabMove(bool shift, FocusAt at, PageIndex page, bool patternHidden);

// A right-button release over a round button: the hit test is the button's rectangle, or with round buttons the
// circle inscribed in it (distance from the centre at most half the width). Screen coordinates.
struct ScreenRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};
bool HitsRoundButton(const ScreenRect& button, int x, int y, bool rectangular);

// Where the focus goes at a page's first paint after the main window showed it.
struct FirstFocus {
  bool onPage = false;  // the page's contents take it; otherwise the tab control
  int selectTab = -1;   // the tab to select first, or -1 to leave the selection
};
// activation counts the showings from 1; commandLine is the start switch as typed.
FirstFocus DecideButtonPageFirstFocus(PageIndex page, int activation, std::u16string_view commandLine,
                                      TabLayout layout);
FirstFocus DecideOnScreenFirstFocus(int activation, std::u16string_view commandLine, TabLayout layout);

}  // namespace tapstart
