// A program page's source controls.
#include "wizard/WizardSourcePane_win32.h"

#include "res/resource.h"

namespace tapstart {
namespace {

// The control of each source; the IME Changer has none.
constexpr int kControls[kSingleSourceCount] = {IDC_WIZP_START_MENU, IDC_WIZP_MEDIA_CENTER, IDC_WIZP_FAVORITES,
                                               IDC_WIZP_ALL_FILES,  IDC_WIZP_SHORTCUT_KEY, 0};

void FillOne(const ListBox& list, const std::vector<std::wstring>& lines) {
  list.Fill(lines);
  if (!lines.empty()) list.Select(0);
}

}  // namespace

void WizardSourcePane::FillLists(const WizardListLines& lines) const {
  FillOne(page_.ListItem(IDC_WIZP_MEDIA_CENTER), lines.mediaCenter);
  FillOne(page_.ListItem(IDC_WIZP_SHORTCUT_KEY), lines.shortcutKeys);
}

void WizardSourcePane::Show(int source) const {
  for (int s = 0; s < kSingleSourceCount; ++s)
    if (kControls[s] != 0) page_.ShowItem(kControls[s], s == source);
}

int WizardSourcePane::SelectedLine(int source) const {
  if (source != kSourceMediaCenter && source != kSourceShortcutKey) return -1;
  return page_.ListItem(kControls[source]).Selected();
}

int WizardSourcePane::ListSource(int controlId) {
  if (controlId == IDC_WIZP_MEDIA_CENTER) return kSourceMediaCenter;
  if (controlId == IDC_WIZP_SHORTCUT_KEY) return kSourceShortcutKey;
  return -1;
}

}  // namespace tapstart
