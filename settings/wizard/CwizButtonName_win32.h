// The wizard's button-name page (several programs): the name the on-screen display shows.
#pragma once

#include "wizard/CwizPage_win32.h"

namespace tapstart {

class CwizButtonName final : public CwizPage {
 public:
  explicit CwizButtonName(WizardHost& host);

 protected:
  void SetTexts() override;
  bool OnCommand(int id, int code, HWND control) override;
  void PlaceFocus() override;

 private:
  void NameChanged();
  // The caret at the end of the name, nothing selected, the caret scrolled into view.
  void CaretToEnd() const;
};

}  // namespace tapstart
