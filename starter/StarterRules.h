// Register's decisions: which switch it passes on, whether it keeps to one instance, and how it starts Pantik.
#pragma once

#include <string>
#include <string_view>

namespace tapstart::starter {

// The switch handed to Pantik for the text after the program name: "/t:1" for none, the text itself when it is
// exactly "/t:1", "/t:0" or "/k"; empty for anything else, which asks nothing and starts nothing.
std::u16string_view SwitchFor(std::u16string_view arguments);

// A mutex name of 1 to 99 characters keeps Register to one instance; another length switches the rule off.
bool KeepsSingleInstance(std::u16string_view mutexName);

// The settings program's start: its file beside Register, its command line, and the folder it starts in.
struct SettingsStart {
  std::u16string directory;    // Register's folder with its trailing "\", or empty when unknown
  std::u16string commandLine;  // "folder\pantik.exe" switch, the program quoted
};
// From Register's own full path (empty when it could not be read) and the switch. The folder is the path up to
// and with its last "\"; a path without one is taken whole.
SettingsStart SettingsStartFor(std::u16string_view ownPath, std::u16string_view switchText);

}  // namespace tapstart::starter
