// Small UTF-16 text helpers shared by the portable core (std::u16string keeps Windows' lengths on every host).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tapstart {

// ASCII text as UTF-16 (identifiers, switches, registry names).
std::u16string Ascii(std::string_view text);
// UTF-8 to UTF-16 and back; invalid sequences become U+FFFD.
std::u16string FromUtf8(std::string_view text);
std::string ToUtf8(std::u16string_view text);

bool IsBlank(char16_t c);
std::u16string Trim(std::u16string_view text);
std::u16string TrimLeft(std::u16string_view text);
std::u16string TrimRight(std::u16string_view text);
// Lower case for A-Z only, as the switches and names this system compares are ASCII.
std::u16string AsciiLower(std::u16string_view text);
bool Contains(std::u16string_view text, std::u16string_view part);

// Decimal value as the C runtime's _wtoi reads it: leading blanks, an optional sign, digits; saturates at 32 bits.
int32_t DecimalValue(std::u16string_view text);
std::u16string DecimalText(int64_t value);
// True for a non-empty text of the digits 0 to 9 only.
bool AllDigits(std::u16string_view text);

// The length of a text in bytes once converted to the system's ANSI code page. The Win32 side counts with the
// system; tests stand in for a given code page.
using AnsiByteCounter = std::function<size_t(std::u16string_view)>;

// Cuts a text to at most maxUnits UTF-16 units without splitting a surrogate pair.
std::u16string CutUnits(std::u16string_view text, size_t maxUnits);
// Cuts a text so that it takes at most maxBytes in the ANSI code page that ansiBytes measures, dropping whole
// characters from the end: a double-byte character or a surrogate pair is never split.
std::u16string CutToAnsiBytes(std::u16string_view text, size_t maxBytes, const AnsiByteCounter& ansiBytes);

}  // namespace tapstart
