// Entry of Pantik. Every way out ends with exit code 0.
#include <windows.h>

#include "app/CStdModule_win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  tapstart::CStdModule module(instance);
  module.InitInstance();
  return 0;
}
