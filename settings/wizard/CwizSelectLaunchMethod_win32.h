// The wizard's launch-method page: one program, several one after another, or several at once.
#pragma once

#include "wizard/CwizPage_win32.h"

namespace tapstart {

class CwizSelectLaunchMethod final : public CwizPage {
 public:
  explicit CwizSelectLaunchMethod(WizardHost& host);

 protected:
  void SetTexts() override;
  void Prepare() override;
  std::vector<std::vector<int>> RadioGroups() const override;
  bool OnButtonClicked(int id) override;

 private:
  bool laidOut_ = false;
};

}  // namespace tapstart
