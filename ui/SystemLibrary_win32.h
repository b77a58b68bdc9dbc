// Functions of system libraries that only some paths of a program use: help, the colour dialog, the shell, the
// window system in the launcher. Such a library is loaded from System32 when one of its functions is first
// asked for and stays loaded for the rest of the run (a help window lives in the process), so that a start
// does not pay for libraries it may never use.
#pragma once

#include <windows.h>

namespace tapstart {

// The function of that name, or nullptr when the library or the function is missing.
template <typename F>
F SystemFunction(const wchar_t* library, const char* function) {
  HMODULE module = GetModuleHandleW(library);
  if (module == nullptr) module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module == nullptr) return nullptr;
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, function)));
}

}  // namespace tapstart
