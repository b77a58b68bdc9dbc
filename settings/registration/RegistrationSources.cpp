// The list sources and switches of the registration dialog and the wizard.
#include "RegistrationSources.h"

namespace tapstart {
namespace {

bool SwitchOn(const SettingsStore& store, std::u16string_view key, std::u16string_view value) {
  return store.GetRegDword(Hive::LocalMachine, key, value, 0) == 1;
}

std::u16string UtlKey(std::u16string_view sub) { return std::u16string(kUtlSettingKey) + u"\\" + std::u16string(sub); }

}  // namespace

DispSwitches ReadDispSwitches(const SettingsStore& store) {
  const std::u16string key = UtlKey(u"DispSetting");
  return {SwitchOn(store, key, u"DelSerial"), SwitchOn(store, key, u"OKDisable"), SwitchOn(store, key, u"AddHelp")};
}

ProgramGroups ReadProgramGroups(const SettingsStore& store) {
  const std::u16string key = UtlKey(u"ProgramGroup");
  return {SwitchOn(store, key, u"IEMenu"), SwitchOn(store, key, u"MCMenu"), SwitchOn(store, key, u"IME")};
}

RegistrationSources LoadRegistrationSources(const SettingsStore& store, bool japanese, const DatReader& read,
                                            const DatFileNames& names) {
  const ProgramGroups groups = ReadProgramGroups(store);
  RegistrationSources sources;
  if (groups.mcMenu) sources.mediaCenter = MediaCenterTable(read(names.mediaCenter));
  sources.offerMediaCenter = !sources.mediaCenter.empty();
  sources.keys = LoadShortcutKeys(read(names.commandList), store);
  if (japanese && groups.ime) sources.ime = ImeTable(read(names.ime));
  sources.offerIme = !sources.ime.empty();
  return sources;
}

}  // namespace tapstart
