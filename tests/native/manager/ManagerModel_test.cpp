// The setting manager's list operations against the in-memory store: what each writes, and the renumbering.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "manager/NameRules.h"
#include "manager/SettingManagerModel.h"
#include "store/MemoryStore.h"
#include "store/SettingsStore.h"
#include "store/StoreLayout.h"
#include "store/Text.h"

namespace tapstart {
namespace {

// A set whose every button carries the set's tag, so that a moved set can be recognised by its records.
USER_DATA TaggedSet(const std::u16string& name, const std::u16string& tag) {
  USER_DATA set;
  set.name = name;
  for (size_t b = 0; b < set.buttons.size(); ++b) {
    APPKEY_DATA& r = set.buttons[b];
    r.name = tag + u" button " + DecimalText(static_cast<int64_t>(b + 1));
    r.code = u"S";
    r.count = 2;
    r.command[0] = u"C:\\" + tag + u"\\one.exe";
    r.parameters[0] = u"-" + tag;
    r.command[1] = u"C:\\" + tag + u"\\two.exe";
    r.title[1] = tag + u" two";
  }
  return set;
}

class ManagerModelTest : public testing::Test {
 protected:
  ManagerModelTest() : store(backend) {
    store.defaults = TaggedSet(u"Factory", u"factory");
    store.recordsInUse = 8;
  }

  // Stores sets 1..n with the given names and makes number `current` the current one.
  void Seed(const std::vector<std::u16string>& names, int current) {
    for (size_t i = 0; i < names.size(); ++i) {
      USER_DATA set = TaggedSet(names[i], names[i]);
      ASSERT_TRUE(store.SaveUserData(static_cast<int>(i + 1), set));
    }
    ASSERT_TRUE(store.WriteProfileText(u"VARDENZEB", u"NumUser", DecimalText(static_cast<int64_t>(names.size()))));
    ASSERT_TRUE(store.WriteProfileText(u"VARDENZEB", u"CurrUser", DecimalText(current)));
  }

  USER_DATA Stored(int n) const {
    USER_DATA set;
    store.LoadUserData(n, set);
    return set;
  }
  int32_t MainNumber(const char16_t* key) const { return store.ReadMainNumber(key); }

