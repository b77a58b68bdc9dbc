// The wizard pages' rules, apart from their controls.
#include "wizard/WizardPageRules.h"

#include "store/Text.h"

namespace tapstart {

std::array<ButtonLabel, 5> ButtonPageLabels(int32_t qstart, int buttonKind,
                                            const std::array<std::u16string, kButtonSlots>& buttonNames) {
  std::array<ButtonLabel, 5> labels;
  for (int i = 0; i < 5; ++i) {
    // With QSTART the notebook's first buttons are Fn combinations: all five for two buttons, two for three.
    const bool fn = qstart == 1 && (buttonKind == 2 || (buttonKind == 3 && i < 2));
    labels[i].stringId = (fn ? IDS_WIZ_FN1 : IDS_WIZ_BUTTON1) + static_cast<unsigned>(i);
    if (!IsNotebookKind(buttonKind)) {
      labels[i].name = buttonNames[i];
    } else if (i < 3) {
      labels[i].name = buttonNames[i + 5];
    }
  }
  return labels;
}

std::u16string FormatWithName(std::u16string_view format, std::u16string_view name) {
  const size_t at = format.find(u"%s");
  if (at == std::u16string_view::npos) return std::u16string(name);
  std::u16string text(format.substr(0, at));
  text += name;
  text += format.substr(at + 2);
  return text;
}

int ButtonRadioCount(int buttonKind, int32_t keyboardBits, int32_t desktopCount, const USER_DATA& defaults) {
  if (IsNotebookKind(buttonKind)) return buttonKind;
  if ((keyboardBits & 0x04) != 0) return 5;
  if (desktopCount >= 1 && desktopCount <= 5) return desktopCount;
  int named = 0;
  while (named < 5 && !defaults.buttons[named].name.empty()) ++named;
  return named;
}

bool IsInternetShortcut(std::u16string_view path) {
  return path.size() >= 4 && AsciiLower(path.substr(path.size() - 4)) == u".url";
}

bool TreeItemAllowsNext(const TreeSelection& item, std::u16string_view myComputerName,
                        std::u16string_view favoritesRoot) {
  if (AsciiLower(item.path) == AsciiLower(myComputerName)) return false;
  return !(item.rootText == favoritesRoot && !IsInternetShortcut(item.path));
}

LaunchMethodLayout PlanLaunchMethodPage(int32_t delSerial) {
  if (delSerial == 1) return {.showSequential = false, .simultaneousInSequentialPlace = true};
  return {};
}

EditKey ProgramEditKey(int virtualKey) {
  switch (virtualKey) {
    case 0x09:  // Tab
    case 0x2E:  // Delete
    case 0x5D:  // the context-menu key
      return EditKey::Pass;
    case 0x25:  // left
    case 0x26:  // up
      return EditKey::CaretLeft;
    case 0x27:  // right
    case 0x28:  // down
      return EditKey::CaretRight;
    default:
      return EditKey::Swallow;
  }
}

BottomButtonLayout PlanBottomButtons(int32_t addHelp, int dpi) {
  const bool helpShown = addHelp == 1;
  const int back = helpShown ? 292 : 335;
  const auto at = [dpi](int x) { return ScaleToDpi(x, dpi); };
  BottomButtonLayout layout;
  layout.ownFinish = at(back - 80);
  layout.back = at(back);
  layout.next = at(helpShown ? 373 : 415);
  layout.cancel = at(helpShown ? 454 : 535);
  layout.help = at(535);
  layout.width = at(kBottomButtonWidth);
  layout.height = at(kBottomButtonHeight);
  layout.helpShown = helpShown;
  return layout;
}

int NextBottomButton(const std::array<bool, 5>& usable, int current, int step) {
  if (step == 0) return current;
  step = step > 0 ? 1 : -1;
  for (int i = current + step; i >= 0 && i < static_cast<int>(usable.size()); i += step)
    if (usable[i]) return i;
  return current;
}

}  // namespace tapstart
