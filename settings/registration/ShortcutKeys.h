// The shortcut-key list: the functions a button can perform instead of starting a program.
#pragma once

#include <string>
#include <vector>

#include "registration/SourceData.h"
#include "store/SettingsStore.h"

namespace tapstart {

// Entry i of each array belongs to list line i.
struct ShortcutKeyList {
  std::vector<std::u16string> names;     // shown in slot 1 and used as the button name when chosen
  std::vector<std::u16string> commands;  // stored as the record's command
  std::vector<std::u16string> lines;     // name, one blank, key binding
  bool operator==(const ShortcutKeyList&) const = default;
};

// From the command list's records: field 1 the key binding, field 2 the key command, field 3 the key name.
ShortcutKeyList ShortcutKeysFromRecords(const std::vector<DAT_FILE_DATA>& records);

// From the machine tree: keys "Shortcut\Key0", "Key1", ... with values "KeyName", "KeyCode" and "KeyBind", up to
// the first key that is missing or has an empty name.
ShortcutKeyList ShortcutKeysFromStore(const SettingsStore& store);

// The command list when its data file gave records, the machine tree's list otherwise.
ShortcutKeyList LoadShortcutKeys(const std::vector<DAT_FILE_DATA>& commandListRecords, const SettingsStore& store);

}  // namespace tapstart
