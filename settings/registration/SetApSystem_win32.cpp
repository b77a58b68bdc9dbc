// File attributes and the shell's Internet shortcut object for the registration dialog.
#include "SetApSystem_win32.h"

#include <windows.h>

#include "shell/InternetShortcut_win32.h"

namespace tapstart {

bool SetApSystem::FolderOrUnknown(std::u16string_view path) const {
  const DWORD attributes = GetFileAttributesW(std::wstring(path.begin(), path.end()).c_str());
  return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::u16string SetApSystem::InternetShortcutUrl(std::u16string_view path) const {
  const std::wstring url = ResolveInternetShortcut(std::wstring(path.begin(), path.end()));
  return std::u16string(url.begin(), url.end());
}

}  // namespace tapstart
