// Runvoy's one run: read the program a switch names, and start it.
#pragma once

#include <string_view>

#include "LauncherSystem.h"

namespace tapstart::launcher {

// Everything Runvoy does for the text after its program name. Missing settings end it silently, except the
// keyboard tool's, which is reported.
void Launch(std::u16string_view switchText, LauncherSystem& system);

}  // namespace tapstart::launcher
