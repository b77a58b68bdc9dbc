// The rules a setting set's name must pass before the input box accepts it.
#include "NameRules.h"

#include <algorithm>

#include "res/resource.h"

namespace tapstart {

NameError CheckSetName(std::u16string_view name, const std::vector<std::u16string>& existing,
                       const AnsiByteCounter& ansiBytes) {
  if (name.empty()) return NameError::Empty;
  if (std::find(existing.begin(), existing.end(), name) != existing.end()) return NameError::AlreadyUsed;
  if (ansiBytes(name) > kMaxSetNameBytes) return NameError::TooLong;
  return NameError::None;
}

unsigned NameErrorMessageId(NameError error) {
  switch (error) {
    case NameError::Empty:
      return IDS_NAME_EMPTY;
    case NameError::AlreadyUsed:
      return IDS_NAME_IN_USE;
    case NameError::TooLong:
      return IDS_NAME_TOO_LONG;
    case NameError::None:
      break;
  }
  return 0;
}

}  // namespace tapstart
