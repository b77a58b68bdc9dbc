// Splitting a stored command and choosing its working directory.
#include "StoredCommand.h"

#include "CommandLine.h"

namespace tapstart::launcher {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

StoredCommand SplitStored(std::u16string_view stored) {
  const size_t bar = stored.find(u'|');
  if (bar == std::u16string_view::npos) return {stored, {}};
  return {stored.substr(0, bar), Trimmed(stored.substr(bar + 1))};
}

bool IsEmptyProgram(std::u16string_view program) { return Trimmed(Unquoted(Trimmed(program))).empty(); }

std::u16string_view WorkingDirectory(std::u16string_view program) {
  const std::u16string_view path = Unquoted(program);
  const size_t last = path.rfind(u'\\');
  if (last == std::u16string_view::npos || last == 0) return {};
  const bool driveRoot = last == 2 && path[1] == u':';
  return path.substr(0, driveRoot ? last + 1 : last);
}

}  // namespace tapstart::launcher
