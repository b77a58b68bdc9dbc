// The settings store: registry primitives, profile operations over the mapping layer, and set records.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "StoreBackend.h"
#include "StoreLayout.h"
#include "StoreLock.h"
#include "UserData.h"

namespace tapstart {

inline constexpr std::u16string_view kProfileFileName = u"VARDENZEB.INI";
// A string value is read into 4096 bytes: 2047 characters and a terminating zero.
inline constexpr size_t kStringBufferBytes = 4096;
inline constexpr size_t kMaxTextChars = 2047;

class SettingsStore {
 public:
  // A store that other programs share takes their common lock around each operation.
  SettingsStore(StoreBackend& backend, StoreLock& lock) : backend_(backend), holds_(lock) {}
  // A store of this process alone.
  explicit SettingsStore(StoreBackend& backend) : SettingsStore(backend, unshared_) {}
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  // Process-wide values set during start-up and unchanged afterwards.
  std::u16string profileFile{kProfileFileName};
  bool useIniFile = false;
  int recordsInUse = 7;  // 7, or 5 plus the notebook button count when that is 1 to 3
  USER_DATA defaults;    // the factory-default set: defaults of every LoadUserData

  // Registry primitives. Reads never fail: a missing key or value, a value of another type, or one too
  // large for the buffer reads as the default. Writes go to HKEY_CURRENT_USER.
  std::u16string GetRegString(Hive hive, std::u16string_view key, std::u16string_view value,
                              std::u16string_view fallback) const;
  int32_t GetRegDword(Hive hive, std::u16string_view key, std::u16string_view value, int32_t fallback) const;
  [[nodiscard]] bool SetRegString(std::u16string_view key, std::u16string_view value, std::u16string_view text);
  [[nodiscard]] bool SetRegDword(std::u16string_view key, std::u16string_view value, int32_t number);
  bool KeyExists(Hive hive, std::u16string_view key) const { return backend_.CanOpenKey(hive, key); }

  // Profile operations: the profile file's sections and keys, kept in the user tree unless "ZEBINI" is set.
  std::u16string GetProfileText(std::u16string_view section, std::u16string_view key, std::u16string_view fallback,
                                std::u16string_view file) const;
  int32_t GetProfileNumber(std::u16string_view section, std::u16string_view key, std::u16string_view fallback,
                           std::u16string_view file) const;
  [[nodiscard]] bool WriteProfileText(std::u16string_view section, std::u16string_view key, std::u16string_view text,
                                      std::u16string_view file);
  std::u16string GetProfileText(std::u16string_view section, std::u16string_view key,
                                std::u16string_view fallback) const {
    return GetProfileText(section, key, fallback, profileFile);
  }
  [[nodiscard]] bool WriteProfileText(std::u16string_view section, std::u16string_view key, std::u16string_view text) {
    return WriteProfileText(section, key, text, profileFile);
  }
  int32_t ReadMainNumber(std::u16string_view key) const;

  std::u16string MapProfileRead(std::u16string_view section, std::u16string_view key,
                                std::u16string_view fallback) const;
  [[nodiscard]] bool MapProfileWrite(std::u16string_view section, std::u16string_view key, std::u16string_view text);

  // Set records. SaveUserData normalises the record as it writes it (blank name, trimmed parameters).
  void LoadUserData(int n, USER_DATA& record) const;
  [[nodiscard]] bool SaveUserData(int n, USER_DATA& record);

  // Holds the store's lock for an operation of several reads and writes, from its first read to its last write.
  // Every operation of this class holds it too; holds inside a hold share it. Held() is false when the wait timed
  // out: reads then go on, and every write is refused.
  StoreHold Hold() const { return StoreHold(holds_); }

  // The slot whose keys hold slot b (1-based): the machine's ConvAppKey remapping, or b itself.
  int StorageSlot(int b) const;

 private:
  bool Mapped(std::u16string_view file) const { return !useIniFile && file == profileFile; }
  StoreBackend& backend_;
  UnsharedStore unshared_;
  mutable StoreHolds holds_;
};

// The keys of the machine tree that several parts read.
inline constexpr std::u16string_view kUtlSettingKey = u"Software\\Varden\\VARDENZEB\\UTLSetting";
inline constexpr std::u16string_view kConvAppKeyKey = u"Software\\Varden\\VARDENZEB\\UTLSetting\\ConvAppKey";

}  // namespace tapstart
