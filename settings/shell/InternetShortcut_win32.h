// The address stored in an Internet shortcut (".url" file) of the Favorites folder.
#pragma once

#include <string>

namespace tapstart {

// The URL the shortcut file holds, read through the shell's Internet shortcut object; the path itself when
// no URL can be read. The calling thread has COM initialised.
std::wstring ResolveInternetShortcut(const std::wstring& path);

}  // namespace tapstart
