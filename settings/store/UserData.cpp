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

LaunchCode ReadLaunchCode(std::u16string_view code) {
  if (code.size() != 1) return LaunchCode::kUnknown;
  switch (code[0]) {
    case u'M':
    case u'm':
      return LaunchCode::kSingle;
    case u'K':
    case u'k':
      return LaunchCode::kKey;
    case u'S':
    case u's':
      return LaunchCode::kSequential;
    case u'P':
    case u'p':
      return LaunchCode::kSimultaneous;
    default:
      return LaunchCode::kUnknown;
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
