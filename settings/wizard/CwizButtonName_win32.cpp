// The button-name page: Next only with a name, and the default button kept on Next while typing.
#include "wizard/CwizButtonName_win32.h"

#include "res/resource.h"
#include "ui/Resources_win32.h"
#include "ui/Text_win32.h"

namespace tapstart {

CwizButtonName::CwizButtonName(WizardHost& host) : CwizPage(IDD_WIZ_NAME, host, true) {}

void CwizButtonName::SetTexts() {
  ApplyCaptions(hwnd_, {{IDC_WIZN_TEXT, IDS_WIZ_NAME_TEXT}, {IDC_WIZN_CLICK_NEXT, IDS_WIZ_CLICK_NEXT}});
}

bool CwizButtonName::OnCommand(int id, int code, HWND) {
  if (id != IDC_WIZN_EDIT) return false;
  if (code == EN_CHANGE) NameChanged();
  if (code == EN_SETFOCUS) CaretToEnd();
  return code == EN_CHANGE || code == EN_SETFOCUS;
}

void CwizButtonName::NameChanged() {
  const std::wstring text = ItemText(IDC_WIZN_EDIT);
  host_.Show(host_.Model().SetButtonNameText(Utf16(text)));
  if (text.empty()) return;
  // Enter in the edit runs Next; the next paint hands the focus back to the edit (hint 3).
  host_.MakeNextDefault();
  SetHint(EntryHint::NameTyped);
}

void CwizButtonName::CaretToEnd() const {
  const LRESULT end = SendItem(IDC_WIZN_EDIT, WM_GETTEXTLENGTH);
  SendItem(IDC_WIZN_EDIT, EM_SETSEL, static_cast<WPARAM>(end), end);
  SendItem(IDC_WIZN_EDIT, EM_SCROLLCARET);
}

// Entered backward: Back. Entered forward: the focus stays (the edit's), Next is the default. After typing:
// Next shows as the default while the edit keeps the focus.
void CwizButtonName::PlaceFocus() {
  switch (Hint()) {
    case EntryHint::Backward:
      host_.FocusSheetButton(IDC_WIZ_BACK);
      SetHint(EntryHint::None);
      break;
    case EntryHint::Forward:
      CaretToEnd();
      host_.MakeNextDefault();
      SetHint(EntryHint::None);
      break;
    case EntryHint::NameTyped:
      host_.MakeNextDefault();
      SetHint(EntryHint::Forward);
      break;
    case EntryHint::None:
      break;
  }
}

}  // namespace tapstart
