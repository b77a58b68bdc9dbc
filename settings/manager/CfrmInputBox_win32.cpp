// The modal input box that asks a setting set's name (add, copy, rename) or a program's launch parameter.
#include "CfrmInputBox_win32.h"

#include <utility>

#include "res/manager_ids.h"
#include "res/resource.h"
#include "ui/Resources_win32.h"

namespace tapstart {

CfrmInputBox::CfrmInputBox(InputBoxRequest request, MessageBoxFn messageBox, AnsiByteCounter ansiBytes)
    : Dialog(IDD_INPUTBOX), model_(std::move(request), std::move(ansiBytes)), messageBox_(std::move(messageBox)) {}

BOOL CfrmInputBox::OnInitDialog() {
  editFont_ = MakeUiFont(IDR_HEIGHT_LARGE, 16);
  textFont_ = MakeUiFont(IDR_HEIGHT_136, 14);
  SetControlFont(Item(IDC_INPUT_EDIT), editFont_);
  for (int id : {IDC_INPUT_PROMPT, IDC_INPUT_OK, IDC_INPUT_CANCEL}) SetControlFont(Item(id), textFont_);

  SetWindowTextW(hwnd_, LoadStr(static_cast<UINT>(model_.CaptionId())).c_str());
  SetItemText(IDC_INPUT_PROMPT, LoadStr(static_cast<UINT>(model_.PromptId())));
  SetItemText(IDC_INPUT_OK, LoadStr(3051));
  SetItemText(IDC_INPUT_CANCEL, LoadStr(3052));
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAIN))));

  const InputBoxRequest& request = model_.Request();
  if (request.parameterMode && request.maxLength > 0) SendItem(IDC_INPUT_EDIT, EM_LIMITTEXT, request.maxLength);
  SetItemText(IDC_INPUT_EDIT, Wide(model_.InitialText()));
  SelectEdit();
  return FALSE;  // the focus is set
}

bool CfrmInputBox::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_INPUT_OK:
      cmdOK_Click();
      return true;
    case IDC_INPUT_CANCEL:
    case IDCANCEL:  // Esc and the close box
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
  messageBox_(hwnd_, LoadStr(static_cast<UINT>(NameErrorMessageId(error))), LoadStr(3056), MB_OK | MB_ICONERROR);
  SelectEdit();
}

void CfrmInputBox::cmdCancel_Click() {
  model_.Cancel();
  End(InputBoxModel::kResultCancel);
}

void CfrmInputBox::SelectEdit() {
  FocusControl(hwnd_, Item(IDC_INPUT_EDIT));
  SendItem(IDC_INPUT_EDIT, EM_SETSEL, 0, -1);
  SendItem(IDC_INPUT_EDIT, EM_SCROLLCARET);
}

std::optional<std::u16string> RunInputBox(HWND owner, const InputBoxRequest& request) {
  CfrmInputBox box(request);
  box.RunModal(owner, LoadStr(3002), 9);
  if (box.Model().Result() != InputBoxModel::kResultOk) return std::nullopt;
  return box.Model().Accepted();
}

}  // namespace tapstart
