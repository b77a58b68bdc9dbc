// The shared helpers that reach the system: starting the maker's setup program, the computer folder's name.
#pragma once

#include <string>

namespace tapstart {

// Opens "SETMAIL\登録してください.exe" beside the running program for button b (from 1) through the shell;
// true when the shell reports that it started.
bool LaunchOwnSetup(int b);

// The display name of the computer folder as the shell shows it; "My Computer" from the string table when the
// shell cannot say.
std::wstring GetMyComputerName();

}  // namespace tapstart
