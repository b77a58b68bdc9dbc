// The application object of Pantik: start-up, and the process-wide values every window shares.
#pragma once

#include <windows.h>

#include "store/RegistryStore_win32.h"
#include "store/SettingsStore.h"
#include "ui/Handles_win32.h"

namespace tapstart {

class CStdModule {
 public:
  explicit CStdModule(HINSTANCE instance) : instance_(instance) {}

  // Registers the main window's class, prepares the common controls and OLE, and runs the main dialog.
  BOOL InitInstance();

  HINSTANCE Instance() const { return instance_; }

  // Process-wide values.
  LANGID UiLanguage = 0;
  KernelHandle StartupEvent;  // the single-instance event, held while the main window lives
  bool WizardOnly = false;
  RegistryStore Backend;
  SettingsStore Store{Backend};

 private:
  HINSTANCE instance_;
};

// The window class of the main dialog; a second start finds the first window by it.
inline constexpr wchar_t kMainWindowClass[] = L"ThunderRT6FormDC";

// Registers kMainWindowClass with the attributes of the system's dialog class.
[[nodiscard]] bool RegisterMainWindowClass(HINSTANCE instance);

}  // namespace tapstart
