// The store's lock around whole operations: every read and write of an operation inside one hold, from its first
// read to its last write, and writes refused when the lock could not be had.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "mainwnd/MainModel.h"
#include "mainwnd/OnScreenData.h"
#include "manager/SettingManagerModel.h"
#include "store/MemoryStore.h"
#include "store/SettingsStore.h"
#include "store/StoreLock.h"
#include "store/Text.h"

namespace tapstart {
namespace {

// A lock that counts its holds and refuses to be taken twice, as a second program would find it taken.
class RecordingLock final : public StoreLock {
 public:
  bool grant = true;
  bool held = false;
  int holds = 0;
  bool Acquire() override {
    EXPECT_FALSE(held) << "the lock was taken again inside its own hold";
    ++holds;
    held = grant;
    return grant;
  }
  void Release() override {
    EXPECT_TRUE(held);
    held = false;
  }
};

// The in-memory backend, counting the calls made while the lock was not held and the writes.
class LockWatchingBackend final : public StoreBackend {
 public:
  LockWatchingBackend(MemoryStore& inner, const RecordingLock& lock) : inner_(inner), lock_(lock) {}
  int unlocked = 0;
  int writes = 0;

  bool CanOpenKey(Hive hive, std::u16string_view key) const override {
    Watch(hive);
    return inner_.CanOpenKey(hive, key);
  }
  std::optional<RegValue> QueryValue(Hive hive, std::u16string_view key, std::u16string_view name,
                                     size_t maxBytes) const override {
    Watch(hive);
    return inner_.QueryValue(hive, key, name, maxBytes);
  }
  bool SetValue(std::u16string_view key, std::u16string_view name, const RegValue& value) override {
    Watch(Hive::CurrentUser);
    ++writes;
    return inner_.SetValue(key, name, value);
  }
  std::u16string ProfileRead(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                             std::u16string_view fallback, size_t bufferChars) const override {
    Watch(Hive::CurrentUser);
    return inner_.ProfileRead(file, section, key, fallback, bufferChars);
  }
  int32_t ProfileReadInt(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                         int32_t fallback) const override {
    Watch(Hive::CurrentUser);
    return inner_.ProfileReadInt(file, section, key, fallback);
  }
  bool ProfileWrite(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                    std::u16string_view text) override {
    Watch(Hive::CurrentUser);
    ++writes;
    return inner_.ProfileWrite(file, section, key, text);
  }

