// The main window's rules around a wizard run.
#include "wizard/WizardRun.h"

#include "store/Text.h"
#include "wizard/WizardPageRules.h"

namespace tapstart {

int WizardButtonKind(bool notebookPage, int32_t notebookCount) {
  if (!notebookPage) return kDesktopButtonKind;
  return notebookCount >= 1 && notebookCount <= 3 ? notebookCount : 2;
}

int WizardResultRecord(bool notebookPage, int selectedButton) {
  return selectedButton + (notebookPage ? kDesktopButtonKind : 0);
}

bool AcceptWizardOnlyButton(int n, int wizardLimit, TabLayout layout, int recordsInUse) {
  if (n >= 0 && n <= wizardLimit) return layout.Has(kDesktopPage);
  return n > wizardLimit && n >= kDesktopButtonKind && n < recordsInUse && layout.Has(kNotebookPage);
}

bool PressAfterWizardOnly(bool pressAfterWizard, const APPKEY_DATA& record, std::u16string_view imeChangerCommand) {
  if (!pressAfterWizard) return false;
  // Paths compare without regard to letter case, as the file system does.
  return imeChangerCommand.empty() || AsciiLower(record.command[0]) != AsciiLower(imeChangerCommand);
}

}  // namespace tapstart
