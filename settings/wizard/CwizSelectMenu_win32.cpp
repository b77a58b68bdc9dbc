// The single-program source page: the offered sources packed without gaps, Shortcut Key giving code "K".
#include "wizard/CwizSelectMenu_win32.h"

#include "res/resource.h"
#include "ui/Controls_win32.h"
#include "ui/Resources_win32.h"
#include "wizard/WizardSources.h"

namespace tapstart {
namespace {

constexpr int kSources[kSingleSourceCount] = {IDC_WIZS_START_MENU, IDC_WIZS_MEDIA_CENTER, IDC_WIZS_FAVORITES,
                                              IDC_WIZS_ALL_FILES,  IDC_WIZS_SHORTCUT_KEY, IDC_WIZS_IME};

}  // namespace

CwizSelectMenu::CwizSelectMenu(WizardHost& host) : CwizPage(IDD_WIZ_SOURCE, host, true) {}

void CwizSelectMenu::SetTexts() {
  ApplyCaptions(hwnd_, {{IDC_WIZS_TEXT, IDS_WIZ_SOURCE_TEXT},
                        {IDC_WIZS_START_MENU, IDS_WIZ_FROM_START_MENU},
                        {IDC_WIZS_MEDIA_CENTER, IDS_WIZ_FROM_MEDIA_CENTER},
                        {IDC_WIZS_FAVORITES, IDS_WIZ_FROM_FAVORITES},
                        {IDC_WIZS_ALL_FILES, IDS_WIZ_FROM_ALL_FILES},
                        {IDC_WIZS_SHORTCUT_KEY, IDS_WIZ_FROM_SHORTCUT_KEY},
                        {IDC_WIZS_IME, IDS_WIZ_FROM_IME},
                        {IDC_WIZS_CLICK_NEXT, IDS_WIZ_CLICK_NEXT}});
}

void CwizSelectMenu::Prepare() {
  if (!packed_) PackRadios();
}

// Once per run: the offered radios move up into consecutive slots, the others are hidden.
void CwizSelectMenu::PackRadios() {
  packed_ = true;
  const RECT first = ChildRect(hwnd_, Item(kSources[0]));
  const auto boxes = PackSingleSourceRadios(first.top, host_.Model().SingleOffered(), Dpi());
  PlaceRadios(kSources, boxes.data(), kSingleSourceCount);
}

std::vector<std::vector<int>> CwizSelectMenu::RadioGroups() const {
  return {{std::begin(kSources), std::end(kSources)}};
}

bool CwizSelectMenu::OnButtonClicked(int id) {
  for (int source = 0; source < kSingleSourceCount; ++source) {
    if (kSources[source] != id) continue;
    host_.Model().ChooseSingleSource(source);
    return true;
  }
  return false;
}

}  // namespace tapstart
