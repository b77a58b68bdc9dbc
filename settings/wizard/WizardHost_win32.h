// What the wizard's pages ask of their sheet: the step machine, the machine's switches, the fonts, and the
// sheet's own buttons. The sheet implements it; the pages never reach the sheet's class.
#pragma once

#include <windows.h>

#include <cstdint>

#include "store/UserData.h"
#include "wizard/WizardMachine.h"
#include "wizard/WizardModel.h"

namespace tapstart {

// What the button page needs beside the machine's switches.
struct WizardButtonContext {
  int buttonKind = kDesktopButtonKind;
  int32_t desktopCount = 0;  // DTNumAPBtn as the main window adjusted it
  USER_DATA defaults;        // the factory-default set: how many desktop buttons it names
};

class WizardHost {
 public:
  virtual ~WizardHost() = default;

  virtual WizardModel& Model() = 0;
  // Shows what the step machine says after a choice or a command: page, buttons, own Finish, end.
  virtual void Show(const WizardView& view) = 0;
  virtual const WizardMachine& Machine() const = 0;
  virtual const WizardButtonContext& ButtonContext() const = 0;

  // The wizard font (texts and buttons) and the font of the source trees and lists.
  virtual HFONT TextFont() const = 0;
  virtual HFONT TreeFont() const = 0;
  // Every page's first step when shown: the sheet's caption, and its buttons' texts and fonts (the finish page
  // shows Finish where the others show Next).
  virtual void PrepareSheet(bool finishPage) = 0;
  // Runs the sheet's Next as its button would.
  virtual void PressNext() = 0;
  // The sheet's button with this id (Back, Next, Cancel) takes the focus; Next becomes the default button.
  virtual void FocusSheetButton(int id) = 0;
  virtual void MakeNextDefault() = 0;
};

}  // namespace tapstart
