// What the pages of the main window ask of it. The main window implements it; tests may stand in for it.
#pragma once

#include <string>

namespace tapstart {

struct USER_DATA;
struct ONSCREEN_DATA;

// Page indexes as the main window's operations take them.
enum PageIndex : int { kDesktopPage = 0, kNotebookPage = 1, kOnScreenPage = 2 };

class MainServices {
 public:
  virtual ~MainServices() = default;

  virtual void ChangePattern(int page) = 0;
  virtual void RunWizard(int page) = 0;
  virtual void RunSettingManager() = 0;
  // Buttons pages: the records in use become the factory defaults; the on-screen page: its settings do.
  virtual void RestoreDefaults(int page) = 0;
  // Enter on a page runs the main window's OK; Esc closes the main window.
  virtual void PageOk() = 0;
  virtual void PageClose() = 0;
  // WM_ACTIVATEAPP seen by a page.
  virtual void SetAppActive(bool active) = 0;

  // The live data the pages edit, and the values they show.
  virtual USER_DATA& LiveUserData() = 0;
  virtual ONSCREEN_DATA& LiveOnScreen() = 0;
  // The preview text of the machine's defaults, or empty.
  virtual const std::u16string& PreviewText() const = 0;
  // The start switch as typed (first focus of the pages).
  virtual const std::u16string& CommandLineText() const = 0;
  // -1 all three tabs; 0 desktop tab removed; 1 notebook tab removed; -2 on-screen tab only.
  virtual int TabLayout() const = 0;
};

}  // namespace tapstart
