// The font families the on-screen page offers, enumerated from the screen and filtered by the font list's rules.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "mainwnd/OnScreenData.h"

namespace tapstart {

// One enumerated family as the portable rules see it.
FontFamilyInfo DescribeFont(const ENUMLOGFONTEXW& font, DWORD fontType);
// Every listed family of the screen's device context (character set DEFAULT_CHARSET, any face), in the order the
// system enumerates them.
std::vector<std::u16string> EnumerateFontList();

}  // namespace tapstart
