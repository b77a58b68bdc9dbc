// Command-line text shared by the launcher and the starter.
#include "CommandLine.h"

namespace tapstart::launcher {

std::u16string_view ArgumentText(std::u16string_view line) {
  size_t i = 0;
  if (!line.empty() && line[0] == u'"') {
    i = line.find(u'"', 1);
    i = i == std::u16string_view::npos ? line.size() : i + 1;
  } else {
    while (i < line.size() && line[i] > u' ') ++i;
  }
  // The runtime skips every control character and blank here, not only spaces and tabs.
  while (i < line.size() && line[i] <= u' ') ++i;
  return line.substr(i);
}

std::u16string_view Unquoted(std::u16string_view path) {
  if (path.empty() || path.front() != u'"') return path;
  path.remove_prefix(1);
  const size_t close = path.find(u'"');
  return close == std::u16string_view::npos ? path : path.substr(0, close);
}

std::u16string QuotedProgram(std::u16string_view path) {
  if (path.empty() || path.front() == u'"') return std::u16string(path);
  std::u16string out;
  out.reserve(path.size() + 2);
  out += u'"';
  out += path;
  out += u'"';
  return out;
}

std::u16string ProcessCommandLine(std::u16string_view program, std::u16string_view parameters) {
  std::u16string out = QuotedProgram(program);
  if (!parameters.empty()) {
    out += u' ';
    out += parameters;
  }
  return out;
}

}  // namespace tapstart::launcher
