// The shortcut-key list from the command-list data file, or from the machine tree.
#include "ShortcutKeys.h"

#include "store/StoreLayout.h"
#include "store/Text.h"

namespace tapstart {
namespace {

void Append(ShortcutKeyList& list, std::u16string name, std::u16string command, std::u16string_view binding) {
  list.lines.push_back(name + u' ' + std::u16string(binding));
  list.names.push_back(std::move(name));
  list.commands.push_back(std::move(command));
}

}  // namespace

ShortcutKeyList ShortcutKeysFromRecords(const std::vector<DAT_FILE_DATA>& records) {
  ShortcutKeyList list;
  for (const DAT_FILE_DATA& r : records) Append(list, r.field3, r.field2, r.field1);
  return list;
}

ShortcutKeyList ShortcutKeysFromStore(const SettingsStore& store) {
  ShortcutKeyList list;
  for (int64_t n = 0;; ++n) {
    const std::u16string key = std::u16string(kProductKey) + u"\\Shortcut\\Key" + DecimalText(n);
    std::u16string name = store.GetRegString(Hive::LocalMachine, key, u"KeyName", u"");
    if (name.empty()) break;
    Append(list, std::move(name), store.GetRegString(Hive::LocalMachine, key, u"KeyCode", u""),
           store.GetRegString(Hive::LocalMachine, key, u"KeyBind", u""));
  }
  return list;
}

ShortcutKeyList LoadShortcutKeys(const std::vector<DAT_FILE_DATA>& commandListRecords, const SettingsStore& store) {
  if (!commandListRecords.empty()) return ShortcutKeysFromRecords(commandListRecords);
  return ShortcutKeysFromStore(store);
}

}  // namespace tapstart
