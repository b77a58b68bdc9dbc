// What the registration dialog and the wizard offer as list sources, read once when they open: the machine's
// switches, the Media Center, IME and shortcut-key lists.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "registration/ListSources.h"
#include "registration/ShortcutKeys.h"
#include "registration/SourceData.h"
#include "store/SettingsStore.h"

namespace tapstart {

// "UTLSetting\DispSetting" of the machine tree; each switch is on only at exactly 1.
struct DispSwitches {
  bool delSerial = false;  // the sequential launch method is not offered
  bool okDisable = false;  // OK stays disabled until the record changes
  bool addHelp = false;    // the Help button is shown
  bool operator==(const DispSwitches&) const = default;
};
DispSwitches ReadDispSwitches(const SettingsStore& store);

// "UTLSetting\ProgramGroup" of the machine tree: the optional program sources.
struct ProgramGroups {
  bool ieMenu = false;
  bool mcMenu = false;
  bool ime = false;
  bool operator==(const ProgramGroups&) const = default;
};
ProgramGroups ReadProgramGroups(const SettingsStore& store);

// The data files' names (the string table's, the same in every language).
struct DatFileNames {
  std::u16string commandList = u"ZEBCODE.DAT";
  std::u16string mediaCenter = u"ZEBMCMNU.DAT";
  std::u16string ime = u"ZEBIME.DAT";
};

struct RegistrationSources {
  std::vector<MCE_DATA> mediaCenter;  // at most kMediaCenterEntries
  std::vector<MCE_DATA> ime;
  ShortcutKeyList keys;
  bool offerMediaCenter = false;  // the Media Center tab stays: switched on and the file gave entries
  bool offerIme = false;          // the IME tab exists: Japanese, switched on and the file gave entries
};

// Reads one data file by name; no records when it is missing or unreadable.
using DatReader = std::function<std::vector<DAT_FILE_DATA>(std::u16string_view name)>;

// A data file whose source is switched off is not read at all; the IME file is read for a Japanese user
// interface only.
RegistrationSources LoadRegistrationSources(const SettingsStore& store, bool japanese, const DatReader& read,
                                            const DatFileNames& names = {});

}  // namespace tapstart
