// The store's conformance suite: one set of behaviours that every store backend must show. The native suite
// runs it on the in-memory backend; the Windows store suite runs it on the real registry and profile file and
// on the in-memory backend again, which proves the in-memory one faithful.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/MemoryStore.h"
#include "store/SettingsStore.h"
#include "store/StoreBackend.h"

namespace tapstart::conformance {

// One backend under test, with the means to set up and inspect what it stores behind the store's back.
class StoreEnv {
 public:
  virtual ~StoreEnv() = default;
  virtual StoreBackend& Backend() = 0;
  // Writes a value as another program would: any hive, any type, any byte count.
  virtual void PutRaw(Hive hive, std::u16string_view key, std::u16string_view name, const RegValue& value) = 0;
  // The value's type and exact bytes, or nothing when the key or value is missing.
  virtual std::optional<RegValue> GetRaw(Hive hive, std::u16string_view key, std::u16string_view name) = 0;
  virtual void PutKey(Hive hive, std::u16string_view key) = 0;
  // Adds the line "key=raw" to a section of the profile file, exactly as given.
  virtual void PutProfileLine(std::u16string_view section, std::u16string_view key, std::u16string_view raw) = 0;
  // Deletes the profile file.
  virtual void ClearProfile() = 0;
  // The next profile read sees the file as it is now, not a copy the system may keep from its own last write.
  virtual void ReopenProfile() = 0;
  // Makes an existing key refuse to open for reading; false when this backend cannot.
  virtual bool DenyRead(Hive hive, std::u16string_view key) = 0;
  // Makes a key refuse new values; false when this backend cannot. (Whether it refuses new subkeys too differs:
  // the in-memory backend does, Wine does not check that right.)
  virtual bool DenyWrite(std::u16string_view key) = 0;
  // How many random sets the round trip saves and loads in each mode.
  virtual int RoundTripSets(bool iniMode) const = 0;
};

struct StoreEnvMaker {
  std::string name;
  std::function<std::unique_ptr<StoreEnv>()> make;
};

// Parameter names in test output: the backend's name rather than the object's bytes.
inline void PrintTo(const StoreEnvMaker& maker, std::ostream* os) { *os << maker.name; }

// The in-memory backend as an environment; the set counts keep slower hosts fast.
StoreEnvMaker MemoryEnvMaker(int registrySets, int iniSets);

// Test names carry the backend's name.
std::string EnvName(const testing::TestParamInfo<StoreEnvMaker>& info);

class StoreConformance : public testing::TestWithParam<StoreEnvMaker> {
 protected:
  void SetUp() override {
    env_ = GetParam().make();
    store_ = std::make_unique<SettingsStore>(env_->Backend());
  }
  void TearDown() override {
    store_.reset();
    env_.reset();
  }
  StoreEnv& Env() { return *env_; }
  SettingsStore& Store() { return *store_; }

 private:
  std::unique_ptr<StoreEnv> env_;
  std::unique_ptr<SettingsStore> store_;
};

// A backend that passes every call on and remembers the writes, in order.
class RecordingBackend final : public StoreBackend {
 public:
  struct Write {
    std::u16string section;  // the profile section, or the registry key for a value write
    std::u16string key;      // the profile key, or the value name
    std::u16string text;     // the profile text; empty for a value write
    RegValue value;          // the value written; empty for a profile write
  };
  explicit RecordingBackend(StoreBackend& inner) : inner_(inner) {}

  bool CanOpenKey(Hive hive, std::u16string_view key) const override { return inner_.CanOpenKey(hive, key); }
  std::optional<RegValue> QueryValue(Hive hive, std::u16string_view key, std::u16string_view name,
                                     size_t maxBytes) const override {
    return inner_.QueryValue(hive, key, name, maxBytes);
  }
  bool SetValue(std::u16string_view key, std::u16string_view name, const RegValue& value) override {
    writes.push_back({std::u16string(key), std::u16string(name), {}, value});
    return inner_.SetValue(key, name, value);
  }
  std::u16string ProfileRead(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                             std::u16string_view fallback, size_t bufferChars) const override {
    return inner_.ProfileRead(file, section, key, fallback, bufferChars);
  }
  int32_t ProfileReadInt(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                         int32_t fallback) const override {
    return inner_.ProfileReadInt(file, section, key, fallback);
  }
  bool ProfileWrite(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                    std::u16string_view text) override {
    writes.push_back({std::u16string(section), std::u16string(key), std::u16string(text), {}});
    return inner_.ProfileWrite(file, section, key, text);
  }

  std::vector<Write> writes;

 private:
  StoreBackend& inner_;
};

// Little-endian UTF-16 bytes of a text, as the registry stores REG_SZ.
std::vector<uint8_t> Utf16Bytes(std::u16string_view text);

}  // namespace tapstart::conformance
