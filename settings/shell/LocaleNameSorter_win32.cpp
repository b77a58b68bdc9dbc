// Sort keys from the system's locale tables.
#include "LocaleNameSorter_win32.h"

#include <windows.h>

#include <string>

namespace tapstart {
namespace {

constexpr DWORD kKeyFlags = LCMAP_SORTKEY | NORM_IGNORECASE;

int MapKey(const std::wstring& name, std::vector<BYTE>& key) {
  // The output is bytes although the function names its size in characters.
  return LCMapStringW(LOCALE_USER_DEFAULT, kKeyFlags, name.c_str(), static_cast<int>(name.size()),
                      reinterpret_cast<LPWSTR>(key.data()), static_cast<int>(key.size()));
}

// The key's size in the buffer, which grows for a long name; 0 when the locale cannot weigh the name.
size_t MakeKey(const std::wstring& name, std::vector<BYTE>& key) {
  int size = MapKey(name, key);
  if (size == 0 && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
    const int needed =
        LCMapStringW(LOCALE_USER_DEFAULT, kKeyFlags, name.c_str(), static_cast<int>(name.size()), nullptr, 0);
    if (needed <= 0) return 0;
    key.resize(static_cast<size_t>(needed));
    size = MapKey(name, key);
  }
  return size > 0 ? static_cast<size_t>(size) : 0;
}

}  // namespace

std::vector<uint32_t> LocaleNameSorter::Order(const NameList& names) const {
  SortKeys keys;
  std::vector<BYTE> key(1024);
  std::wstring name;
  for (size_t i = 0; i < names.Size(); ++i) {
    name.assign(names[i].begin(), names[i].end());
    // A name the locale cannot weigh gets an empty key and sorts first.
    const size_t size = MakeKey(name, key);
    keys.Add(key.data(), size);
  }
  return ListBoxOrder(keys);
}

}  // namespace tapstart
