// Conformance of the set records: LoadUserData and SaveUserData in the registry and in the profile file.
#include <string>

#include "StoreConformance.h"
#include "store/StoreLayout.h"
#include "store/Text.h"

namespace tapstart::conformance {
namespace {

const std::u16string kRoot(kProductKey);

std::u16string ButtonKey(int set, int slot) {
  return kRoot + u"\\Setting\\Set" + DecimalText(set) + u"\\AppKey" + DecimalText(slot);
}

RegValue Text(std::u16string_view t) { return RegValue{kRegSz, Utf16Bytes(t)}; }
RegValue Dword(uint32_t n) {
  return RegValue{kRegDword,
                  {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n >> 16),
                   static_cast<uint8_t>(n >> 24)}};
}

USER_DATA FactorySet() {
  USER_DATA d;
  d.name = u"Factory";
  for (int b = 0; b < kButtonSlots; ++b) {
    auto& r = d.buttons[b];
    r.name = u"Default " + DecimalText(b + 1);
    r.code = u"M";
    r.count = 1;
    for (int k = 0; k < kProgramsPerButton; ++k) {
      r.command[k] = u"factory" + DecimalText(b + 1) + u"_" + DecimalText(k + 1) + u".exe";
      r.parameters[k] = u"/p" + DecimalText(k + 1);
      r.title[k] = u"Title " + DecimalText(k + 1);
    }
  }
  return d;
}

// Seeds one stored command of set 1, slot b, where the current mode keeps it.
void SeedCommand(StoreEnv& env, const SettingsStore& store, int b, int k, std::u16string_view stored) {
  if (store.useIniFile)
    env.PutProfileLine(u"USER1", u"Btn" + DecimalText(b) + u"_AP" + DecimalText(k), stored);
  else
    env.PutRaw(Hive::CurrentUser, ButtonKey(1, b), u"AP" + DecimalText(k), Text(stored));
}

void SeedCount(StoreEnv& env, const SettingsStore& store, int b, int32_t count) {
  if (store.useIniFile)
    env.PutProfileLine(u"USER1", u"Btn" + DecimalText(b) + u"_NumAP", DecimalText(count));
  else
    env.PutRaw(Hive::CurrentUser, ButtonKey(1, b), u"NumAP", Dword(static_cast<uint32_t>(count)));
}

TEST_P(StoreConformance, LoadUserData_MissingSetReadsTheFactorySet) {
  for (const bool ini : {false, true}) {
    SCOPED_TRACE(ini ? "profile file" : "registry");
    Store().useIniFile = ini;
    Store().defaults = FactorySet();
    Store().recordsInUse = 7;
    USER_DATA loaded;
    Store().LoadUserData(4, loaded);
    USER_DATA expected = FactorySet();
    expected.buttons[7] = APPKEY_DATA{};  // only the slots in use are read
    EXPECT_EQ(loaded, expected);
  }
}

TEST_P(StoreConformance, LoadUserData_SplitsAtTheFirstBarAndSaveJoinsAgain) {
  for (const bool ini : {false, true}) {
    SCOPED_TRACE(ini ? "profile file" : "registry");
    Env().ClearProfile();
    Store().useIniFile = ini;
    Store().recordsInUse = 5;
    Store().defaults = FactorySet();
    // Slot 1: command and parameters; slot 2: a second bar stays in the parameters; slot 3: a bar and nothing.
    SeedCommand(Env(), Store(), 1, 1, u"notepad.exe|readme.txt");
    SeedCommand(Env(), Store(), 1, 2, u"iexplore.exe|http://example.com/?a=1|2");
    SeedCommand(Env(), Store(), 1, 3, u"calc.exe|");
    SeedCommand(Env(), Store(), 1, 4, u"FALSE");
    Env().ReopenProfile();
    USER_DATA set;
    Store().LoadUserData(1, set);
    const auto& r = set.buttons[0];
    EXPECT_EQ(r.command[0], u"notepad.exe");
    EXPECT_EQ(r.parameters[0], u"readme.txt");
    EXPECT_EQ(r.command[1], u"iexplore.exe");
    EXPECT_EQ(r.parameters[1], u"http://example.com/?a=1|2");
    EXPECT_EQ(r.command[2], u"calc.exe");
    EXPECT_EQ(r.parameters[2], u"");
    // The word FALSE marks a missing command: the factory command takes its place.
    EXPECT_EQ(r.command[3], u"factory1_4.exe");
    EXPECT_EQ(r.parameters[3], u"/p4");

    ASSERT_TRUE(Store().SaveUserData(1, set));
    Env().ReopenProfile();
    EXPECT_EQ(Store().GetProfileText(u"USER1", u"Btn1_AP1", u""), u"notepad.exe|readme.txt");
    EXPECT_EQ(Store().GetProfileText(u"USER1", u"Btn1_AP2", u""), u"iexplore.exe|http://example.com/?a=1|2");
    EXPECT_EQ(Store().GetProfileText(u"USER1", u"Btn1_AP3", u""), u"calc.exe");
    EXPECT_EQ(Store().GetProfileText(u"USER1", u"Btn1_AP4", u""), u"factory1_4.exe|/p4");
  }
}

TEST_P(StoreConformance, SaveUserData_TrimsParametersAndSavesABlankOneAlone) {
  for (const bool ini : {false, true}) {
    SCOPED_TRACE(ini ? "profile file" : "registry");
    Store().useIniFile = ini;
    Store().recordsInUse = 5;
    USER_DATA set;
    auto& r = set.buttons[0];
    r.command = {u"notepad.exe", u"notepad.exe", u"iexplore.exe|http://a.example/", u"", u""};
    r.parameters = {u" ", u"  readme.txt ", u"http://a.example/", u"orphan", u""};
    ASSERT_TRUE(Store().SaveUserData(2, set));
    Env().ReopenProfile();
    EXPECT_EQ(r.parameters[0], u"") << "the record is trimmed as it is saved";
    EXPECT_EQ(r.parameters[1], u"readme.txt");
    EXPECT_EQ(Store().GetProfileText(u"USER2", u"Btn1_AP1", u"FALSE"), u"notepad.exe");
    EXPECT_EQ(Store().GetProfileText(u"USER2", u"Btn1_AP2", u"FALSE"), u"notepad.exe|readme.txt");
    // A command that already holds its bar keeps it, and the parameters are not added twice.
    EXPECT_EQ(Store().GetProfileText(u"USER2", u"Btn1_AP3", u"FALSE"), u"iexplore.exe|http://a.example/");
    EXPECT_EQ(Store().GetProfileText(u"USER2", u"Btn1_AP4", u"FALSE"), u"|orphan");
    EXPECT_EQ(Store().GetProfileText(u"USER2", u"Btn1_AP5", u"FALSE"), u"");
  }
}

TEST_P(StoreConformance, LoadUserData_CountOutsideOneToFiveIsZero) {
  for (const bool ini : {false, true}) {
    SCOPED_TRACE(ini ? "profile file" : "registry");
    Env().ClearProfile();
    Store().useIniFile = ini;
    Store().recordsInUse = 8;
    Store().defaults = FactorySet();
    const int32_t counts[] = {6, -1, 0, 1, 5, 7, 2147483647, 3};
    const int32_t expected[] = {0, 0, 0, 1, 5, 0, 0, 3};
    for (int b = 1; b <= 8; ++b) SeedCount(Env(), Store(), b, counts[b - 1]);
    Env().ReopenProfile();
    USER_DATA set;
    Store().LoadUserData(1, set);
    for (int b = 1; b <= 8; ++b) EXPECT_EQ(set.buttons[b - 1].count, expected[b - 1]) << "slot " << b;
  }
}

TEST_P(StoreConformance, UserData_ConvAppKeyMovesASlotToAnotherSlotsKeys) {
  struct Case {
    uint32_t appKey6;
    int storedUnder;
  };
  int set = 20;  // a fresh set for each case
  for (const bool ini : {false, true}) {
    for (const Case c : {Case{7, 7}, Case{6, 6}, Case{0, 6}, Case{9, 6}, Case{1, 1}}) {
      const std::u16string section = u"USER" + DecimalText(++set);
      SCOPED_TRACE(std::string(ini ? "profile file" : "registry") + ", AppKey6=" + std::to_string(c.appKey6));
      Env().ClearProfile();
      Env().PutRaw(Hive::LocalMachine, kConvAppKeyKey, u"AppKey6", Dword(c.appKey6));
      Store().useIniFile = ini;
      Store().recordsInUse = 6;
      EXPECT_EQ(Store().StorageSlot(6), c.storedUnder);
      const std::u16string prefix = u"Btn" + DecimalText(c.storedUnder);

      USER_DATA data;
      data.buttons[5].name = u"ノート";
      data.buttons[5].code = u"S";
      data.buttons[5].count = 2;
      data.buttons[5].command[0] = u"a.exe";
      data.buttons[5].parameters[0] = u"x";
      data.buttons[5].title[1] = u"标题";
      ASSERT_TRUE(Store().SaveUserData(set, data));
      Env().ReopenProfile();
      EXPECT_EQ(Store().GetProfileText(section, prefix + u"_Name", u"?"), u"ノート");
      EXPECT_EQ(Store().GetProfileText(section, prefix + u"_Exec", u"?"), u"S");
      EXPECT_EQ(Store().GetProfileText(section, prefix + u"_NumAP", u"?"), u"2");
      EXPECT_EQ(Store().GetProfileText(section, prefix + u"_AP1", u"?"), u"a.exe|x");
      EXPECT_EQ(Store().GetProfileText(section, prefix + u"_Title2", u"?"), u"标题");
      if (c.storedUnder != 6) {
        EXPECT_EQ(Store().GetProfileText(section, u"Btn6_Name", u"?"), u"?");
      }

      // Loading reads slot 6 from the same keys, whatever else is stored under Btn6.
      if (c.storedUnder != 6) {
        ASSERT_TRUE(Store().WriteProfileText(section, u"Btn6_Name", u"wrong"));
      }
      Env().ReopenProfile();
      USER_DATA loaded;
      Store().LoadUserData(set, loaded);
      EXPECT_EQ(loaded.buttons[5].name, u"ノート");
      EXPECT_EQ(loaded.buttons[5].command[0], u"a.exe");
      EXPECT_EQ(loaded.buttons[5].parameters[0], u"x");
      EXPECT_EQ(loaded.buttons[5].title[1], u"标题");
    }
  }
}

TEST_P(StoreConformance, SaveUserData_WritesEachKeyInOrder) {
  for (const bool ini : {false, true}) {
    SCOPED_TRACE(ini ? "profile file" : "registry");
    RecordingBackend recorder(Env().Backend());
    SettingsStore store(recorder);
    store.useIniFile = ini;
    store.recordsInUse = 6;
    USER_DATA set;
    set.name = u"Set name";
    set.buttons[0].code = u"M";
    set.buttons[0].count = 1;
    set.buttons[0].command[0] = u"notepad.exe";
    ASSERT_TRUE(store.SaveUserData(3, set));

    std::vector<std::u16string> keys;
    for (const auto& w : recorder.writes)
      keys.push_back(ini ? w.key : w.section.substr(w.section.rfind(u'\\') + 1) + u"/" + w.key);
    std::vector<std::u16string> expected = {ini ? u"UserName" : u"Set3/SetName"};
    for (int b = 1; b <= 6; ++b) {
      const std::u16string p = ini ? u"Btn" + DecimalText(b) : u"AppKey" + DecimalText(b) + u"/";
      const std::vector<std::u16string> names =
          ini ? std::vector<std::u16string>{u"_Exec",   u"_NumAP",  u"_Name",  u"_AP1",    u"_AP2",
                                            u"_AP3",    u"_AP4",    u"_AP5",   u"_Title1", u"_Title2",
                                            u"_Title3", u"_Title4", u"_Title5"}
              : std::vector<std::u16string>{u"Execute",   u"NumAP",     u"DispTitle", u"AP1",       u"AP2",
                                            u"AP3",       u"AP4",       u"AP5",       u"ProgName1", u"ProgName2",
                                            u"ProgName3", u"ProgName4", u"ProgName5"};
      for (const auto& n : names) expected.push_back(p + n);
    }
    EXPECT_EQ(keys, expected);
    if (ini) {
      // In the profile file an empty command is written as one blank, and a blank name likewise.
      EXPECT_EQ(recorder.writes[3].key, u"Btn1_Name");
      EXPECT_EQ(recorder.writes[3].text, u" ");
      EXPECT_EQ(recorder.writes[4].text, u"notepad.exe");
      EXPECT_EQ(recorder.writes[5].text, u" ");
      EXPECT_EQ(recorder.writes[9].text, u"");  // titles are written as they are
    } else {
      EXPECT_EQ(recorder.writes[3].value, Text(u" "));
      EXPECT_EQ(recorder.writes[4].value, Text(u"notepad.exe"));
      EXPECT_EQ(recorder.writes[5].value, Text(u""));
      EXPECT_EQ(recorder.writes[2].value, Dword(1));
    }
  }
}

TEST_P(StoreConformance, SaveUserData_EmptyCommandInTheProfileFileReadsBackEmpty) {
  Store().useIniFile = true;
  Store().recordsInUse = 5;
  Store().defaults = FactorySet();
  USER_DATA set;
  set.buttons[0].command[0] = u"only.exe";
  ASSERT_TRUE(Store().SaveUserData(3, set));
  Env().ReopenProfile();
  USER_DATA loaded;
  Store().LoadUserData(3, loaded);
  // The empty slots exist in the file, so they do not fall back to the factory commands.
  EXPECT_EQ(loaded.buttons[0].command[0], u"only.exe");
  for (int k = 1; k < kProgramsPerButton; ++k) {
    EXPECT_EQ(loaded.buttons[0].command[k], u"") << k;
    EXPECT_EQ(loaded.buttons[0].parameters[k], u"") << k;
  }
  EXPECT_EQ(loaded.buttons[0].name, u"") << "a blank name reads back trimmed from the profile file";
  EXPECT_EQ(Store().GetProfileText(u"USER3", u"Btn1_AP2", u"FALSE"), u"");
}

// Whatever another program left in the set's keys, loading reads defaults or the rule's text, and leaves the
// stored bytes as they were.
TEST_P(StoreConformance, LoadUserData_MalformedValuesReadAsDefaults) {
  const std::u16string setKey = kRoot + u"\\Setting\\Set1";
  const std::u16string key = ButtonKey(1, 1);
  std::u16string longCommand = u"long.exe|";
  longCommand.resize(2048, u'p');  // 4096 bytes, no terminator
  std::vector<uint8_t> huge = Utf16Bytes(std::u16string(32768, u'h'));
  struct Seed {
    std::u16string key;
    std::u16string name;
    RegValue value;
  };
  const std::vector<Seed> seeds = {
      {setKey, u"SetName", Dword(5)},
      {key, u"Execute", Dword(7)},
      {key, u"NumAP", Text(u"3")},
      {key, u"DispTitle", RegValue{kRegBinary, Utf16Bytes(u"binary")}},
      {key, u"AP1", RegValue{kRegSz, huge}},
      {key, u"AP2", Text(longCommand)},
      {key, u"AP3", RegValue{kRegSz, {'a', 0, '|', 0, 'b', 0, 'c'}}},
      {key, u"AP4", Dword(1)},
      {key, u"ProgName1", RegValue{kRegMultiSz, {'t', 0, 0, 0, 0, 0}}},
      {key, u"ProgName2", RegValue{kRegSz, {}}},
  };
  for (const auto& s : seeds) Env().PutRaw(Hive::CurrentUser, s.key, s.name, s.value);
  Store().useIniFile = false;
  Store().recordsInUse = 5;
  Store().defaults = FactorySet();

  USER_DATA set;
  Store().LoadUserData(1, set);
  const auto& r = set.buttons[0];
  EXPECT_EQ(set.name, u"Factory");
  EXPECT_EQ(r.code, u"M");
  EXPECT_EQ(r.count, 1);
  EXPECT_EQ(r.name, u"Default 1");
  EXPECT_EQ(r.command[0], u"factory1_1.exe") << "a value too large for the buffer reads as missing";
  EXPECT_EQ(r.command[1], u"long.exe");
  EXPECT_EQ(r.parameters[1], std::u16string(2047 - 9, u'p'));
  EXPECT_EQ(r.command[2], u"a");
  EXPECT_EQ(r.parameters[2], u"b");
  EXPECT_EQ(r.command[3], u"factory1_4.exe");
  EXPECT_EQ(r.title[0], u"Title 1");
  EXPECT_EQ(r.title[1], u"");
  for (const auto& s : seeds)
    EXPECT_EQ(Env().GetRaw(Hive::CurrentUser, s.key, s.name), s.value) << "changed: " << ToUtf8(s.name);
}

TEST_P(StoreConformance, SaveUserData_ReportsASetThatCannotBeWritten) {
  const std::u16string setKey = kRoot + u"\\Setting\\Set5";
  Env().PutKey(Hive::CurrentUser, setKey);
  if (!Env().DenyWrite(setKey)) GTEST_SKIP() << "this backend cannot deny writing a key";
  Store().useIniFile = false;
  Store().recordsInUse = 5;
  USER_DATA set;
  set.name = u"name";
  EXPECT_FALSE(Store().SaveUserData(5, set));
  EXPECT_FALSE(Env().GetRaw(Hive::CurrentUser, setKey, u"SetName").has_value());
  // Other sets are not affected.
  EXPECT_TRUE(Store().SaveUserData(6, set));
}

}  // namespace
}  // namespace tapstart::conformance
