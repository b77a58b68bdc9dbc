// Runvoy's one run: read the program a switch names, and start it.
#pragma once

#include <string_view>

#include "LauncherSystem.h"
#include "settings/store/StoreLock.h"

namespace tapstart::launcher {

// Everything Runvoy does for the text after its program name. Missing settings end it silently, except the
// keyboard tool's, which is reported. The stored value is read under the store's lock, so that it is never read
// from a profile file another program is writing; the program starts after the lock is let go.
void Launch(std::u16string_view switchText, LauncherSystem& system, StoreLock& storeLock);

}  // namespace tapstart::launcher
