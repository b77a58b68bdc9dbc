// The factory-default setting set: the machine's shipped button assignment, read once at start-up.
#include "DefaultTable.h"

#include "store/Text.h"

namespace tapstart {
namespace {

// A program count outside 1 to 5 means "no programs".
int32_t UsableCount(int32_t count) { return count >= 1 && count <= kProgramsPerButton ? count : 0; }

// Per-button subkeys "AppKey" + n of Default\Setting\Set1; the machine's ConvAppKey picks the subkey.
void ReadRegistryLayout(const SettingsStore& store, int records, USER_DATA& set) {
  const Hive hklm = Hive::LocalMachine;
  set.name = store.GetRegString(hklm, kDefaultSetKey, u"SetName", u"");
  for (int k = 1; k <= records; ++k) {
    APPKEY_DATA& rec = set.buttons[k - 1];
    const std::u16string key = std::u16string(kDefaultSetKey) + u"\\AppKey" + DecimalText(store.StorageSlot(k));
    rec.code = Trim(store.GetRegString(hklm, key, u"Execute", u""));
    rec.count = UsableCount(store.GetRegDword(hklm, key, u"NumAP", 0));
    rec.name = store.GetRegString(hklm, key, u"DispTitle", u"");
    for (int j = 1; j <= kProgramsPerButton; ++j)
      SplitCommand(store.GetRegString(hklm, key, u"AP" + DecimalText(j), u""), rec.command[j - 1],
                   rec.parameters[j - 1]);
  }
}

// Flat values of Default\USER1 named as the profile file's keys; no renumbering.
void ReadProfileLayout(const SettingsStore& store, int records, USER_DATA& set) {
  const Hive hklm = Hive::LocalMachine;
  set.name = store.GetRegString(hklm, kDefaultUserKey, u"UserName", u"");
  for (int k = 1; k <= records; ++k) {
    APPKEY_DATA& rec = set.buttons[k - 1];
    const std::u16string prefix = u"Btn" + DecimalText(k);
    rec.code = Trim(store.GetRegString(hklm, kDefaultUserKey, prefix + u"_Exec", u""));
    // The count is stored as decimal text in this layout.
    rec.count = UsableCount(DecimalValue(store.GetRegString(hklm, kDefaultUserKey, prefix + u"_NumAP", u"")));
    rec.name = store.GetRegString(hklm, kDefaultUserKey, prefix + u"_Name", u"");
    for (int j = 1; j <= kProgramsPerButton; ++j)
      SplitCommand(store.GetRegString(hklm, kDefaultUserKey, prefix + u"_AP" + DecimalText(j), u""), rec.command[j - 1],
                   rec.parameters[j - 1]);
  }
}

}  // namespace

USER_DATA BuildDefaultTable(const SettingsStore& store, int recordsInUse) {
  USER_DATA set;
  const int records = recordsInUse < 0 ? 0 : (recordsInUse > kButtonSlots ? kButtonSlots : recordsInUse);
  if (store.useIniFile)
    ReadProfileLayout(store, records, set);
  else
    ReadRegistryLayout(store, records, set);
  return set;
}

}  // namespace tapstart
