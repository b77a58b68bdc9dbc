// Rules of the wizard's pages that need no window: button labels and radios, the Next rules, the launch
// method page's layout, the program-name edits' keys, and the sheet's bottom row of buttons.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "res/resource.h"
#include "store/UserData.h"
#include "wizard/WizardSources.h"

namespace tapstart {

// The wizard's button kind: 5 for the desktop keyboard, the notebook button count (1 to 3) for the notebook.
inline constexpr int kDesktopButtonKind = 5;
constexpr bool IsNotebookKind(int kind) { return kind >= 1 && kind <= 3; }

// One radio's label on the button page: the string stringId ("Register the program to Button1" to "Button5", or
// to "Fn + 1" to "Fn + 5"), or, when the machine names the button, the format "Register the program to %s" with
// that name.
struct ButtonLabel {
  unsigned stringId = 0;
  std::u16string name;
  bool operator==(const ButtonLabel&) const = default;
};
// buttonNames: the machine's UTLSetting\ButtonName values "AppKey1" to "AppKey8" (empty when missing). A
// desktop radio i takes AppKey(i + 1); a notebook radio i (below 3) takes AppKey(i + 6).
std::array<ButtonLabel, 5> ButtonPageLabels(int32_t qstart, int buttonKind,
                                            const std::array<std::u16string, kButtonSlots>& buttonNames);
// The format with its first "%s" replaced by the name; a format without "%s" gives the name alone.
std::u16string FormatWithName(std::u16string_view format, std::u16string_view name);

// How many radios the button page shows (from the first). keyboardBits: ZebKeyboard, or ZEBPAD when that is
// 0; desktopCount: DTNumAPBtn as the main window adjusted it; defaults: the factory-default set.
int ButtonRadioCount(int buttonKind, int32_t keyboardBits, int32_t desktopCount, const USER_DATA& defaults);

// A path whose last four characters read ".url" in any letter case.
bool IsInternetShortcut(std::u16string_view path);
// Next after a tree selection: not for the computer folder itself (its display name, any letter case), and
// in the favourites tree (root "IE Favorites", string 3292) only for an Internet shortcut.
bool TreeItemAllowsNext(const TreeSelection& item, std::u16string_view myComputerName,
                        std::u16string_view favoritesRoot);
// Next on the button-name page: the name must not be empty.
constexpr bool ButtonNameAllowsNext(std::u16string_view text) { return !text.empty(); }

// The launch-method page: DelSerial = 1 takes "sequential" away and moves "simultaneous" into its place.
struct LaunchMethodLayout {
  bool showSequential = true;
  bool simultaneousInSequentialPlace = false;
};
LaunchMethodLayout PlanLaunchMethodPage(int32_t delSerial);

// A key pressed in a program-name edit of the several-programs page. The names are the wizard's to write:
// typing is swallowed; Tab, Delete and the context-menu key pass; the arrows move the caret by one
// character without selecting.
enum class EditKey { Swallow, Pass, CaretLeft, CaretRight };
EditKey ProgramEditKey(int virtualKey);

// The sheet's bottom row in client pixels, each button 73 by 25 at its own top (at 96 DPI; every length is scaled
// to the sheet's dpi). With AddHelp = 1 the Help button is shown; the sheet's Finish takes Next's place, the
// wizard's own Finish button sits 80 to the left of Back.
struct BottomButtonLayout {
  int ownFinish = 0;
  int back = 0;
  int next = 0;
  int cancel = 0;
  int help = 0;
  int width = 0;
  int height = 0;
  bool helpShown = false;
};
inline constexpr int kBottomButtonWidth = 73;
inline constexpr int kBottomButtonHeight = 25;
BottomButtonLayout PlanBottomButtons(int32_t addHelp, int dpi = kBaseDpi);

// Arrow keys among the bottom buttons in their visual order (own Finish, Back, Next or Finish, Cancel, Help):
// step -1 (left, up) or +1 (right, down) from position current to the nearest usable button (shown and
// enabled) that way; current when there is none.
int NextBottomButton(const std::array<bool, 5>& usable, int current, int step);

}  // namespace tapstart
