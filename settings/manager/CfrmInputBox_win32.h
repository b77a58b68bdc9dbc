// The modal input box that asks a setting set's name (add, copy, rename) or a program's launch parameter.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "InputBoxModel.h"
#include "ui/Dialog_win32.h"
#include "ui/Handles_win32.h"
#include "ui/Text_win32.h"

namespace tapstart {

class CfrmInputBox : public Dialog {
 public:
  explicit CfrmInputBox(InputBoxRequest request, MessageBoxFn messageBox = SystemMessageBox,
                        AnsiByteCounter ansiBytes = AnsiByteCount);

  const InputBoxModel& Model() const { return model_; }

 protected:
  BOOL OnInitDialog() override;
  void OnDpiChanged() override { SetFonts(); }
  bool OnButtonClicked(int id) override;
  void OnCancel() override { cmdCancel_Click(); }  // Esc and the close box

 private:
  void cmdOK_Click();
  void cmdCancel_Click();
  // Focus on the edit with its whole text selected and in view.
  void SelectEdit();

  InputBoxModel model_;
  MessageBoxFn messageBox_;
  void SetFonts();
  Font editFont_;
  Font textFont_;
};

// Runs the input box modally over owner; the accepted text on OK, nothing on Cancel.
std::optional<std::u16string> RunInputBox(HWND owner, const InputBoxRequest& request);

// Asks a name or a parameter with the input box (RunInputBox, or a test's answer); nothing when the user cancels.
using InputBoxFn = std::function<std::optional<std::u16string>(HWND owner, const InputBoxRequest& request)>;

}  // namespace tapstart
