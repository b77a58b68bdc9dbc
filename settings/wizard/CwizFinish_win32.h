// The wizard's finish page: texts only; the sheet shows Finish in Next's place.
#pragma once

#include "wizard/CwizPage_win32.h"

namespace tapstart {

class CwizFinish final : public CwizPage {
 public:
  explicit CwizFinish(WizardHost& host);

 protected:
  void SetTexts() override;
  bool IsFinishPage() const override { return true; }
};

}  // namespace tapstart
