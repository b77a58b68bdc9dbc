// The setting manager: a modal dialog that lists the setting sets and adds, copies, renames and deletes them.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "CfrmInputBox_win32.h"
#include "InputBoxModel.h"
#include "SettingManagerModel.h"
#include "store/SettingsStore.h"
#include "ui/Dialog_win32.h"
#include "ui/Handles_win32.h"

namespace tapstart {

class CfrmManager : public Dialog {
 public:
  // Reads the set count, the current set and every set from the store.
  explicit CfrmManager(SettingsStore& store, MessageBoxFn messageBox = SystemMessageBox,
                       InputBoxFn inputBox = RunInputBox);

  const SettingManagerModel& Model() const { return model_; }

 protected:
  BOOL OnInitDialog() override;
  void OnDpiChanged() override { SetFonts(); }
  bool OnCommand(int id, int code, HWND control) override;
  bool OnButtonClicked(int id) override;
  void OnOK() override {}  // Enter where no button has the focus (the list): the manager has no default button
  void OnDestroy() override;

 private:
  void cmdAdd_Click();
  void cmdCopy_Click();
  void cmdRename_Click();
  void cmdDelete_Click();
  void lstNames_SelChange();
  void ShowSets();
  // Says once that an operation could not be saved.
  void ReportFailedSave();
  void EnableDelete();
  void EnableAdding();
  InputBoxRequest NameRequest(InputBoxMode mode, std::u16string startText) const;
  static LRESULT CALLBACK CloseButtonProc(HWND button, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR data);

  SettingManagerModel model_;
  MessageBoxFn messageBox_;
  InputBoxFn inputBox_;
  void SetFonts();
  Font listFont_;
  Font textFont_;
};

// Runs the setting manager modally over owner, with its template's font replaced by the UI face at 9 points.
void ShowSettingManager(HWND owner, SettingsStore& store);

}  // namespace tapstart
