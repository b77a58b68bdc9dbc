// The wizard's source page for one program: where the program is picked from.
#pragma once

#include "wizard/CwizPage_win32.h"

namespace tapstart {

class CwizSelectMenu final : public CwizPage {
 public:
  explicit CwizSelectMenu(WizardHost& host);

 protected:
  void SetTexts() override;
  void Prepare() override;
  std::vector<std::vector<int>> RadioGroups() const override;
  bool OnButtonClicked(int id) override;

 private:
  void PackRadios();
  bool packed_ = false;
};

}  // namespace tapstart
