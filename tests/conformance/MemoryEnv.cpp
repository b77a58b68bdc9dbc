// The in-memory backend as a conformance environment.
#include "StoreConformance.h"

namespace tapstart::conformance {
namespace {

class MemoryEnv final : public StoreEnv {
 public:
  MemoryEnv(int registrySets, int iniSets) : registrySets_(registrySets), iniSets_(iniSets) {}

  StoreBackend& Backend() override { return mem_; }
  void PutRaw(Hive hive, std::u16string_view key, std::u16string_view name, const RegValue& value) override {
    mem_.Put(hive, key, name, value);
  }
  std::optional<RegValue> GetRaw(Hive hive, std::u16string_view key, std::u16string_view name) override {
    return mem_.Get(hive, key, name);
  }
  void PutKey(Hive hive, std::u16string_view key) override { mem_.PutKey(hive, key); }
  void PutProfileLine(std::u16string_view section, std::u16string_view key, std::u16string_view raw) override {
    mem_.PutProfileLine(kProfileFileName, section, key, raw);
  }
  void ClearProfile() override { mem_.RemoveProfile(kProfileFileName); }
  void ReopenProfile() override {}
  bool DenyRead(Hive hive, std::u16string_view key) override {
    mem_.DenyRead(hive, key);
    return true;
  }
  bool DenyWrite(std::u16string_view key) override {
    mem_.DenyWrite(key);
    return true;
  }
  int RoundTripSets(bool iniMode) const override { return iniMode ? iniSets_ : registrySets_; }

 private:
  MemoryStore mem_;
  int registrySets_;
  int iniSets_;
};

}  // namespace

StoreEnvMaker MemoryEnvMaker(int registrySets, int iniSets) {
  return {"Memory", [=] { return std::unique_ptr<StoreEnv>(std::make_unique<MemoryEnv>(registrySets, iniSets)); }};
}

std::string EnvName(const testing::TestParamInfo<StoreEnvMaker>& info) { return info.param.name; }

std::vector<uint8_t> Utf16Bytes(std::u16string_view text) {
  std::vector<uint8_t> out;
  for (char16_t c : text) {
    out.push_back(static_cast<uint8_t>(c & 0xFF));
    out.push_back(static_cast<uint8_t>(c >> 8));
  }
  return out;
}

}  // namespace tapstart::conformance

// Windows suites of other areas link this suite without running it.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(StoreConformance);
