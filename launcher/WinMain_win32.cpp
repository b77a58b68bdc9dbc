// Entry of Runvoy: one switch in, at most one program started, exit code 0 on every way out.
#include <windows.h>

#include "CommandLine.h"
#include "Launcher.h"
#include "RunvoySystem_win32.h"
#include "settings/store/SessionStoreLock_win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  using namespace tapstart::launcher;
  const auto* line = reinterpret_cast<const char16_t*>(GetCommandLineW());
  RunvoySystem system(instance);
  tapstart::SessionStoreLock storeLock;
  Launch(ArgumentText(line), system, storeLock);
  return 0;
}
