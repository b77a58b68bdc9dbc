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
// The same list's answers for the reading of the settings: a face is looked up by enumerating its own family
// alone (a millisecond, where the whole list takes a tenth of a second under Wine); the whole list is made only
// when its first face is asked for.
FontLookup ScreenFontLookup();

}  // namespace tapstart
