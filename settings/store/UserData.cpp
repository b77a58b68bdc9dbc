// Records of a setting set and the rules that read them.
#include "UserData.h"

namespace tapstart {

void SplitCommand(std::u16string_view stored, std::u16string& command, std::u16string& parameters) {
  const auto bar = stored.find(u'|');
  if (bar == std::u16string_view::npos) {
    command = std::u16string(stored);
    parameters.clear();
  } else {
    command = std::u16string(stored.substr(0, bar));
    parameters = std::u16string(stored.substr(bar + 1));
  }
}

bool IsUserDataEqual(const USER_DATA& a, const USER_DATA& b, int recordsInUse) {
  for (int i = 0; i < recordsInUse && i < kButtonSlots; ++i) {
    const auto& x = a.buttons[i];
    const auto& y = b.buttons[i];
    if (x.name != y.name || x.code != y.code || x.count != y.count || x.command != y.command ||
        x.parameters != y.parameters)
      return false;
  }
  return true;
}

}  // namespace tapstart
