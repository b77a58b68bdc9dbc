// The factory-default set from the machine tree, in both layouts.
#include <gtest/gtest.h>

#include "mainwnd/DefaultTable.h"
#include "store/MemoryStore.h"
#include "store/Text.h"

namespace tapstart {
namespace {

const std::u16string kSet(kDefaultSetKey);
const std::u16string kUser(kDefaultUserKey);

std::u16string AppKey(int n) { return kSet + u"\\AppKey" + DecimalText(n); }

// Layout A: button n's defaults in subkey AppKey n; the name, code and commands tell the subkeys apart.
void SeedRegistryButton(MemoryStore& mem, int n, uint32_t count) {
  const std::u16string key = AppKey(n);
  mem.Put(Hive::LocalMachine, key, u"Execute", StringValue(u"  S\t"));
  mem.Put(Hive::LocalMachine, key, u"NumAP", DwordValue(count));
  mem.Put(Hive::LocalMachine, key, u"DispTitle", StringValue(u"ボタン" + DecimalText(n)));
  mem.Put(Hive::LocalMachine, key, u"AP1", StringValue(u"prog" + DecimalText(n) + u".exe|/a b", true));
  mem.Put(Hive::LocalMachine, key, u"AP2", StringValue(u"second" + DecimalText(n) + u".exe"));
  mem.Put(Hive::LocalMachine, key, u"ProgName1", StringValue(u"never read"));
}

TEST(DefaultTableTest, RegistryLayout_ReadsEachRecordFromItsSubkey) {
  MemoryStore mem;
  SettingsStore store(mem);
  mem.Put(Hive::LocalMachine, kSet, u"SetName", StringValue(u"出荷時"));
  for (int n = 1; n <= 8; ++n) SeedRegistryButton(mem, n, static_cast<uint32_t>(n));
  const USER_DATA set = BuildDefaultTable(store, 7);
  EXPECT_EQ(set.name, u"出荷時");
  for (int k = 1; k <= 7; ++k) {
    SCOPED_TRACE(k);
    const auto& r = set.buttons[k - 1];
    EXPECT_EQ(r.code, u"S") << "blanks around the code are trimmed";
    EXPECT_EQ(r.count, k <= 5 ? k : 0) << "a count outside 1 to 5 gives 0";
    EXPECT_EQ(r.name, u"ボタン" + DecimalText(k));
    EXPECT_EQ(r.command[0], u"prog" + DecimalText(k) + u".exe");
    EXPECT_EQ(r.parameters[0], u"/a b");
    EXPECT_EQ(r.command[1], u"second" + DecimalText(k) + u".exe");
    EXPECT_EQ(r.parameters[1], u"");
    EXPECT_EQ(r.command[2], u"");
    for (const auto& t : r.title) EXPECT_EQ(t, u"") << "titles stay empty";
  }
  EXPECT_EQ(set.buttons[7], APPKEY_DATA{}) << "records beyond those in use stay empty";
}

TEST(DefaultTableTest, RegistryLayout_ConvAppKeyPicksTheSourceSubkey) {
  struct Case {
    uint32_t appKey2;
    int source;  // the subkey record 1 takes its defaults from
  };
  for (const Case c : {Case{6, 6}, Case{2, 2}, Case{0, 2}, Case{9, 2}, Case{8, 8}, Case{1, 1}}) {
    SCOPED_TRACE(c.appKey2);
    MemoryStore mem;
    SettingsStore store(mem);
    for (int n = 1; n <= 8; ++n) SeedRegistryButton(mem, n, 1);
    mem.Put(Hive::LocalMachine, kConvAppKeyKey, u"AppKey2", DwordValue(c.appKey2));
    const USER_DATA set = BuildDefaultTable(store, 8);
    EXPECT_EQ(set.buttons[1].name, u"ボタン" + DecimalText(c.source));
    EXPECT_EQ(set.buttons[1].command[0], u"prog" + DecimalText(c.source) + u".exe");
    EXPECT_EQ(set.buttons[0].name, u"ボタン1") << "other records keep their own subkeys";
    EXPECT_EQ(set.buttons[2].name, u"ボタン3");
  }
}

TEST(DefaultTableTest, RecordsInUse_LeavesTheRestEmpty) {
  for (const int inUse : {0, 5, 6, 7, 8, 9, -1}) {
    SCOPED_TRACE(inUse);
    MemoryStore mem;
    SettingsStore store(mem);
    for (int n = 1; n <= 8; ++n) SeedRegistryButton(mem, n, 2);
    const USER_DATA set = BuildDefaultTable(store, inUse);
    for (int k = 0; k < kButtonSlots; ++k) {
      if (k < inUse)
        EXPECT_EQ(set.buttons[k].count, 2) << k;
      else
        EXPECT_EQ(set.buttons[k], APPKEY_DATA{}) << k;
    }
  }
}

TEST(DefaultTableTest, MissingKeysGiveEmptyFields) {
  for (const bool ini : {false, true}) {
    MemoryStore mem;
    SettingsStore store(mem);
    store.useIniFile = ini;
    EXPECT_EQ(BuildDefaultTable(store, 8), USER_DATA{}) << ini;
  }
  // Present keys with some values missing: each missing value is empty on its own.
  MemoryStore mem;
  SettingsStore store(mem);
  mem.Put(Hive::LocalMachine, AppKey(1), u"AP3", StringValue(u"only.exe"));
  const USER_DATA set = BuildDefaultTable(store, 5);
  EXPECT_EQ(set.name, u"");
  EXPECT_EQ(set.buttons[0].code, u"");
  EXPECT_EQ(set.buttons[0].count, 0);
  EXPECT_EQ(set.buttons[0].command[2], u"only.exe");
  EXPECT_EQ(set.buttons[0].command[0], u"");
}

TEST(DefaultTableTest, ProfileLayout_ReadsFlatValuesWithoutRenumbering) {
  MemoryStore mem;
  SettingsStore store(mem);
  store.useIniFile = true;
  mem.Put(Hive::LocalMachine, kUser, u"UserName", StringValue(u"默认"));
  struct Count {
    std::u16string text;
    int32_t expected;
  };
  const std::vector<Count> counts = {{u"3", 3}, {u"7", 0}, {u" 5", 5}, {u"0", 0}, {u"-2", 0}, {u"x", 0}, {u"1", 1}};
  for (int k = 1; k <= 7; ++k) {
    const std::u16string p = u"Btn" + DecimalText(k);
    mem.Put(Hive::LocalMachine, kUser, p + u"_Exec", StringValue(u" P "));
    mem.Put(Hive::LocalMachine, kUser, p + u"_NumAP", StringValue(counts[k - 1].text));
    mem.Put(Hive::LocalMachine, kUser, p + u"_Name", StringValue(u"名" + DecimalText(k)));
    mem.Put(Hive::LocalMachine, kUser, p + u"_AP1", StringValue(u"iexplore.exe|http://x/" + DecimalText(k)));
    mem.Put(Hive::LocalMachine, kUser, p + u"_Title1", StringValue(u"never read"));
  }
  // The count as a number is not this layout's: it reads as 0.
  mem.Put(Hive::LocalMachine, kUser, u"Btn7_NumAP", DwordValue(4));
  // Renumbering belongs to the other layout only.
  mem.Put(Hive::LocalMachine, kConvAppKeyKey, u"AppKey2", DwordValue(6));
  // The other layout's keys are not read.
  SeedRegistryButton(mem, 1, 1);

  const USER_DATA set = BuildDefaultTable(store, 7);
  EXPECT_EQ(set.name, u"默认");
  for (int k = 1; k <= 7; ++k) {
    SCOPED_TRACE(k);
    const auto& r = set.buttons[k - 1];
    EXPECT_EQ(r.code, u"P");
    EXPECT_EQ(r.count, k == 7 ? 0 : counts[k - 1].expected);
    EXPECT_EQ(r.name, u"名" + DecimalText(k));
    EXPECT_EQ(r.command[0], u"iexplore.exe");
    EXPECT_EQ(r.parameters[0], u"http://x/" + DecimalText(k));
    EXPECT_EQ(r.title[0], u"");
  }
  EXPECT_EQ(set.buttons[7], APPKEY_DATA{});
}

}  // namespace
}  // namespace tapstart
