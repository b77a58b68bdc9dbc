// What the pages of the main window ask of it. The main window implements it; tests stand in for it.
#pragma once

#include <string>

#include "mainwnd/TabLayout.h"

namespace tapstart {

struct USER_DATA;
struct ONSCREEN_DATA;
struct MachineSettings;

class MainServices {
 public:
  virtual ~MainServices() = default;

  // Commands of the pages.
  virtual void ChangePattern(PageIndex page) = 0;
  virtual void RunWizard(PageIndex page) = 0;
  virtual void RunSettingManager() = 0;
  // Button pages: the records in use become the factory defaults; the on-screen page: its settings do.
  virtual void RestoreDefaults(PageIndex page) = 0;
  // A round button's click: the registration of record 0 to 7.
  virtual void EditButton(int record) = 0;
  // Enter on a page runs the main window's OK; Esc closes the main window.
  virtual void PageOk() = 0;
  virtual void PageClose() = 0;
  // WM_ACTIVATEAPP seen by a page.
  virtual void SetAppActive(bool active) = 0;

  // The label of a round button is marked while the button has the focus.
  virtual void MarkFocus(int labelId, bool focused) = 0;
  virtual bool IsMarked(int labelId) const = 0;

  // The main window's own controls, as a page's first focus moves them: select a tab and show its page, focus
  // the tab control, take the default-button look from OK.
  virtual void ShowTab(int index) = 0;
  virtual void FocusTabControl() = 0;
  virtual void TakeDefaultLookFromOk() = 0;

  // The live data the pages edit, and the values they show.
  virtual USER_DATA& LiveUserData() = 0;
  virtual ONSCREEN_DATA& LiveOnScreen() = 0;
  virtual const MachineSettings& Machine() const = 0;
  // The preview text of the machine's defaults, or empty.
  virtual const std::u16string& PreviewText() const = 0;
  // The start switch as typed (first focus of the pages).
  virtual const std::u16string& CommandLineText() const = 0;
  virtual TabLayout Layout() const = 0;
};

}  // namespace tapstart