  MemoryStore backend;
  SettingsStore store;
};

TEST_F(ManagerModelTest, OpensWithTheStoredSetsAndTheCurrentOneSelected) {
  Seed({u"Home", u"Work", u"Games"}, 2);
  const SettingManagerModel m(store);
  EXPECT_EQ(m.Count(), 3);
  EXPECT_EQ(m.Current(), 2);
  EXPECT_EQ(m.Selected(), 1);
  EXPECT_EQ(m.Names(), (std::vector<std::u16string>{u"Home", u"Work", u"Games"}));
  EXPECT_EQ(m.Sets()[2], TaggedSet(u"Games", u"Games"));
  EXPECT_TRUE(m.CanAdd());
  EXPECT_FALSE(m.CanDelete());  // the current set is selected
}

// A damaged count never hides stored sets that a later Add would overwrite: above ten it reads as ten, below zero
// as one. A count of 0 is a store with no sets yet.
TEST_F(ManagerModelTest, DamagedNumbersOpenOnTheFirstSet) {
  struct Case {
    const char16_t* numUser;
    const char16_t* currUser;
    int count, current;
  };
  const Case cases[] = {{u"3", u"5", 3, 1},     {u"3", u"0", 3, 1},           {u"3", u"-2", 3, 1},
                        {u"0", u"1", 0, 1},     {u"11", u"4", 10, 4},         {u"-1", u"1", 1, 1},
                        {u"10", u"10", 10, 10}, {u"2147483647", u"12", 10, 1}};
  for (const Case& c : cases) {
    ASSERT_TRUE(store.WriteProfileText(u"VARDENZEB", u"NumUser", c.numUser));
    ASSERT_TRUE(store.WriteProfileText(u"VARDENZEB", u"CurrUser", c.currUser));
    const SettingManagerModel m(store);
    EXPECT_EQ(m.Count(), c.count) << ToUtf8(c.numUser) << "/" << ToUtf8(c.currUser);
    EXPECT_EQ(m.Current(), c.current) << ToUtf8(c.numUser) << "/" << ToUtf8(c.currUser);
    EXPECT_EQ(m.Selected(), c.count == 0 ? -1 : c.current - 1);
  }
  // With the count read as ten, no new set is made over set 2 or any other.
  ASSERT_TRUE(store.WriteProfileText(u"VARDENZEB", u"NumUser", u"12"));
  SettingManagerModel m(store);
  EXPECT_FALSE(m.CanAdd());
}

TEST_F(ManagerModelTest, EmptyStoreShowsOneSetOfFactoryDefaults) {
  const SettingManagerModel m(store);
  ASSERT_EQ(m.Count(), 1);
  EXPECT_EQ(m.Current(), 1);
  EXPECT_EQ(m.Sets()[0], store.defaults);
}

TEST_F(ManagerModelTest, AddAppendsTheFactoryDefaultsUnderTheNewName) {
  Seed({u"Home", u"Work"}, 1);
  SettingManagerModel m(store);
  ASSERT_TRUE(m.Add(u"Travel"));
  EXPECT_EQ(m.Count(), 3);
  EXPECT_EQ(m.Selected(), 2);
  EXPECT_EQ(m.Current(), 1);
  EXPECT_EQ(MainNumber(u"NumUser"), 3);
  EXPECT_EQ(MainNumber(u"CurrUser"), 1);
  USER_DATA expected = TaggedSet(u"Travel", u"factory");
  EXPECT_EQ(m.Sets()[2], expected);
  EXPECT_EQ(Stored(3), expected);
  EXPECT_EQ(Stored(1), TaggedSet(u"Home", u"Home"));
  EXPECT_TRUE(m.CanDelete());
}

TEST_F(ManagerModelTest, CopyAppendsTheSelectedSetUnderTheNewName) {
  Seed({u"Home", u"Work"}, 1);
  SettingManagerModel m(store);
  m.Select(1);
  ASSERT_TRUE(m.Copy(u"Work 2"));
  EXPECT_EQ(m.Selected(), 2);
  EXPECT_EQ(Stored(3), TaggedSet(u"Work 2", u"Work"));
  EXPECT_EQ(Stored(2), TaggedSet(u"Work", u"Work"));
  EXPECT_EQ(MainNumber(u"NumUser"), 3);
}

// Bytes in a single-byte code page (1252): one per character, a surrogate pair becoming one "?".
size_t SingleByte(std::u16string_view text) {
  size_t n = 0;
  for (char16_t c : text) n += (c >= 0xDC00 && c <= 0xDFFF) ? 0 : 1;
  return n;
}

// Bytes in a double-byte code page (932, 936): ASCII one, other characters two, a surrogate pair one "?".
size_t DoubleByte(std::u16string_view text) {
  size_t n = 0;
  for (char16_t c : text) {
    if (c >= 0xDC00 && c <= 0xDFFF) continue;
    n += (c < 0x80 || (c >= 0xD800 && c <= 0xDBFF)) ? 1 : 2;
  }
  return n;
}

TEST_F(ManagerModelTest, CopyStartText_PutsTheSuffixAfterTheNameAndCutsOnlyTheName) {
  const std::u16string note = u"\U0001F3B5";
  struct Case {
    const char* what;
    std::u16string name;
    const char16_t* suffix;
    size_t (*bytes)(std::u16string_view);
    std::u16string expected;
  };
  const Case cases[] = {
      {"English", u"User1", u" - Copy", SingleByte, u"User1 - Copy"},
      {"Japanese", u"User1", u" - \u30B3\u30D4\u30FC", DoubleByte, u"User1 - \u30B3\u30D4\u30FC"},
      {"Chinese", u"User1", u" - \u526F\u672C", DoubleByte, u"User1 - \u526F\u672C"},
      {"a name that fills the 20 bytes with the suffix", u"Travel and le", u" - Copy", SingleByte,
       u"Travel and le - Copy"},
      {"a longer name loses its end", u"Travel and leisure", u" - Copy", SingleByte, u"Travel and le - Copy"},
      {"a cut name loses the blanks at its cut end", u"Weekend game set", u" - Copy", SingleByte,
       u"Weekend game - Copy"},
      {"a double-byte name is cut by whole characters", u"\u8A2D\u5B9A\u8A2D\u5B9A\u8A2D\u5B9A\u8A2D",
       u" - \u30B3\u30D4\u30FC", DoubleByte, u"\u8A2D\u5B9A\u8A2D\u5B9A\u8A2D - \u30B3\u30D4\u30FC"},
      {"a mixed name that fits to the byte is kept", u"A\u4ED5\u4E8B\u7528\u8A2D\u5B9A", u" - \u30B3\u30D4\u30FC",
       DoubleByte, u"A\u4ED5\u4E8B\u7528\u8A2D\u5B9A - \u30B3\u30D4\u30FC"},
      {"a Chinese name is cut by whole characters", u"\u5DE5\u4F5C\u7528\u7684\u6309\u94AE\u65B9\u6848\u4E00",
       u" - \u526F\u672C", DoubleByte, u"\u5DE5\u4F5C\u7528\u7684\u6309\u94AE - \u526F\u672C"},
      {"a surrogate pair is never split", u"Music " + note + note + note + note + note + note + note + note, u" - Copy",
       SingleByte, u"Music " + note + note + note + note + note + note + note + u" - Copy"},
  };
  for (const Case& c : cases) {
    Seed({u"Home", c.name}, 1);
    SettingManagerModel m(store);
    m.Select(1);
    const std::u16string text = m.CopyStartText(c.suffix, c.bytes);
    EXPECT_EQ(text, c.expected) << c.what;
    EXPECT_LE(c.bytes(text), kMaxSetNameBytes) << c.what;
  }
}

TEST_F(ManagerModelTest, TenSetsAreTheMost) {
  Seed({u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9"}, 1);
  SettingManagerModel m(store);
  ASSERT_TRUE(m.CanAdd());
  ASSERT_TRUE(m.Copy(u"10"));
  EXPECT_EQ(m.Count(), 10);
  EXPECT_FALSE(m.CanAdd());
  EXPECT_TRUE(m.CanDelete());  // the tenth set is selected and is not the current one
  EXPECT_FALSE(m.Add(u"11"));
  EXPECT_FALSE(m.Copy(u"11"));
  EXPECT_EQ(m.Count(), 10);
  EXPECT_EQ(MainNumber(u"NumUser"), 10);
  EXPECT_EQ(Stored(11).name, store.defaults.name);  // nothing was written for an eleventh set
}

TEST_F(ManagerModelTest, RenameWritesOnlyTheSelectedSet) {
  Seed({u"Home", u"Work", u"Games"}, 3);
  SettingManagerModel m(store);
  m.Select(1);
  ASSERT_TRUE(m.Rename(u"Office"));
  EXPECT_EQ(m.Names(), (std::vector<std::u16string>{u"Home", u"Office", u"Games"}));
  EXPECT_EQ(Stored(2), TaggedSet(u"Office", u"Work"));
  EXPECT_EQ(Stored(1).name, u"Home");
  EXPECT_EQ(Stored(3).name, u"Games");
  EXPECT_EQ(m.Selected(), 1);
  EXPECT_EQ(MainNumber(u"NumUser"), 3);
}

struct DeleteCase {
  const char* what;
  int count, current, selected;
  std::vector<std::u16string> remaining;  // names in order after the delete
  int current_after, selected_after;
};

void PrintTo(const DeleteCase& c, std::ostream* os) { *os << c.what; }

class ManagerDeleteTest : public ManagerModelTest, public testing::WithParamInterface<DeleteCase> {};

TEST_P(ManagerDeleteTest, RenumbersTheSetsBehindAndFollowsTheCurrentSet) {
  const DeleteCase& c = GetParam();
  const std::vector<std::u16string> all = {u"A", u"B", u"C", u"D", u"E"};
  Seed(std::vector<std::u16string>(all.begin(), all.begin() + c.count), c.current);
  SettingManagerModel m(store);
  m.Select(c.selected);
  EXPECT_EQ(m.DeleteQuestion(u"will be deleted."), all[static_cast<size_t>(c.selected)] + u" will be deleted.");
  ASSERT_TRUE(m.Delete()) << c.what;
  EXPECT_EQ(m.Names(), c.remaining) << c.what;
  EXPECT_EQ(m.Current(), c.current_after) << c.what;
  EXPECT_EQ(m.Selected(), c.selected_after) << c.what;
  EXPECT_EQ(MainNumber(u"NumUser"), c.count - 1) << c.what;
  EXPECT_EQ(MainNumber(u"CurrUser"), c.current_after) << c.what;
  // Every set moved up with its records; the current number still names the same set.
  for (size_t i = 0; i < c.remaining.size(); ++i)
    EXPECT_EQ(Stored(static_cast<int>(i + 1)), TaggedSet(c.remaining[i], c.remaining[i])) << c.what << " set " << i + 1;
  EXPECT_EQ(Stored(c.current_after).name, all[static_cast<size_t>(c.current - 1)]) << c.what;
  // The former last set's section keeps its data; its key gets an empty unnamed value.
  const std::u16string last = std::u16string(kProductKey) + u"\\Setting\\Set" + DecimalText(c.count);
  EXPECT_EQ(Stored(c.count), TaggedSet(all[static_cast<size_t>(c.count - 1)], all[static_cast<size_t>(c.count - 1)]));
  EXPECT_EQ(backend.Get(Hive::CurrentUser, last, u""), StringValue(u"")) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Deletes, ManagerDeleteTest,
    testing::Values(DeleteCase{"set 2 while set 3 is current", 4, 3, 1, {u"A", u"C", u"D"}, 2, 1},
                    DeleteCase{"a set behind the current one", 4, 1, 2, {u"A", u"B", u"D"}, 1, 2},
                    DeleteCase{"the last set", 4, 2, 3, {u"A", u"B", u"C"}, 2, 2},
                    DeleteCase{"the first set while the last is current", 5, 5, 0, {u"B", u"C", u"D", u"E"}, 4, 0},
                    DeleteCase{"one of two", 2, 2, 0, {u"B"}, 1, 0}),
    [](const testing::TestParamInfo<DeleteCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(ManagerModelTest, TheCurrentSetCannotBeDeleted) {
  Seed({u"Home", u"Work"}, 2);
  SettingManagerModel m(store);
  m.Select(1);
  EXPECT_FALSE(m.CanDelete());
  EXPECT_FALSE(m.Delete());
  EXPECT_EQ(m.Count(), 2);
  EXPECT_EQ(MainNumber(u"NumUser"), 2);
  m.Select(0);
  EXPECT_TRUE(m.CanDelete());
}

TEST_F(ManagerModelTest, ASingleSetCannotBeDeleted) {
  Seed({u"Only"}, 1);
  SettingManagerModel m(store);
  EXPECT_FALSE(m.CanDelete());
  EXPECT_FALSE(m.Delete());
  EXPECT_EQ(m.Count(), 1);
}

TEST_F(ManagerModelTest, SelectionOutsideTheListIsIgnored) {
  Seed({u"Home", u"Work"}, 1);
  SettingManagerModel m(store);
  for (int index : {-1, 2, 100}) {
    m.Select(index);
    EXPECT_EQ(m.Selected(), 0) << index;
  }
  m.Select(1);
  EXPECT_EQ(m.Selected(), 1);
}

TEST_F(ManagerModelTest, AfterADeleteAnAddReusesTheFreedNumber) {
  Seed({u"A", u"B", u"C"}, 1);
  SettingManagerModel m(store);
  m.Select(1);
  ASSERT_TRUE(m.Delete());
  ASSERT_TRUE(m.Add(u"New"));
  EXPECT_EQ(m.Names(), (std::vector<std::u16string>{u"A", u"C", u"New"}));
  EXPECT_EQ(Stored(3), TaggedSet(u"New", u"factory"));
  EXPECT_EQ(MainNumber(u"NumUser"), 3);
}

// A write the store refuses is no change: the operation says so, and the list shows the sets as stored.
TEST_F(ManagerModelTest, WritesThatFailLeaveTheListAsStored) {
  Seed({u"Home", u"Work"}, 1);
  SettingManagerModel m(store);
  backend.DenyWrite(kProductKey);
  EXPECT_FALSE(m.Add(u"Travel"));
  EXPECT_EQ(m.Names(), (std::vector<std::u16string>{u"Home", u"Work"}));
  EXPECT_EQ(MainNumber(u"NumUser"), 2);
  m.Select(1);
  EXPECT_FALSE(m.Copy(u"Work 2"));
  EXPECT_EQ(m.Count(), 2);
  EXPECT_FALSE(m.Rename(u"Office"));
  EXPECT_EQ(m.Names()[1], u"Work");
  EXPECT_FALSE(m.Delete());
  EXPECT_EQ(m.Names(), (std::vector<std::u16string>{u"Home", u"Work"}));
  EXPECT_EQ(m.Selected(), 1);
}

// A stored count of 0 is a store with no sets yet: the list is empty, and the first set added is set 1.
TEST_F(ManagerModelTest, CountZeroIsNoSetsYet) {
  ASSERT_TRUE(store.WriteProfileText(u"VARDENZEB", u"NumUser", u"0"));
  SettingManagerModel m(store);
  EXPECT_EQ(m.Count(), 0);
  EXPECT_EQ(m.Selected(), -1);
  EXPECT_FALSE(m.CanDelete());
  EXPECT_TRUE(m.CanAdd());
  EXPECT_FALSE(m.Copy(u"Nothing to copy"));
  ASSERT_TRUE(m.Add(u"First"));
  EXPECT_EQ(m.Count(), 1);
  EXPECT_EQ(m.Selected(), 0);
  EXPECT_EQ(MainNumber(u"NumUser"), 1);
  EXPECT_EQ(Stored(1), TaggedSet(u"First", u"factory"));
  EXPECT_FALSE(m.CanDelete()) << "set 1 is the current set";
}

// Two managers (two copies of the settings program) each read the count anew under the store's lock: neither
// writes over the other's new set, and a delete by one renumbers nothing under the other.
TEST_F(ManagerModelTest, TwoManagersLoseNoSet) {
  Seed({u"A", u"B", u"C"}, 1);
  SettingManagerModel first(store);
  SettingManagerModel second(store);
  ASSERT_TRUE(first.Add(u"One"));
  ASSERT_TRUE(second.Add(u"Two"));
  EXPECT_EQ(MainNumber(u"NumUser"), 5);
  EXPECT_EQ(Stored(4).name, u"One");
  EXPECT_EQ(Stored(5).name, u"Two");
  EXPECT_EQ(second.Names(), (std::vector<std::u16string>{u"A", u"B", u"C", u"One", u"Two"}));
  first.Select(1);
  ASSERT_TRUE(first.Delete());
  ASSERT_TRUE(second.Add(u"Three"));
  EXPECT_EQ(second.Names(), (std::vector<std::u16string>{u"A", u"C", u"One", u"Two", u"Three"}));
  for (int n = 1; n <= 5; ++n) EXPECT_EQ(Stored(n).name, second.Names()[static_cast<size_t>(n - 1)]) << n;
  EXPECT_EQ(MainNumber(u"NumUser"), 5);
}

TEST_F(ManagerModelTest, ProfileFileModeWritesTheIniSections) {
  store.useIniFile = true;
  Seed({u"A", u"B", u"C"}, 3);
  SettingManagerModel m(store);
  m.Select(0);
  ASSERT_TRUE(m.Delete());
  EXPECT_EQ(backend.RawProfile(store.profileFile, u"VARDENZEB", u"NumUser"), u"2");
  EXPECT_EQ(backend.RawProfile(store.profileFile, u"VARDENZEB", u"CurrUser"), u"2");
  EXPECT_EQ(backend.RawProfile(store.profileFile, u"USER1", u"UserName"), u"B");
  EXPECT_EQ(backend.RawProfile(store.profileFile, u"USER2", u"UserName"), u"C");
  EXPECT_EQ(Stored(1), TaggedSet(u"B", u"B"));
}

}  // namespace
}  // namespace tapstart
