// The start-up rules of the settings program: which command lines it accepts, and its single-instance name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/SettingsStore.h"

namespace tapstart {

struct StartRequest {
  bool accepted = false;
  std::u16string commandLineText;  // the joined, trimmed command line, letter case kept
  int32_t initialTab = -1;         // "/t:N"
  bool wizardOnly = false;         // "/w:N"
  int32_t wizardButton = 0;
  bool pressAfterWizard = false;  // "/w:N /ap"
};

// Joins the arguments after the program's own with single blanks and trims the result.
std::u16string JoinArguments(const std::vector<std::u16string>& argumentsAfterProgram);

// Decides on a joined command line; the hardware and single-instance checks are separate.
StartRequest ParseStartSwitch(std::u16string_view joined);

// The keyboard type as text: the user's "ZebKeyboard", or the machine's "ZEBPAD" when that reads "0".
std::u16string ReadKeyboardType(const SettingsStore& store);
// "0" (or " 0") means a machine without launch buttons.
bool HasLaunchButtons(std::u16string_view keyboardType);

// Reads "ZEBINI" from the machine tree: non-zero moves the user settings into the profile file.
bool ReadUseIniFile(const SettingsStore& store);

// The single-instance event's name: the program's full path, "\" as "*", in lower case.
std::u16string StartupEventName(std::u16string_view programPath);

}  // namespace tapstart
