// The registration dialog's questions to the system: is a path a folder, what does an Internet shortcut hold.
#pragma once

#include "registration/SetApModel.h"

namespace tapstart {

class SetApSystem final : public SetApEnvironment {
 public:
  bool FolderOrUnknown(std::u16string_view path) const override;
  std::u16string InternetShortcutUrl(std::u16string_view path) const override;
};

}  // namespace tapstart
