// The source controls of one program page: three trees and two lists, one shown at a time, all filled once
// when the wizard starts.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/Dialog_win32.h"
#include "wizard/WizardSources.h"

namespace tapstart {

// The list sources' lines, read once by the sheet.
struct WizardListLines {
  std::vector<std::wstring> mediaCenter;
  std::vector<std::wstring> shortcutKeys;
};

class WizardSourcePane {
 public:
  explicit WizardSourcePane(const Window& page) : page_(page) {}

  void FillLists(const WizardListLines& lines) const;
  // Hides every source control and shows the one of the source (none for the IME Changer).
  void Show(int source) const;
  // The line selected in a list source's list, or -1.
  int SelectedLine(int source) const;
  // The source of a list control's id, or -1.
  static int ListSource(int controlId);

 private:
  const Window& page_;
};

}  // namespace tapstart
