// Shared helper rules of the settings program, kept apart from the system calls that act on them.
#include "Helpers.h"

#include "store/StoreLayout.h"
#include "store/Text.h"

namespace tapstart {

std::u16string SplitAtLast(std::u16string_view text, bool takeAfter, std::u16string_view separator) {
  if (separator.empty()) return std::u16string(text);
  size_t last = std::u16string_view::npos;
  for (size_t hit = text.find(separator); hit != std::u16string_view::npos; hit = text.find(separator, hit + 1))
    last = hit;
  if (last == std::u16string_view::npos) return std::u16string(text);
  return std::u16string(takeAfter ? text.substr(last + 1) : text.substr(0, last));
}

bool IsOwnSetupButton(const SettingsStore& store, int b) {
  if (b < 1 || b > 32) return false;
  const auto bits = static_cast<uint32_t>(store.GetRegDword(Hive::LocalMachine, kProductKey, u"GLIMSET", 0));
  return ((bits >> (b - 1)) & 1u) != 0;
}

std::u16string OwnSetupParameters(int b) { return u"/AppKey" + DecimalText(b) + u" /PANTIK"; }

std::u16string OwnSetupFile(std::u16string_view programPath) {
  const auto slash = programPath.rfind(u'\\');
  std::u16string dir(slash == std::u16string_view::npos ? std::u16string_view{} : programPath.substr(0, slash + 1));
  if (dir.empty() || dir.back() != u'\\') dir.push_back(u'\\');
  return dir + u"SETMAIL\\登録してください.exe";
}

}  // namespace tapstart
