// The store backend over the real registry and the system's profile functions.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>

#include "StoreBackend.h"
#include "ui/Handles_win32.h"

namespace tapstart {

// Keys opened for reading stay open for the store's life: loading a setting set reads a hundred values from a
// handful of keys, and under Wine every open and close is a trip to the server. Writes open their own key.
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
  [[nodiscard]] bool ProfileWrite(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                                  std::u16string_view text) override;

 private:
  // The open read handle of a key, or nullptr when the key cannot be opened (that answer is not kept: the
  // key may be made later).
  HKEY ReadKey(Hive hive, std::u16string_view key) const;
  void ForgetReadKey(Hive hive, std::u16string_view key) const;

  mutable std::map<std::pair<Hive, std::u16string>, RegKey> readKeys_;
};

// The full path of a profile file: a bare name lives in the Windows directory.
std::wstring ProfilePath(std::u16string_view file);

}  // namespace tapstart
