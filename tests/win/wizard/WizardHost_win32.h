// The wizard sheet in the test's own process against the real registry, driven by its own commands.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <memory>
#include <string>
#include <vector>

#include "Driver_win32.h"
#include "res/resource.h"
#include "store/RegistryStore_win32.h"
#include "store/SettingsStore.h"
#include "wizard/CfrmWizard_win32.h"

namespace tapstart::test {

class WizardTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The wizard, created modeless and shown; answers its questions with `answer`, which it records.
  void Open(WizardRequest request = {});
  void Close();

  CfrmWizard& Wizard() { return *wizard_; }
  HWND Sheet() const { return wizard_->Hwnd(); }
  HWND Page() const { return reinterpret_cast<HWND>(SendMessageW(Sheet(), PSM_GETCURRENTPAGEHWND, 0, 0)); }
  int PageIndex() const {
    return static_cast<int>(SendMessageW(Sheet(), PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(Page()), 0));
  }
  HWND SheetButton(int id) const { return GetDlgItem(Sheet(), id); }
  HWND PageItem(int id) const { return GetDlgItem(Page(), id); }
  // PSM_PRESSBUTTON, then the messages it posted.
  void PressSheet(int button);
  void ClickOnPage(int id);
  // The focused control's id (0 when the focus is elsewhere) and the sheet's default button.
  int FocusId() const;
  int DefaultId() const;
  // Whether a sheet button can be pressed: shown and enabled.
  bool Usable(int id) const;

  RegistryStore backend;
  SettingsStore store{backend};
  int answer = IDNO;
  std::vector<std::wstring> asked;

 private:
  std::unique_ptr<CfrmWizard> wizard_;
};

inline constexpr wchar_t kUtl[] = L"Software\\Varden\\VARDENZEB\\UTLSetting";

}  // namespace tapstart::test
