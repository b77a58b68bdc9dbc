// The store backend over the real registry and the system's profile functions.
#pragma once

#include "StoreBackend.h"

namespace tapstart {

class RegistryStore final : public StoreBackend {
 public:
  bool CanOpenKey(Hive hive, std::u16string_view key) const override;
  std::optional<RegValue> QueryValue(Hive hive, std::u16string_view key, std::u16string_view name,
                                     size_t maxBytes) const override;
  [[nodiscard]] bool SetValue(std::u16string_view key, std::u16string_view name, const RegValue& value) override;

  std::u16string ProfileRead(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                                   std::u16string_view fallback, size_t bufferChars) const override;
  int32_t ProfileReadInt(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                         int32_t fallback) const override;
  [[nodiscard]] bool ProfileWrite(std::u16string_view file, std::u16string_view section,
                                        std::u16string_view key, std::u16string_view text) override;
};

// The full path of a profile file: a bare name lives in the Windows directory.
std::wstring ProfilePath(std::u16string_view file);

}  // namespace tapstart
