// The modal input box that asks a setting set's name (add, copy, rename) or a program's launch parameter.
#include "CfrmInputBox_win32.h"

#include <utility>

#include "res/resource.h"
#include "ui/Resources_win32.h"
#include "ui/Text_win32.h"

namespace tapstart {

CfrmInputBox::CfrmInputBox(InputBoxRequest request, MessageBoxFn messageBox, AnsiByteCounter ansiBytes)
    : Dialog(IDD_INPUTBOX), model_(std::move(request), std::move(ansiBytes)), messageBox_(std::move(messageBox)) {}

// The fonts for the dialog's scale; the old ones go only once no control uses them.
void CfrmInputBox::SetFonts() {
  Font edit = MakeUiFont(IDS_UI_FACE, IDR_HEIGHT_LARGE, 16, Dpi());
  Font text = MakeUiFont(IDS_UI_FACE, IDR_HEIGHT_TEXT, 14, Dpi());
  SetItemFonts(hwnd_, {IDC_INPUT_EDIT}, edit.Get());
  SetItemFonts(hwnd_, {IDC_INPUT_PROMPT, IDC_INPUT_OK, IDC_INPUT_CANCEL}, text.Get());
  editFont_ = std::move(edit);
  textFont_ = std::move(text);
}

BOOL CfrmInputBox::OnInitDialog() {
  SetFonts();

  SetWindowTextW(hwnd_, LoadStr(model_.CaptionId()).c_str());
  ApplyCaptions(
      hwnd_,
      {{IDC_INPUT_PROMPT, model_.PromptId()}, {IDC_INPUT_OK, IDS_INPUT_OK}, {IDC_INPUT_CANCEL, IDS_INPUT_CANCEL}});
  SetBigIcon(IDI_MAIN);

  const InputBoxRequest& request = model_.Request();
  if (request.parameterMode && request.maxLength > 0) SendItem(IDC_INPUT_EDIT, EM_LIMITTEXT, request.maxLength);
  SetItemText(IDC_INPUT_EDIT, Wide(model_.InitialText()));
  SelectEdit();
  return FALSE;  // the focus is set
}

bool CfrmInputBox::OnButtonClicked(int id) {
  switch (id) {
    case IDC_INPUT_OK:
      cmdOK_Click();
      return true;
    case IDC_INPUT_CANCEL:
      cmdCancel_Click();
      return true;
    default:
      return false;
  }
}

void CfrmInputBox::cmdOK_Click() {
  const NameError error = model_.Submit(Utf16(ItemText(IDC_INPUT_EDIT)));
  if (error == NameError::None) {
    End(InputBoxModel::kResultOk);
    return;
  }
  messageBox_(hwnd_, LoadStr(NameErrorMessageId(error)), LoadStr(IDS_INPUT_ERROR), MB_OK | MB_ICONERROR);
  SelectEdit();
}

void CfrmInputBox::cmdCancel_Click() {
  model_.Cancel();
  End(InputBoxModel::kResultCancel);
}

void CfrmInputBox::SelectEdit() {
  FocusItem(IDC_INPUT_EDIT);
  SendItem(IDC_INPUT_EDIT, EM_SETSEL, 0, -1);
  SendItem(IDC_INPUT_EDIT, EM_SCROLLCARET);
}

std::optional<std::u16string> RunInputBox(HWND owner, const InputBoxRequest& request) {
  CfrmInputBox box(request);
  box.RunModal(owner, LoadStr(IDS_UI_FACE), 9);
  if (box.Model().Result() != InputBoxModel::kResultOk) return std::nullopt;
  return box.Model().Accepted();
}

}  // namespace tapstart
