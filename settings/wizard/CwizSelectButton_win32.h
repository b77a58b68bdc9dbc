// The wizard's button page: which button the programs go to.
#pragma once

#include "wizard/CwizPage_win32.h"

namespace tapstart {

class CwizSelectButton final : public CwizPage {
 public:
  explicit CwizSelectButton(WizardHost& host);

 protected:
  void SetTexts() override;
  void Prepare() override;
  std::vector<std::vector<int>> RadioGroups() const override;
  bool OnButtonClicked(int id) override;
  bool OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) override;

 private:
  bool painted_ = false;
};

}  // namespace tapstart
