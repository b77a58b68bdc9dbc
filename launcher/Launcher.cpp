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

// The stored value under the store's lock. After the wait the value is read all the same: a read changes
// nothing, and a button press never waits on a program that hangs holding the store.
std::u16string ReadStoredLocked(const LaunchPlan& plan, LauncherSystem& system, StoreLock& storeLock) {
  StoreHolds holds(storeLock);
  const StoreHold hold(holds);
  return ReadStored(plan, system);
}

}  // namespace

void Launch(std::u16string_view switchText, LauncherSystem& system, StoreLock& storeLock) {
  const LaunchPlan plan = PlanFor(switchText);
  if (plan.source == Source::Nothing) return;
  const std::u16string stored = ReadStoredLocked(plan, system, storeLock);
  const StoredCommand command = plan.split ? SplitStored(stored) : StoredCommand{stored, {}};
  if (plan.mustExist && (IsEmptyProgram(command.program) || !system.Exists(Unquoted(command.program)))) {
    system.ReportKeyboardToolMissing();
    return;
  }
  // An empty program part (nothing before the bar, quotes or blanks only) names nothing: handed to the shell it
  // would open a folder window, or under Wine an error box that keeps the launcher waiting.
  if (IsEmptyProgram(command.program)) return;

  if (plan.mayStartDirectly && system.ReadDword(Hive::LocalMachine, kMachineKey, kDirectStartValue) == 1u) {
    const uint32_t error = system.StartProcess(ProcessCommandLine(command.program, command.parameters));
    if (error == 0 || error == kStartCancelled) return;
  }
  system.StartThroughShell(
      {Unquoted(command.program), command.parameters, WorkingDirectory(command.program), plan.show});
}

}  // namespace tapstart::launcher
