// Register's decisions.
#include "StarterRules.h"

#include "launcher/CommandLine.h"

namespace tapstart::starter {

std::u16string_view SwitchFor(std::u16string_view arguments) {
  if (arguments.empty()) return u"/t:1";
  if (arguments == u"/t:1" || arguments == u"/t:0" || arguments == u"/k") return arguments;
  return {};
}

bool KeepsSingleInstance(std::u16string_view mutexName) { return !mutexName.empty() && mutexName.size() < 100; }

SettingsStart SettingsStartFor(std::u16string_view ownPath, std::u16string_view switchText) {
  SettingsStart start;
  const size_t last = ownPath.rfind(u'\\');
  start.directory = ownPath.substr(0, last == std::u16string_view::npos ? ownPath.size() : last + 1);
  start.commandLine = launcher::ProcessCommandLine(start.directory + u"pantik.exe", switchText);
  return start;
}

}  // namespace tapstart::starter
