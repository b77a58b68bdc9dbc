// The single-program page: a selection in the source's control becomes the wizard's current selection.
#include "wizard/CwizSelectProgramForSingle_win32.h"

#include "res/resource.h"
#include "ui/Resources_win32.h"

namespace tapstart {

CwizSelectProgramForSingle::CwizSelectProgramForSingle(WizardHost& host) : CwizPage(IDD_WIZ_PROGRAM, host, true) {}

BOOL CwizSelectProgramForSingle::OnInitDialog() {
  CwizPage::OnInitDialog();
  // A right click on an item selects it and goes on, as Next does.
  sources_.Attach(kMsgTreeNext);
  return TRUE;
}

bool CwizSelectProgramForSingle::OnPageNotify(NMHDR* header, LRESULT& result) {
  return SourceNotify(sources_, *header, result);
}

void CwizSelectProgramForSingle::SetTexts() { ApplyCaptions(hwnd_, {{IDC_WIZP_TEXT, IDS_WIZ_PROGRAM_TEXT}}); }

void CwizSelectProgramForSingle::Prepare() { sources_.Show(host_.Model().SourceIndex()); }

bool CwizSelectProgramForSingle::OnCommand(int id, int code, HWND) {
  const int source = WizardSourcePane::ListSource(id);
  if (source < 0 || code != LBN_SELCHANGE) return false;
  host_.Show(host_.Model().SelectListLine(sources_.SelectedLine(source)));
  host_.MakeNextDefault();
  return true;
}

bool CwizSelectProgramForSingle::OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) {
  if (msg == kMsgTreeNext && w == IDC_WIZ_NEXT) {
    host_.PressNext();
    result = 0;
    return true;
  }
  return CwizPage::OnMessage(msg, w, l, result);
}

}  // namespace tapstart
