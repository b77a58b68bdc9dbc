// The process-wide values of the settings program: the application object owns them for the whole run and hands
// them to the windows that need them.
#pragma once

#include <windows.h>

#include "store/RegistryStore_win32.h"
#include "store/SessionStoreLock_win32.h"
#include "store/SettingsStore.h"
#include "ui/Handles_win32.h"

namespace tapstart {

struct ProcessValues {
  LANGID UiLanguage = 0;      // the system's default UI language, stored once at start-up
  KernelHandle StartupEvent;  // the single-instance event, held while the main window lives
  bool WizardOnly = false;    // a "/w:" run: the wizard alone, then the process ends
  RegistryStore Backend;
  SessionStoreLock StoreMutex;  // shared with the other programs that use the store
  SettingsStore Store{Backend, StoreMutex};

  // Some sources and the maker's own set-up program belong to the Japanese interface only.
  bool JapaneseUi() const { return UiLanguage == MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN); }

  // Ends the process as every way out of a run does: the single-instance event closed, exit code 0.
  [[noreturn]] void EndProcess() {
    StartupEvent.Reset();
    ExitProcess(0);
  }
};

// The window class of the main dialog; a second start finds the first window by it.
inline constexpr wchar_t kMainWindowClass[] = L"ThunderRT6FormDC";

}  // namespace tapstart
