// The start-up rules of the settings program: which command lines it accepts, and its single-instance name.
#pragma once

#include <cstdint>
#include <functional>
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

// Letter case folded as the file system compares file names (on Windows, the system's uppercase table applied to
// each UTF-16 unit); the same length as the text.
using CaseFolder = std::function<std::u16string(std::u16string_view)>;

// The single-instance event's name: the program's full path (at most 260 characters), "\" as "*", its letter case
// folded as the file system folds it, so that one file reached in two letter cases is one instance, in any script.
std::u16string StartupEventName(std::u16string_view programPath, const CaseFolder& fold);

}  // namespace tapstart
