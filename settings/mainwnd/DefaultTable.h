// The factory-default setting set, read from the machine tree that the installer writes.
#pragma once

#include "store/SettingsStore.h"
#include "store/UserData.h"

namespace tapstart {

// Where the installer keeps the factory set: per-button subkeys beside the user tree's layout, or the
// profile file's flat key names when the settings live in the profile file.
inline constexpr std::u16string_view kDefaultSetKey = u"Software\\Varden\\VARDENZEB\\Default\\Setting\\Set1";
inline constexpr std::u16string_view kDefaultUserKey = u"Software\\Varden\\VARDENZEB\\Default\\USER1";

// Builds the factory set: its name and the records 0 to recordsInUse - 1, without titles; the other
// records stay empty. The layout follows store.useIniFile. Missing keys and values give empty fields.
USER_DATA BuildDefaultTable(const SettingsStore& store, int recordsInUse);

}  // namespace tapstart
