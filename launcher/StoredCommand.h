// A stored command, "program" or "program|parameters", as the launcher starts it.
#pragma once

#include <string_view>

namespace tapstart::launcher {

struct StoredCommand {
  std::u16string_view program;
  std::u16string_view parameters;
};

// Splits at the first "|": the parameters are the text after it, blanks trimmed at both ends, the program the
// text before it. No "|" leaves the whole text as the program. A "|" followed by blanks only starts the program
// before it without parameters; one in first place leaves no program.
StoredCommand SplitStored(std::u16string_view stored);

// A program part that names nothing: empty, blanks only, or quotes around nothing (a lone quote included).
bool IsEmptyProgram(std::u16string_view program);

// The folder a program starts in: its path, quotes aside, up to its last "\". Empty when the path has no "\"
// or its last one comes first. A drive's root keeps its "\" ("C:\", not "C:", which would mean the drive's
// current folder).
std::u16string_view WorkingDirectory(std::u16string_view program);

}  // namespace tapstart::launcher
