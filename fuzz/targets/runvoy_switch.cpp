// Runvoy's command line and switch, and its whole run over a store whose values are the fuzzer's: at most one
// start, never of an empty program, and a direct start only for the machine's programs.
#include "FuzzInput.h"
#include "launcher/CommandLine.h"
#include "launcher/LaunchPlan.h"
#include "launcher/Launcher.h"
#include "launcher/StoredCommand.h"
#include "store/StoreLock.h"

using namespace tapstart;
using namespace tapstart::launcher;

namespace {

// Every read answers with the fuzzer's text (or nothing), and every start is counted.
class FuzzedSystem final : public LauncherSystem {
 public:
  explicit FuzzedSystem(FuzzedDataProvider& in) : in_(in) {}
  int starts = 0;
  bool direct = false;
  std::u16string started;

  std::optional<std::u16string> ReadString(Hive, std::u16string_view, std::u16string_view) override {
    if (!in_.ConsumeBool()) return std::nullopt;
    return fuzz::Utf16Text(in_, 300);
  }
  std::optional<uint32_t> ReadDword(Hive, std::u16string_view, std::u16string_view) override {
    if (!in_.ConsumeBool()) return std::nullopt;
    return in_.ConsumeIntegral<uint32_t>() % 3;
  }
  std::u16string ReadProfile(std::u16string_view, std::u16string_view, std::u16string_view) override {
    return fuzz::Utf16Text(in_, 300);
  }
  bool Exists(std::u16string_view) override { return in_.ConsumeBool(); }
  uint32_t StartProcess(std::u16string_view line) override {
    fuzz::Check(!line.empty());
    direct = true;
    return in_.ConsumeBool() ? 0 : (in_.ConsumeBool() ? kStartCancelled : 2);
  }
  void StartThroughShell(const ShellStart& s) override {
    ++starts;
    started = std::u16string(s.file);
    fuzz::Check(!IsEmptyProgram(s.file));
    fuzz::Check(s.show == kShowNormal || s.show == kShowMaximized);
  }
  void ReportKeyboardToolMissing() override {}

 private:
  FuzzedDataProvider& in_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::u16string line = fuzz::Utf16Text(in, 300);
  const std::u16string_view args = ArgumentText(line);
  fuzz::Check(args.size() <= line.size());
  fuzz::Check(args.empty() || args.front() > u' ');
  const LaunchPlan plan = PlanFor(args);
  fuzz::Check(plan.source != Source::Nothing || plan.name.empty());
  fuzz::Check(!plan.mayStartDirectly || plan.source == Source::MachineValue);
  FuzzedSystem system(in);
  UnsharedStore lock;
  Launch(args, system, lock);
  fuzz::Check(system.starts <= 1);
  fuzz::Check(!system.direct || plan.mayStartDirectly);
  return 0;
}
