// The wizard's single-program page: the chosen source's tree or list.
#pragma once

#include "wizard/CwizPage_win32.h"
#include "wizard/WizardSourcePane_win32.h"

namespace tapstart {

class CwizSelectProgramForSingle final : public CwizPage {
 public:
  explicit CwizSelectProgramForSingle(WizardHost& host);

  WizardSourcePane& Sources() { return sources_; }
  const WizardSourcePane& Sources() const { return sources_; }

 protected:
  BOOL OnInitDialog() override;
  bool OnPageNotify(NMHDR* header, LRESULT& result) override;
  void SetTexts() override;
  void Prepare() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) override;

 private:
  WizardSourcePane sources_{*this};
};

}  // namespace tapstart
