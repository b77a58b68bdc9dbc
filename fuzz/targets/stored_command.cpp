// A stored command split as the settings program and the launcher split it, the launcher's folder and command
// line, and the saved form joined again.
#include "FuzzInput.h"
#include "launcher/CommandLine.h"
#include "launcher/StoredCommand.h"
#include "store/Text.h"
#include "store/UserData.h"

using namespace tapstart;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::u16string stored = fuzz::RemainingUtf16(in);
  const size_t bar = stored.find(u'|');

  std::u16string command, parameters;
  SplitCommand(stored, command, parameters);
  if (bar == std::u16string::npos) {
    fuzz::Check(command == stored && parameters.empty());
  } else {
    fuzz::Check(command + u"|" + parameters == stored);
  }

  const launcher::StoredCommand split = launcher::SplitStored(stored);
  fuzz::Check(split.program ==
              std::u16string_view(stored).substr(0, bar == std::u16string::npos ? stored.size() : bar));
  fuzz::Check(split.parameters.empty() || (!IsBlank(split.parameters.front()) && !IsBlank(split.parameters.back())));
  const std::u16string_view folder = launcher::WorkingDirectory(split.program);
  const std::u16string_view unquoted = launcher::Unquoted(split.program);
  fuzz::Check(unquoted.substr(0, folder.size()) == folder);
  if (!launcher::IsEmptyProgram(split.program)) {
    const std::u16string line = launcher::ProcessCommandLine(split.program, split.parameters);
    fuzz::Check(line.front() == u'"');
    fuzz::Check(line.size() >= split.program.size() + split.parameters.size());
  }
  return 0;
}
