// The button page: labels from the machine's switches and names, as many radios as the machine has buttons.
#include "wizard/CwizSelectButton_win32.h"

#include "res/resource.h"
#include "ui/Resources_win32.h"
#include "ui/Text_win32.h"
#include "wizard/WizardPageRules.h"

namespace tapstart {
namespace {

constexpr int kRadios[] = {IDC_WIZB_RADIO1, IDC_WIZB_RADIO2, IDC_WIZB_RADIO3, IDC_WIZB_RADIO4, IDC_WIZB_RADIO5};

}  // namespace

CwizSelectButton::CwizSelectButton(WizardHost& host) : CwizPage(IDD_WIZ_BUTTON, host, true) {}

void CwizSelectButton::SetTexts() {
  ApplyCaptions(hwnd_, {{IDC_WIZB_TEXT, IDS_WIZ_BUTTON_TEXT}, {IDC_WIZB_CLICK_NEXT, IDS_WIZ_CLICK_NEXT}});
}

void CwizSelectButton::Prepare() {
  const WizardMachine& m = host_.Machine();
  const WizardButtonContext& c = host_.ButtonContext();
  const std::array<ButtonLabel, 5> labels = ButtonPageLabels(m.qstart, c.buttonKind, m.buttonNames);
  const int shown = ButtonRadioCount(c.buttonKind, m.keyboardBits, c.desktopCount, c.defaults);
  const std::wstring format = LoadStr(IDS_WIZ_BUTTON_FORMAT);
  for (int i = 0; i < 5; ++i) {
    const ButtonLabel& label = labels[i];
    SetItemText(kRadios[i],
                label.name.empty() ? LoadStr(label.stringId) : Wide(FormatWithName(Utf16(format), label.name)));
    ShowItem(kRadios[i], i < shown);
    EnableItem(kRadios[i], i < shown);
  }
  // The focus goes to Cancel after every showing, once the sheet has placed its own.
  PostMessageW(hwnd_, kMsgFocusCancel, 0, 0);
}

std::vector<std::vector<int>> CwizSelectButton::RadioGroups() const {
  return {{std::begin(kRadios), std::end(kRadios)}};
}

bool CwizSelectButton::OnButtonClicked(int id) {
  for (int i = 0; i < 5; ++i) {
    if (kRadios[i] != id) continue;
    host_.Model().ChooseButton(i);
    return true;
  }
  return false;
}

bool CwizSelectButton::OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) {
  if (msg == kMsgFocusCancel) {
    // The sheet creates this page first even when the run starts on another: only a page shown moves the focus.
    if (IsWindowVisible(hwnd_)) host_.FocusSheetButton(IDCANCEL);
    result = 0;
    return true;
  }
  if (msg == WM_PAINT && !painted_) {
    // The page's first paint in the process puts the focus on Cancel as well, instead of Next or Back.
    painted_ = true;
    SetHint(EntryHint::None);
    PostMessageW(hwnd_, kMsgFocusCancel, 0, 0);
    return false;
  }
  if (msg == WM_PAINT) {
    SetHint(EntryHint::None);
    return false;
  }
  return CwizPage::OnMessage(msg, w, l, result);
}

}  // namespace tapstart
