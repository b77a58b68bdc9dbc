// The machine's switches that shape the wizard, read once when it starts.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "store/SettingsStore.h"
#include "wizard/WizardSources.h"

namespace tapstart {

struct WizardMachine {
  int32_t qstart = 0;        // notebook labels "Fn + n"
  int32_t keyboardBits = 0;  // the user's ZebKeyboard, or the machine's ZEBPAD when that reads 0
  SourceSwitches sources;    // UTLSetting\ProgramGroup
  int32_t delSerial = 0;     // UTLSetting\DispSetting: no "sequential" launch method
  int32_t addHelp = 0;       // UTLSetting\DispSetting: a Help button
  // UTLSetting\ButtonName "AppKey1" to "AppKey8"; empty when missing.
  std::array<std::u16string, kButtonSlots> buttonNames;
  // Button b (from 1) at b - 1: the maker's own set-up program serves it (GLIMSET).
  std::array<bool, kButtonSlots> ownSetup{};
};

WizardMachine ReadWizardMachine(const SettingsStore& store);

}  // namespace tapstart
