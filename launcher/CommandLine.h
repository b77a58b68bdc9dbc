// Command-line text shared by the launcher and the starter: the arguments after the program name, and a
// program path made safe to head a command line.
#pragma once

#include <string>
#include <string_view>

namespace tapstart::launcher {

// The text after the program name, as the C runtime hands it to WinMain: a quoted name runs to its closing
// quote, an unquoted one to the first blank; the blanks after it are skipped.
std::u16string_view ArgumentText(std::u16string_view commandLine);

// The path without the quotes around it, if it has them.
std::u16string_view Unquoted(std::u16string_view path);

// The path in quotes unless it is quoted already. Unquoted, "C:\Program Files\A\b.exe" would let the system
// try "C:\Program.exe" first.
std::u16string QuotedProgram(std::u16string_view path);

// "program" parameters: the program quoted, the parameters as they are (left out when empty).
std::u16string ProcessCommandLine(std::u16string_view program, std::u16string_view parameters);

}  // namespace tapstart::launcher
