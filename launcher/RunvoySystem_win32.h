// The launcher's seam on Win32: the registry, the profile file, CreateProcessW and ShellExecuteExW.
#pragma once

#include <windows.h>

#include "LauncherSystem.h"

namespace tapstart::launcher {

class RunvoySystem final : public LauncherSystem {
 public:
  explicit RunvoySystem(HINSTANCE instance) : instance_(instance) {}

  std::optional<std::u16string> ReadString(Hive hive, std::u16string_view key, std::u16string_view name) override;
  std::optional<uint32_t> ReadDword(Hive hive, std::u16string_view key, std::u16string_view name) override;
  std::u16string ReadProfile(std::u16string_view file, std::u16string_view section, std::u16string_view key) override;
  bool Exists(std::u16string_view path) override;
  uint32_t StartProcess(std::u16string_view commandLine) override;
  void StartThroughShell(const ShellStart& start) override;
  void ReportKeyboardToolMissing() override;

 private:
  // The window a started program or a message box belongs to.
  HWND OwnerWindow();
  // Lets a started program (a process id, or ASFW_ANY) take the foreground.
  void LetStartedProgramTakeForeground(DWORD processId);

  HINSTANCE instance_;
};

}  // namespace tapstart::launcher
