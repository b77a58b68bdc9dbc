// Helpers that several dialogs share: the maker's own setup program per button, and a split at the last separator.
#pragma once

#include <string>
#include <string_view>

#include "store/SettingsStore.h"

namespace tapstart {

// The text after (takeAfter) or before the last occurrence of separator; the text unchanged when the
// separator is empty or absent. The part after starts one character past the separator's first character,
// so a separator of several characters leaves its tail in front of the result.
std::u16string SplitAtLast(std::u16string_view text, bool takeAfter, std::u16string_view separator);

// True when the machine's "GLIMSET" bit b-1 says button b (from 1) has the maker's own setup program.
bool IsOwnSetupButton(const SettingsStore& store, int b);

// The maker's setup program lies in "SETMAIL" beside the settings program and is told which button to set up.
std::u16string OwnSetupParameters(int b);
// programPath: the running program's full path.
std::u16string OwnSetupFile(std::u16string_view programPath);

}  // namespace tapstart
