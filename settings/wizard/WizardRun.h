// The main window's side of the wizard: which buttons it offers, where its result goes, and the wizard-only
// run's rules. The record a wizard-only run stores into is MainModel::WizardRecord(N).
#pragma once

#include <cstdint>
#include <string_view>

#include "mainwnd/TabLayout.h"
#include "store/UserData.h"

namespace tapstart {

// The button kind RunWizard gives the wizard, which is also the number of buttons it offers: 5 for the
// desktop page; for the notebook page the notebook count when it is 1 to 3, else 2.
int WizardButtonKind(bool notebookPage, int32_t notebookCount);
// The live record RunWizard copies the result into: the chosen button, after the five desktop records for
// the notebook page.
int WizardResultRecord(bool notebookPage, int selectedButton);

// "/w:N" is run for a desktop button N up to the wizard limit while the desktop tab is there, or for a
// notebook record N (above the limit, from 5 to below the records in use) while the notebook tab is there.
bool AcceptWizardOnlyButton(int n, int wizardLimit, TabLayout layout, int recordsInUse);

// After a wizard-only run with "/ap" the handler is asked to press the button, unless the button now starts
// the IME changer program (imeChangerCommand: the first IME list entry's command; empty when there is none).
bool PressAfterWizardOnly(bool pressAfterWizard, const APPKEY_DATA& record, std::u16string_view imeChangerCommand);

}  // namespace tapstart
