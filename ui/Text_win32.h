// Text at the border between the portable core (UTF-16 as std::u16string) and Win32 (wchar_t), and the texts every
// program takes from the system: its own path and a text's size in the ANSI code page. Header only, so that the
// small programs use it without linking the rest of the layer.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tapstart {

// wchar_t is UTF-16 on Windows: both conversions copy code units unchanged.
inline std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }
inline std::u16string Utf16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

// The running program's full path, however long; empty when the system cannot say.
inline std::wstring ProgramPath() {
  // The longest path the system hands out is 32,767 characters; a result that fills the buffer may be cut.
  for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
    std::wstring path(size, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), size);
    if (n == 0) return {};
    if (n < size) {
      path.resize(n);
      return path;
    }
  }
  return {};
}

// The running program's folder with its trailing "\" (a path without one gets one).
inline std::wstring ProgramFolder() {
  std::wstring path = ProgramPath();
  const size_t slash = path.find_last_of(L'\\');
  if (slash == std::wstring::npos) return path + L'\\';
  path.resize(slash + 1);
  return path;
}

// Letter case folded as the file system compares names: the system's own uppercase table, one UTF-16 unit at a
// time, the same in every locale (no linguistic casing, which would treat the Turkish dotless i apart). The file
// system compares file names through that table. A text the system cannot map is kept as it is.
inline std::u16string FileSystemUpperCase(std::u16string_view text) {
  if (text.empty()) return {};
  const std::wstring in = Wide(text);
  std::wstring out(in.size(), L'\0');
  const int size = static_cast<int>(in.size());
  if (LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, in.data(), size, out.data(), size, nullptr, nullptr, 0) !=
      size)
    return std::u16string(text);
  return Utf16(out);
}

// Bytes of the text in the system's ANSI code page, the terminating zero not counted.
inline size_t AnsiByteCount(std::u16string_view text) {
  if (text.empty()) return 0;
  const std::wstring wide = Wide(text);
  const int n =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  return n > 0 ? static_cast<size_t>(n) : 0;
}

}  // namespace tapstart
