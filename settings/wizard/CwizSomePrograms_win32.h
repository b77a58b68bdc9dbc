// The wizard's several-programs page: a source, its control, and the names of the programs chosen so far.
#pragma once

#include <array>
#include <string>

#include "store/UserData.h"
#include "wizard/CwizPage_win32.h"
#include "wizard/WizardSourcePane_win32.h"

namespace tapstart {

class CwizSomePrograms final : public CwizPage {
 public:
  explicit CwizSomePrograms(WizardHost& host);

  WizardSourcePane& Sources() { return sources_; }
  const WizardSourcePane& Sources() const { return sources_; }
  // The program-name edits: the names so far; only the edit of the slot the next program goes to is writable.
  void ShowProgramNames(const std::array<std::u16string, kProgramsPerButton>& names, int writableSlot);

 protected:
  BOOL OnInitDialog() override;
  void OnDestroy() override;
  bool OnPageNotify(NMHDR* header, LRESULT& result) override;
  void SetTexts() override;
  void Prepare() override;
  std::vector<std::vector<int>> RadioGroups() const override;
  bool OnButtonClicked(int id) override;
  bool OnCommand(int id, int code, HWND control) override;

 private:
  static LRESULT CALLBACK EditProc(HWND edit, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR data);
  void PackRadios();
  WizardSourcePane sources_{*this};
  std::array<bool, kProgramsPerButton> currentSlot_{};
  bool packed_ = false;
};

}  // namespace tapstart
