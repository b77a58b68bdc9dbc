// The finish page.
#include "wizard/CwizFinish_win32.h"

#include "res/resource.h"
#include "ui/Resources_win32.h"

namespace tapstart {

CwizFinish::CwizFinish(WizardHost& host) : CwizPage(IDD_WIZ_FINISH, host, true) {}

void CwizFinish::SetTexts() {
  ApplyCaptions(hwnd_, {{IDC_WIZF_TEXT, IDS_WIZ_FINISH_TEXT}, {IDC_WIZF_HINT, IDS_WIZ_FINISH_HINT}});
}

}  // namespace tapstart
