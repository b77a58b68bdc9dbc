// What Runvoy's one switch asks for: where the program is stored, how the stored text is read, and how the
// program is started.
#pragma once

#include <string>
#include <string_view>

namespace tapstart::launcher {

// Registry keys and names the launcher reads (registry names compare without letter case).
inline constexpr char16_t kMachineKey[] = u"SOFTWARE\\Varden\\VARDENZEB\\Runvoy";
inline constexpr char16_t kDirectStartValue[] = u"API";
inline constexpr char16_t kUserButtonsKey[] = u"SOFTWARE\\Varden\\VARDENZEB\\SETTING\\";
inline constexpr char16_t kDefaultButtonsKey[] = u"SOFTWARE\\Varden\\VARDENZEB\\Default\\SETTING\\";
inline constexpr char16_t kButtonProgramValue[] = u"AP1";
// The profile file in the Windows directory and its one section the launcher reads.
inline constexpr char16_t kProfileFile[] = u"vardenzeb.ini";
inline constexpr char16_t kProfileSection[] = u"USER1";

// ShowWindow states the launcher asks for.
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMaximized = 3;

enum class Source {
  Nothing,       // an unknown switch: nothing is read or started
  MachineValue,  // a value of kMachineKey under the machine tree
  ProfileKey,    // a key of section kProfileSection in the profile file
  UserButton,    // "AP1" of a button key in the user tree, else in the machine's factory defaults
};

struct LaunchPlan {
  Source source = Source::Nothing;
  // MachineValue: the value name; ProfileKey: the key; UserButton: the key path below the buttons' root.
  std::u16string_view name;
  // Split "program|parameters"; the keyboard tool's value is a bare path.
  bool split = true;
  // "/KBIN": the program must exist, and its absence is reported.
  bool mustExist = false;
  int show = kShowNormal;
  // Machine programs may be started as a process first, when the machine value "API" is 1.
  bool mayStartDirectly = false;
};

// Reads the switch, the whole text after the program name. The fixed switches compare with letter case;
// "/" and B or b names a profile key, "/" and S or s a button key, the letter being part of the name.
LaunchPlan PlanFor(std::u16string_view switchText);

}  // namespace tapstart::launcher
