// The rules a setting set's name must pass before the input box accepts it.
#include "NameRules.h"

#include <algorithm>

namespace tapstart {

NameError CheckSetName(std::u16string_view name, const std::vector<std::u16string>& existing,
                       const AnsiByteCounter& ansiBytes) {
  if (name.empty()) return NameError::Empty;
  if (std::find(existing.begin(), existing.end(), name) != existing.end()) return NameError::AlreadyUsed;
  if (ansiBytes(name) > kMaxSetNameBytes) return NameError::TooLong;
  return NameError::None;
}

int NameErrorMessageId(NameError error) {
  switch (error) {
    case NameError::Empty:
      return 3057;  // "Please input name."
    case NameError::AlreadyUsed:
      return 3055;  // "This name is already used.\nPlease enter another name."
    case NameError::TooLong:
      return 3058;  // "Pattern name must be less than 20 characters."
    case NameError::None:
      break;
  }
  return 0;
}

}  // namespace tapstart
