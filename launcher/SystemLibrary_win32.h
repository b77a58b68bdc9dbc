// A system library loaded from System32 the first time one of its functions is asked for, and freed with its
// owner. Runvoy loads user32 and shell32 this way, so that a run that needs neither does not pay for them.
#pragma once

#include <windows.h>

namespace tapstart::launcher {

class SystemLibrary {
 public:
  explicit SystemLibrary(const wchar_t* name) : name_(name) {}
  SystemLibrary(const SystemLibrary&) = delete;
  SystemLibrary& operator=(const SystemLibrary&) = delete;
  ~SystemLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
  }

  // The function of that name, or nullptr when the library or the function is missing.
  template <typename F>
  F Get(const char* function) {
    if (module_ == nullptr) module_ = LoadLibraryExW(name_, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module_ == nullptr) return nullptr;
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module_, function)));
  }

 private:
  const wchar_t* name_;
  HMODULE module_ = nullptr;
};

}  // namespace tapstart::launcher
