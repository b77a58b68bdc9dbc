// The seam through which the launcher reads the store and starts programs; Win32 in the program, in memory in tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tapstart::launcher {

enum class Hive { CurrentUser, LocalMachine };

// A start through the shell: the program, its parameters, its folder (empty: none given) and its show state.
struct ShellStart {
  std::u16string_view file;
  std::u16string_view parameters;
  std::u16string_view directory;
  int show = 1;
};

// Error code of a start that the user cancelled (ERROR_CANCELLED).
inline constexpr uint32_t kStartCancelled = 1223;

class LauncherSystem {
 public:
  virtual ~LauncherSystem() = default;
  // A text value; nothing when the key or the value is missing or not a text.
  virtual std::optional<std::u16string> ReadString(Hive hive, std::u16string_view key, std::u16string_view name) = 0;
  // A 32-bit value; nothing when the key or the value is missing or not 4 bytes of REG_DWORD.
  virtual std::optional<uint32_t> ReadDword(Hive hive, std::u16string_view key, std::u16string_view name) = 0;
  // A key of a section of the profile file in the Windows directory; empty when missing.
  virtual std::u16string ReadProfile(std::u16string_view file, std::u16string_view section,
                                     std::u16string_view key) = 0;
  // Whether a file or folder exists at the path.
  virtual bool Exists(std::u16string_view path) = 0;
  // Starts a new process from a command line in the launcher's own folder and environment; 0 when it started,
  // else the system's error code.
  virtual uint32_t StartProcess(std::u16string_view commandLine) = 0;
  // Hands the program to the shell; whatever happens then is the shell's to report.
  virtual void StartThroughShell(const ShellStart& start) = 0;
  // Tells the user that the keyboard tool is not installed.
  virtual void ReportKeyboardToolMissing() = 0;
};

}  // namespace tapstart::launcher
