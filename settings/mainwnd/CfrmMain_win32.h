// The main dialog of Pantik: start-up check, loading, the tab pages, and saving.
#pragma once

#include <windows.h>

#include <string>

#include "app/StartupRules.h"
#include "ui/Dialog_win32.h"
#include "ui/Handles_win32.h"

namespace tapstart {

class CStdModule;

class CfrmMain : public Dialog {
 public:
  explicit CfrmMain(CStdModule& app);

  // Runs the dialog modally; returns when it closes, or at once when the start-up check refuses.
  void Run();
  // Runs the start-up check of this process: switches, single instance, launch-button hardware.
  bool CheckStartup();

  // Filled by CheckStartup.
  std::u16string CommandLineText;
  int32_t InitialTab = -1;
  int32_t WizardButton = 0;
  bool PressAfterWizard = false;
  bool StartupRefused() const { return refused_; }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnDestroy() override;

 private:
  CStdModule& app_;
  bool refused_ = false;
};

}  // namespace tapstart
