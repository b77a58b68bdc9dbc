// The seam through which the settings store reaches the registry and the profile file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tapstart {

enum class Hive { CurrentUser, LocalMachine };

// Registry value types as the system numbers them.
enum RegType : uint32_t {
  kRegNone = 0,
  kRegSz = 1,
  kRegExpandSz = 2,
  kRegBinary = 3,
  kRegDword = 4,
  kRegMultiSz = 7,
};

struct RegValue {
  uint32_t type = kRegNone;
  std::vector<uint8_t> data;
  bool operator==(const RegValue&) const = default;
};

class StoreBackend {
 public:
  virtual ~StoreBackend() = default;

  // True when the key exists and opens for reading.
  virtual bool CanOpenKey(Hive hive, std::u16string_view key) const = 0;
  // The value's type and bytes when the key opens for reading, the value exists and holds at most maxBytes.
  virtual std::optional<RegValue> QueryValue(Hive hive, std::u16string_view key, std::u16string_view name,
                                             size_t maxBytes) const = 0;
  // Creates or opens the key under HKEY_CURRENT_USER and stores the value.
  [[nodiscard]] virtual bool SetValue(std::u16string_view key, std::u16string_view name, const RegValue& value) = 0;

  // The system's private-profile functions: a string read with a buffer of bufferChars characters,
  // an integer read, a string write. A bare file name lives in the Windows directory.
  virtual std::u16string ProfileRead(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                                     std::u16string_view fallback, size_t bufferChars) const = 0;
  virtual int32_t ProfileReadInt(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                                 int32_t fallback) const = 0;
  [[nodiscard]] virtual bool ProfileWrite(std::u16string_view file, std::u16string_view section,
                                          std::u16string_view key, std::u16string_view text) = 0;
};

}  // namespace tapstart