 private:
  // The machine tree is the installer's: only the user's store must be read under the lock.
  void Watch(Hive hive) const {
    if (hive == Hive::CurrentUser && !lock_.held) ++const_cast<LockWatchingBackend*>(this)->unlocked;
  }
  MemoryStore& inner_;
  const RecordingLock& lock_;
};

class StoreLockTest : public testing::TestWithParam<bool> {
 protected:
  StoreLockTest() {
    store.recordsInUse = 7;
    store.useIniFile = GetParam();
    USER_DATA set;
    set.name = u"Home";
    set.buttons[0].name = u"Mail";
    for (int n = 1; n <= 3; ++n) EXPECT_TRUE(store.SaveUserData(n, set));
    EXPECT_TRUE(store.WriteProfileText(u"VARDENZEB", u"NumUser", u"3"));
    EXPECT_TRUE(store.WriteProfileText(u"VARDENZEB", u"CurrUser", u"2"));
  }
  MemoryStore mem;
  RecordingLock lock;
  LockWatchingBackend backend{mem, lock};
  SettingsStore store{backend, lock};
  MainModel model{store};
};

struct Operation {
  const char* name;
  std::function<bool(SettingsStore&, MainModel&)> run;  // true when it wrote successfully
  bool writes;
};

const Operation kOperations[] = {
    {"LoadUserData",
     [](SettingsStore& s, MainModel&) {
       USER_DATA set;
       s.LoadUserData(2, set);
       return true;
     },
     false},
    {"SaveUserData",
     [](SettingsStore& s, MainModel&) {
       USER_DATA set;
       return s.SaveUserData(4, set);
     },
     true},
    {"WriteProfileText", [](SettingsStore& s, MainModel&) { return s.WriteProfileText(u"USER1", u"UserName", u"x"); },
     true},
    {"SaveOnScreen", [](SettingsStore& s, MainModel&) { return SaveOnScreen(s, ONSCREEN_DATA{}); }, true},
    {"main window's load",
     [](SettingsStore&, MainModel& m) {
       m.Load(u"Arial", LookupIn({u"Arial"}));
       return true;
     },
     false},
    {"pattern list", [](SettingsStore&, MainModel& m) { return !m.PatternNames().empty(); }, false},
    {"Apply", [](SettingsStore&, MainModel& m) { return m.SaveAll(true).Ok(); }, true},
    {"OK's preparation", [](SettingsStore&, MainModel& m) { return m.PrepareOk(); }, true},
    {"pattern change", [](SettingsStore&, MainModel& m) { return m.SwitchPattern(3); }, true},
    {"after the manager",
     [](SettingsStore&, MainModel& m) {
       m.ReloadAfterManager();
       return true;
     },
     false},
    {"manager's list", [](SettingsStore& s, MainModel&) { return SettingManagerModel(s).Count() == 3; }, false},
    {"manager's add",
     [](SettingsStore& s, MainModel&) {
       SettingManagerModel m(s);
       return m.Add(u"New");
     },
     true},
    {"manager's copy",
     [](SettingsStore& s, MainModel&) {
       SettingManagerModel m(s);
       return m.Copy(u"Copy");
     },
     true},
    {"manager's rename",
     [](SettingsStore& s, MainModel&) {
       SettingManagerModel m(s);
       return m.Rename(u"Renamed");
     },
     true},
    {"manager's delete",
     [](SettingsStore& s, MainModel&) {
       SettingManagerModel m(s);
       m.Select(0);
       return m.Delete();
     },
     true},
};

// Each operation takes the lock once and makes every call to the user's store inside it.
TEST_P(StoreLockTest, EachOperationIsOneHold) {
  for (const Operation& op : kOperations) {
    lock.holds = 0;
    backend.unlocked = 0;
    // The manager reads the sets when it opens: one hold for that, one for the operation.
    const bool opensManager = std::string(op.name).starts_with("manager's") && op.writes;
    EXPECT_TRUE(op.run(store, model)) << op.name;
    EXPECT_EQ(lock.holds, opensManager ? 2 : 1) << op.name;
    EXPECT_EQ(backend.unlocked, 0) << op.name;
    EXPECT_FALSE(lock.held) << op.name;
  }
}

// A lock that could not be had within the wait refuses every write of the operation (nothing half written over
// another program's work) and lets reads go on.
TEST_P(StoreLockTest, WritesAreRefusedWithoutTheLock) {
  model.Load(u"Arial", LookupIn({u"Arial"}));
  lock.grant = false;
  for (const Operation& op : kOperations) {
    backend.writes = 0;
    const bool result = op.run(store, model);
    if (op.writes) {
      EXPECT_FALSE(result) << op.name;
      EXPECT_EQ(backend.writes, 0) << op.name;
    }
  }
  USER_DATA set;
  store.LoadUserData(1, set);
  EXPECT_EQ(set.buttons[0].name, u"Mail") << "reads go on after the wait";
}

INSTANTIATE_TEST_SUITE_P(Layouts, StoreLockTest, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? std::string("ProfileFile") : std::string("Registry");
                         });

// Holds inside a hold share it: one wait, one release, and a refused outer hold is not waited for again.
TEST(StoreHoldsTest, NestedHoldsShareTheOutermost) {
  for (const bool grant : {true, false}) {
    RecordingLock lock;
    lock.grant = grant;
    StoreHolds holds(lock);
    {
      const StoreHold outer(holds);
      EXPECT_EQ(outer.Held(), grant);
      for (int i = 0; i < 3; ++i) {
        const StoreHold inner(holds);
        EXPECT_EQ(inner.Held(), grant);
      }
      EXPECT_EQ(lock.held, grant);
    }
    EXPECT_EQ(lock.holds, 1);
    EXPECT_FALSE(lock.held);
    const StoreHold again(holds);
    EXPECT_EQ(lock.holds, 2) << "a new operation waits anew";
  }
}

}  // namespace
}  // namespace tapstart
