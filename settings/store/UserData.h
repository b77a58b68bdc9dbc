// The records of one setting set: USER_DATA with its eight APPKEY_DATA button records.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tapstart {

constexpr int kProgramsPerButton = 5;
constexpr int kButtonSlots = 8;     // records 0-4 desktop buttons 1-5, records 5-7 notebook buttons 1-3
constexpr size_t kNameLimit = 129;  // button names as the pages show and edit them

// One button.
struct APPKEY_DATA {
  std::u16string name;  // button name, shown by the on-screen display
  std::u16string code;  // launch code: "M" one program, "S" in sequence, "P" at once, "K" a shortcut key
  int32_t count = 0;    // programs in use, 0 to 5, packed from slot 1
  std::array<std::u16string, kProgramsPerButton> command;
  std::array<std::u16string, kProgramsPerButton> parameters;
  std::array<std::u16string, kProgramsPerButton> title;

  bool operator==(const APPKEY_DATA&) const = default;
};

// One setting set ("pattern").
struct USER_DATA {
  std::u16string name;
  std::array<APPKEY_DATA, kButtonSlots> buttons;

  bool operator==(const USER_DATA&) const = default;
};

// A record's launch code as every reader takes it: one letter, lower case reading as upper case.
enum class LaunchCode { kUnknown, kSingle, kKey, kSequential, kSimultaneous };  // "M", "K", "S", "P"
LaunchCode ReadLaunchCode(std::u16string_view code);

// Splits a stored command at its first "|" into the program and its parameters.
void SplitCommand(std::u16string_view stored, std::u16string& command, std::u16string& parameters);

// The comparison behind "Settings have changed": names, codes, counts, commands and parameters of the
// records in use, compared exactly; titles and the set's name do not count.
bool IsUserDataEqual(const USER_DATA& a, const USER_DATA& b, int recordsInUse);

}  // namespace tapstart
