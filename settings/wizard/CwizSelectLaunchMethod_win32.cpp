// The launch-method page: DelSerial takes the sequential method away without leaving a gap.
#include "wizard/CwizSelectLaunchMethod_win32.h"

#include "res/resource.h"
#include "ui/Resources_win32.h"
#include "wizard/WizardPageRules.h"

namespace tapstart {
namespace {

constexpr int kMethods[] = {IDC_WIZM_SINGLE, IDC_WIZM_SEQUENTIAL, IDC_WIZM_SIMULTANEOUS};

}  // namespace

CwizSelectLaunchMethod::CwizSelectLaunchMethod(WizardHost& host) : CwizPage(IDD_WIZ_METHOD, host, true) {}

void CwizSelectLaunchMethod::SetTexts() {
  ApplyCaptions(hwnd_, {{IDC_WIZM_TEXT, IDS_WIZ_METHOD_TEXT},
                        {IDC_WIZM_SINGLE, IDS_WIZ_SINGLE},
                        {IDC_WIZM_SEQUENTIAL, IDS_WIZ_SEQUENTIAL},
                        {IDC_WIZM_SIMULTANEOUS, IDS_WIZ_SIMULTANEOUS},
                        {IDC_WIZM_CLICK_NEXT, IDS_WIZ_CLICK_NEXT}});
}

void CwizSelectLaunchMethod::Prepare() {
  const LaunchMethodLayout layout = PlanLaunchMethodPage(host_.Machine().delSerial);
  if (layout.showSequential || laidOut_) return;
  laidOut_ = true;
  RECT place{};
  GetWindowRect(Item(IDC_WIZM_SEQUENTIAL), &place);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&place), 2);
  ShowItem(IDC_WIZM_SEQUENTIAL, false);
  EnableItem(IDC_WIZM_SEQUENTIAL, false);
  if (layout.simultaneousInSequentialPlace)
    SetWindowPos(Item(IDC_WIZM_SIMULTANEOUS), nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::vector<std::vector<int>> CwizSelectLaunchMethod::RadioGroups() const {
  return {{std::begin(kMethods), std::end(kMethods)}};
}

bool CwizSelectLaunchMethod::OnButtonClicked(int id) {
  for (int mode = 0; mode < 3; ++mode) {
    if (kMethods[mode] != id) continue;
    host_.Model().ChooseLaunchMethod(mode);
    return true;
  }
  return false;
}

}  // namespace tapstart
