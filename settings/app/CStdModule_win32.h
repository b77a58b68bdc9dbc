// The application object of Pantik: start-up, and the process-wide values every window shares.
#pragma once

#include <windows.h>

#include "app/ProcessValues_win32.h"

namespace tapstart {

class CStdModule {
 public:
  explicit CStdModule(HINSTANCE instance) : instance_(instance) {}

  // Registers the main window's class, prepares the common controls and OLE, and runs the main dialog.
  BOOL InitInstance();

  HINSTANCE Instance() const { return instance_; }
  ProcessValues Values;

 private:
  HINSTANCE instance_;
};

// Registers kMainWindowClass with the attributes of the system's dialog class.
[[nodiscard]] bool RegisterMainWindowClass(HINSTANCE instance);

}  // namespace tapstart
