// Reads the wizard's machine switches through the settings store.
#include "wizard/WizardMachine.h"

#include "app/Helpers.h"
#include "store/Text.h"

namespace tapstart {
namespace {

int32_t KeyboardBits(const SettingsStore& store) {
  const int32_t user = store.GetProfileNumber(u"VARDENZEB", u"ZebKeyboard", u"0", store.profileFile);
  return user != 0 ? user : store.GetRegDword(Hive::LocalMachine, kProductKey, u"ZEBPAD", 0);
}

}  // namespace

WizardMachine ReadWizardMachine(const SettingsStore& store) {
  WizardMachine m;
  const std::u16string utl(kUtlSettingKey);
  m.qstart = store.GetRegDword(Hive::LocalMachine, kProductKey, u"QSTART", 0);
  m.keyboardBits = KeyboardBits(store);
  const std::u16string group = utl + u"\\ProgramGroup";
  m.sources.mcMenu = store.GetRegDword(Hive::LocalMachine, group, u"MCMenu", 0);
  m.sources.ieMenu = store.GetRegDword(Hive::LocalMachine, group, u"IEMenu", 0);
  m.sources.ime = store.GetRegDword(Hive::LocalMachine, group, u"IME", 0);
  const std::u16string disp = utl + u"\\DispSetting";
  m.delSerial = store.GetRegDword(Hive::LocalMachine, disp, u"DelSerial", 0);
  m.addHelp = store.GetRegDword(Hive::LocalMachine, disp, u"AddHelp", 0);
  for (int b = 1; b <= kButtonSlots; ++b) {
    m.buttonNames[b - 1] =
        store.GetRegString(Hive::LocalMachine, utl + u"\\ButtonName", u"AppKey" + DecimalText(b), u"");
    m.ownSetup[b - 1] = IsOwnSetupButton(store, b);
  }
  return m;
}

}  // namespace tapstart
