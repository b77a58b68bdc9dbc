// Runvoy's one run over the launcher's seam.
#include "Launcher.h"

#include "CommandLine.h"
#include "LaunchPlan.h"
#include "StoredCommand.h"

namespace tapstart::launcher {
namespace {

// The stored text a plan names; empty when there is none.
std::u16string ReadStored(const LaunchPlan& plan, LauncherSystem& system) {
  switch (plan.source) {
    case Source::MachineValue:
      return system.ReadString(Hive::LocalMachine, kMachineKey, plan.name).value_or(std::u16string());
    case Source::ProfileKey:
      return system.ReadProfile(kProfileFile, kProfileSection, plan.name);
    case Source::UserButton: {
      // An empty user value counts as missing: the button then runs its factory default.
      std::u16string key(kUserButtonsKey);
      key += plan.name;
      std::u16string v = system.ReadString(Hive::CurrentUser, key, kButtonProgramValue).value_or(std::u16string());
      if (!v.empty()) return v;
      key.assign(kDefaultButtonsKey);
      key += plan.name;
      return system.ReadString(Hive::LocalMachine, key, kButtonProgramValue).value_or(std::u16string());
    }
    case Source::Nothing:
      break;
  }
  return {};
}

}  // namespace

void Launch(std::u16string_view switchText, LauncherSystem& system) {
  const LaunchPlan plan = PlanFor(switchText);
  if (plan.source == Source::Nothing) return;
  const std::u16string stored = ReadStored(plan, system);
  const StoredCommand command = plan.split ? SplitStored(stored) : StoredCommand{stored, {}};
  if (plan.mustExist && (command.program.empty() || !system.Exists(Unquoted(command.program)))) {
    system.ReportKeyboardToolMissing();
    return;
  }
  if (command.program.empty()) return;

  if (plan.mayStartDirectly && system.ReadDword(Hive::LocalMachine, kMachineKey, kDirectStartValue) == 1u) {
    const uint32_t error = system.StartProcess(ProcessCommandLine(command.program, command.parameters));
    if (error == 0 || error == kStartCancelled) return;
  }
  system.StartThroughShell(
      {Unquoted(command.program), command.parameters, WorkingDirectory(command.program), plan.show});
}

}  // namespace tapstart::launcher
