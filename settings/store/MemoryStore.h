// In-memory store backend that behaves as the registry and the profile functions do; native tests run on it.
#pragma once

#include <map>
#include <set>
#include <string>

#include "StoreBackend.h"

namespace tapstart {

class MemoryStore final : public StoreBackend {
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

  // Seeding and inspection, in any hive (the system writes HKEY_CURRENT_USER only).
  void Put(Hive hive, std::u16string_view key, std::u16string_view name, const RegValue& value);
  std::optional<RegValue> Get(Hive hive, std::u16string_view key, std::u16string_view name) const;
  void PutKey(Hive hive, std::u16string_view key);
  // A key that exists but refuses to open for reading.
  void DenyRead(Hive hive, std::u16string_view key);
  // Refuses every write under this key and below it (a key that cannot be created).
  void DenyWrite(std::u16string_view key);
  // Seeds the line "key=raw" of a profile file as another program would write it, raw kept as it is.
  void PutProfileLine(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                      std::u16string_view raw);
  // Deletes a profile file.
  void RemoveProfile(std::u16string_view file);
  // The raw line as the profile file holds it, before the read normalises it.
  std::optional<std::u16string> RawProfile(std::u16string_view file, std::u16string_view section,
                                           std::u16string_view key) const;

 private:
  using Values = std::map<std::u16string, RegValue>;  // value name in lower case
  static std::u16string KeyId(Hive hive, std::u16string_view key);
  std::map<std::u16string, Values> keys_;
  std::set<std::u16string> unreadable_;
  std::set<std::u16string> unwritable_;
  // file -> section -> key, names in lower case
  std::map<std::u16string, std::map<std::u16string, std::map<std::u16string, std::u16string>>> profiles_;
};

RegValue StringValue(std::u16string_view text, bool withTerminator = false);
RegValue DwordValue(uint32_t number);

}  // namespace tapstart
