// The rules a setting set's name must pass before the input box accepts it.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "store/Text.h"

namespace tapstart {

// Names are kept to what the profile file and the on-screen display were sized for: 20 bytes in the
// system's ANSI code page, the terminating zero not counted (10 double-byte characters).
inline constexpr size_t kMaxSetNameBytes = 20;

enum class NameError { None, Empty, AlreadyUsed, TooLong };

// Checks in this order: empty, equal to an existing name (exact, letter case counts), too long.
NameError CheckSetName(std::u16string_view name, const std::vector<std::u16string>& existing,
                       const AnsiByteCounter& ansiBytes);

// The string id of the message that explains an error; 0 for None.
unsigned NameErrorMessageId(NameError error);

}  // namespace tapstart
