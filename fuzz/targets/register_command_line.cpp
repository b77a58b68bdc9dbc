// Register's command line: the switch it passes on, its single-instance rule, and the settings program's start.
#include "FuzzInput.h"
#include "starter/StarterRules.h"

using namespace tapstart;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::u16string ownPath = fuzz::Utf16Text(in, 400);
  const std::u16string mutexName = fuzz::Utf16Text(in, 200);
  const std::u16string arguments = fuzz::RemainingUtf16(in);
  const std::u16string_view chosen = starter::SwitchFor(arguments);
  fuzz::Check(chosen.empty() || chosen == u"/t:1" || chosen == u"/t:0" || chosen == u"/k");
  const bool single = starter::KeepsSingleInstance(mutexName);
  fuzz::Check(single == (!mutexName.empty() && mutexName.size() < 100));
  const starter::SettingsStart start = starter::SettingsStartFor(ownPath, chosen);
  fuzz::Check(start.directory.empty() || start.directory.back() == u'\\' || start.directory == ownPath);
  fuzz::Check(start.commandLine.size() >= chosen.size());
  return 0;
}
