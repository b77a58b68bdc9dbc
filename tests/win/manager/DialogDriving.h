// Driving the manager's dialogs in the test's own process against a store over the real registry.
#pragma once

#include <windows.h>

#include <string>

#include "Driver_win32.h"
#include "store/RegistryStore_win32.h"
#include "store/SettingsStore.h"
#include "ui/Controls_win32.h"

namespace tapstart::test {

// The product's store over the real registry, cleared before and after each test.
struct RegistryEnv {
  RegistryEnv() { ClearStore(); }
  ~RegistryEnv() { ClearStore(); }
  RegistryStore backend;
  SettingsStore store{backend};
};

inline std::wstring SetKey(int n) { return std::wstring(kProduct) + L"\\Setting\\Set" + std::to_wstring(n); }

// A line of a list box, "(none)" for an index outside the list.
inline std::wstring ListLine(HWND list, int i) { return i < ListBox(list).Count() ? ListBox(list).Text(i) : L"(none)"; }

}  // namespace tapstart::test
