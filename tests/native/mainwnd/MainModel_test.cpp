// The main window's decisions: machine switches, tab layouts, caption cuts, saving and the handler's messages.
#include <gtest/gtest.h>

#include "mainwnd/MainModel.h"
#include "res/resource.h"
#include "store/MemoryStore.h"
#include "store/Text.h"

namespace tapstart {
namespace {

void PutMachine(MemoryStore& mem, std::u16string_view name, uint32_t v) {
  mem.Put(Hive::LocalMachine, kProductKey, name, DwordValue(v));
}

TEST(MainModelTest, MachineSettings_AdjustCountsAndImageMode) {
  struct Case {
    std::optional<uint32_t> nt, dt, qstart, image;
    int32_t notebook, records, desktop, imageMode;
  };
  for (const Case& c :
       {Case{{}, {}, {}, {}, 0, 7, 0, 0}, Case{1, 5, 0, 1, 1, 6, 5, 1}, Case{3, 6, 0, 2, 3, 8, 4, 2},
        Case{4, 9, 1, 1, 2, 7, 4, 0}, Case{0xFFFFFFFF, 2, 1, 2, -1, 7, 2, 2}, Case{2, 1, 2, 0, 2, 7, 1, 0}}) {
    MemoryStore mem;
    SettingsStore store(mem);
    if (c.nt) PutMachine(mem, u"NTNumAPBtn", *c.nt);
    if (c.dt) PutMachine(mem, u"DTNumAPBtn", *c.dt);
    if (c.qstart) PutMachine(mem, u"QSTART", *c.qstart);
    if (c.image) PutMachine(mem, u"BtnImage", *c.image);
    const MachineSettings m = ReadMachineSettings(store);
    EXPECT_EQ(m.notebookCount, c.notebook);
    EXPECT_EQ(m.recordsInUse, c.records);
    EXPECT_EQ(m.desktopCount, c.desktop);
    EXPECT_EQ(m.imageMode, c.imageMode);
  }
}

USER_DATA NamedDefaults(int named) {
  USER_DATA d;
  for (int i = 0; i < named; ++i) d.buttons[i].name = u"b";
  return d;
}

TEST(MainModelTest, PlanTabs_FollowsTheKeyboardBits) {
  struct Case {
    int32_t bits;
    int32_t showNt, nr1t2, initialTab;
    std::vector<int> removed;
    TabLayout::Kind layout;
    int select;
    bool override;
    bool named;
  };
  constexpr auto kAll = TabLayout::kAllTabs, kNoDt = TabLayout::kNoDesktopTab, kNoNt = TabLayout::kNoNotebookTab,
                 kOsd = TabLayout::kOnScreenOnly;
  const Case cases[] = {
      {0x03, 0, 0, -1, {}, kAll, 0, false, false},      // desktop and notebook: all three tabs
      {0x01, 0, 0, -1, {1}, kNoNt, 0, true, false},     // desktop only: notebook tab removed
      {0x01, 1, 0, -1, {}, kAll, 0, true, false},       // ShowNTTab keeps it
      {0x02, 0, 0, -1, {0}, kNoDt, 0, false, false},    // notebook only: desktop tab removed
      {0x02, 0, 1, -1, {0, 0}, kOsd, 0, false, false},  // and NR1t2: the on-screen tab alone
      {0x03, 0, 1, -1, {1}, kNoNt, 0, false, false},    // NR1t2 with all tabs removes the notebook tab
      {0x09, 0, 0, -1, {1}, kNoNt, 0, true, true},      // named keys
      {0x0A, 0, 0, -1, {}, kAll, 0, false, true},
      {0x10, 0, 0, 2, {1}, kNoNt, 1, true, false},  // "/t:2" without a notebook tab: the on-screen tab at index 1
      {0x03, 0, 0, 2, {}, kAll, 2, false, false},
      {0x03, 0, 0, 1, {}, kAll, 1, false, false},
      {0x01, 0, 0, 1, {1}, kNoNt, 0, true, false},  // "/t:1" on a machine without that tab: first tab
      {0x02, 0, 1, 2, {0, 0}, kOsd, 0, false, false},
  };
  for (const Case& c : cases) {
    MachineSettings m;
    m.showNotebookTab = c.showNt;
    m.nr1t2 = c.nr1t2;
    m.desktopCount = 3;
    const TabPlan p = PlanTabs(c.bits, m, c.initialTab, NamedDefaults(5));
    EXPECT_EQ(p.removeTabs, c.removed) << c.bits;
    EXPECT_EQ(p.layout.kind(), c.layout) << c.bits;
    EXPECT_EQ(p.selectTab, c.select) << c.bits;
    EXPECT_EQ(p.desktopOverride, c.override) << c.bits;
    EXPECT_EQ(p.namedKeys, c.named) << c.bits;
  }
}

TEST(MainModelTest, PlanTabs_CountsShownPositions) {
  struct Case {
    int32_t bits, dt, nt;
    int named;
    int desktop, limit, notebook;
  };
  for (const Case& c : {Case{0x01, 3, 0, 5, 3, 2, 3}, Case{0x01, 0, 0, 4, 4, 3, 3}, Case{0x01, 7, 0, 2, 2, 1, 3},
                        Case{0x01, 0, 0, 0, 0, -1, 3}, Case{0x03, 2, 2, 5, 5, 4, 2}, Case{0x03, 2, 1, 5, 5, 4, 1},
                        Case{0x02, 0, 0, 5, 5, 4, 0}, Case{0x02, 0, -1, 5, 5, 4, 0}}) {
    MachineSettings m;
    m.desktopCount = c.dt;
    m.notebookCount = c.nt;
    const TabPlan p = PlanTabs(c.bits, m, -1, NamedDefaults(c.named));
    EXPECT_EQ(p.desktopCount, c.desktop) << c.bits << " " << c.dt;
    EXPECT_EQ(p.wizardLimit, c.limit) << c.bits << " " << c.dt;
    EXPECT_EQ(p.notebookShown, c.notebook) << c.bits << " " << c.nt;
  }
}

TEST(MainModelTest, LaunchButtonKeyCode_MapsButtonsOneToEight) {
  const std::pair<int, int32_t> cases[] = {{1, 0x68}, {4, 0x6B}, {7, 0x6E}, {8, 0x54}, {0, 0}, {9, 9}};
  for (auto [b, code] : cases) EXPECT_EQ(LaunchButtonKeyCode(b), code) << b;
}

class RecordingLink final : public HandlerLink {
 public:
  std::vector<std::string> calls;
  bool hovl = true, zeb = true;
  uintptr_t Find(std::u16string_view cls) override {
    calls.push_back("find " + ToUtf8(cls));
    if (cls == u"VARDENZEBCLASS") return zeb ? 2 : 0;
    return hovl ? 1 : 0;
  }
  void Post(uintptr_t w, uint32_t msg, uintptr_t wp, intptr_t lp) override {
    calls.push_back("post " + std::to_string(w) + " " + std::to_string(msg) + " " + std::to_string(wp) + " " +
                    std::to_string(lp));
  }
  void Send(uintptr_t w, uint32_t msg, uintptr_t wp, intptr_t lp) override {
    calls.push_back("send " + std::to_string(w) + " " + std::to_string(msg) + " " + std::to_string(wp) + " " +
                    std::to_string(lp));
  }
};

TEST(MainModelTest, NotifyButtonHandler_FindsBothThenPostsThenSends) {
  RecordingLink link;
  NotifyButtonHandler(link);
  const std::vector<std::string> expected = {"find Varden Hovl MainWnd Class", "find VARDENZEBCLASS", "post 1 1336 1 0",
                                             "send 2 1336 1 0"};
  EXPECT_EQ(link.calls, expected);

  RecordingLink missing;
  missing.hovl = false;
  NotifyButtonHandler(missing);
  EXPECT_EQ(missing.calls.back(), "send 2 1336 1 0");
  EXPECT_EQ(missing.calls.size(), 3u);

  RecordingLink press;
  PressButton(press, 7);
  EXPECT_EQ(press.calls.back(), "post 2 1332 84 1");
}

class MainModelStoreTest : public testing::Test {
 protected:
  MemoryStore mem;
  SettingsStore store{mem};
  MainModel model{store};
  void SeedDefaults() {
    const std::u16string set = std::u16string(kProductKey) + u"\\Default\\Setting\\Set1";
    mem.Put(Hive::LocalMachine, set, u"SetName", StringValue(u"Factory"));
    mem.Put(Hive::LocalMachine, set + u"\\AppKey1", u"Execute", StringValue(u"M"));
    mem.Put(Hive::LocalMachine, set + u"\\AppKey1", u"NumAP", DwordValue(1));
    mem.Put(Hive::LocalMachine, set + u"\\AppKey1", u"DispTitle", StringValue(u"Mail"));
    mem.Put(Hive::LocalMachine, set + u"\\AppKey1", u"AP1", StringValue(u"mail.exe"));
  }
  void Load() { model.Load(u"Arial", LookupIn({u"Arial"})); }
};

TEST_F(MainModelStoreTest, CurrentPatternBelowOneLoadsAndSavesPatternOne) {
  SeedDefaults();
  for (int32_t stored : {0, -3}) {
    ASSERT_TRUE(store.SetRegDword(kProductKey, u"CurrSetting", stored));
    ASSERT_TRUE(store.SetRegDword(kProductKey, u"NumSetting", 2));
    Load();
    EXPECT_EQ(model.currUser, 1);
    const auto names = model.PatternNames();
    EXPECT_EQ(names.size(), 2u);
    model.live.buttons[0].name = u"Edited";
    ASSERT_TRUE(model.SaveAll().Ok());
    EXPECT_FALSE(mem.CanOpenKey(Hive::CurrentUser, std::u16string(kProductKey) + u"\\Setting\\Set0"));
    EXPECT_EQ(store.GetProfileText(u"USER1", u"Btn1_Name", u""), u"Edited");
  }
}

TEST_F(MainModelStoreTest, PatternListClampsCountAndCurrent) {
  struct Case {
    int32_t num, curr;
    size_t names;
    int32_t current;
  };
  for (const Case& c : {Case{3, 2, 3, 2}, Case{11, 2, 10, 2}, Case{0, 1, 1, 1}, Case{2, 5, 2, 1}, Case{10, 10, 10, 10},
                        Case{12, 11, 10, 1}, Case{-4, 1, 1, 1}}) {
    ASSERT_TRUE(store.SetRegDword(kProductKey, u"NumSetting", c.num));
    ASSERT_TRUE(store.SetRegDword(kProductKey, u"CurrSetting", c.curr));
    Load();
    EXPECT_EQ(model.PatternNames().size(), c.names) << c.num;
    EXPECT_EQ(model.currUser, c.current) << c.num << " " << c.curr;
  }
}

TEST_F(MainModelStoreTest, PatternNamesDefaultToUserAndNumber) {
  ASSERT_TRUE(store.SetRegDword(kProductKey, u"NumSetting", 2));
  ASSERT_TRUE(store.SetRegString(std::u16string(kProductKey) + u"\\Setting\\Set2", u"SetName", u"Travel"));
  Load();
  EXPECT_EQ(model.PatternNames(), (std::vector<std::u16string>{u"User1", u"Travel"}));
}

TEST_F(MainModelStoreTest, ChangesAreSeenAndSavingRefreshesTheSnapshot) {
  SeedDefaults();
  Load();
  EXPECT_FALSE(model.IsChanged());
  model.live.buttons[0].title[0] = u"only a title";
  EXPECT_FALSE(model.IsChanged()) << "titles do not count";
  model.live.buttons[1].parameters[2] = u"x";
  EXPECT_TRUE(model.IsChanged());
  ASSERT_TRUE(model.SaveAll().Ok());
  EXPECT_FALSE(model.IsChanged());
  model.liveOnScreen.color = 0x123456;
  EXPECT_TRUE(model.IsChanged());
  model.RestoreOnScreenDefaults();
  EXPECT_EQ(model.liveOnScreen, model.defaultOnScreen);
}

TEST_F(MainModelStoreTest, PrepareOkCreatesMissingUserKeysFromTheFactoryDefaults) {
  SeedDefaults();
  Load();
  const std::u16string root(kProductKey);
  ASSERT_FALSE(mem.CanOpenKey(Hive::CurrentUser, root + u"\\Setting"));
  ASSERT_TRUE(model.PrepareOk());
  EXPECT_EQ(store.GetProfileText(u"USER1", u"Btn1_Name", u""), u"Mail");
  EXPECT_EQ(store.GetProfileText(u"USER1", u"UserName", u""), u"Factory");
  EXPECT_TRUE(mem.CanOpenKey(Hive::CurrentUser, root + u"\\OnScreen"));
  EXPECT_EQ(store.ReadMainNumber(u"CurrUser"), 1);
}

// Default resets the five desktop records and as many notebook records as the machine has.
TEST_F(MainModelStoreTest, RestoreButtonDefaultsResetsTheDesktopAndTheNotebookRecords) {
  SeedDefaults();
  struct Case {
    int32_t notebookCount;  // -1: no value
    int resetRecords;
  };
  for (const Case& c : {Case{-1, 5}, Case{0, 5}, Case{1, 6}, Case{3, 8}, Case{7, 7}}) {
    if (c.notebookCount >= 0) mem.Put(Hive::LocalMachine, kProductKey, u"NTNumAPBtn", DwordValue(c.notebookCount));
    Load();
    for (auto& b : model.live.buttons) b.name = u"changed";
    model.RestoreButtonDefaults();
    EXPECT_EQ(model.live.buttons[0].name, u"Mail") << c.notebookCount;
    for (int i = 1; i < kButtonSlots; ++i)
      EXPECT_EQ(model.live.buttons[i].name, i < c.resetRecords ? u"" : u"changed") << c.notebookCount << " " << i;
  }
}

// A profile-file machine keeps what the user has in the file when OK runs; only a file without the user's
// sections gets the factory set.
TEST_F(MainModelStoreTest, PrepareOkOnAProfileFileMachineKeepsTheUsersSections) {
  store.useIniFile = true;
  Load();
  ASSERT_EQ(store.GetProfileText(u"USER1", u"UserName", u"absent"), u"absent");
  ASSERT_TRUE(model.PrepareOk());
  EXPECT_EQ(store.GetProfileText(u"USER1", u"UserName", u"absent"), model.defaults.name);
  EXPECT_EQ(store.GetProfileText(u"ONSCREEN", u"OnScreen", u"-"), DecimalText(model.defaultOnScreen.on));

  ASSERT_TRUE(store.WriteProfileText(u"USER1", u"Btn1_Name", u"Mine"));
  ASSERT_TRUE(store.WriteProfileText(u"ONSCREEN", u"Color", u"255"));
  Load();
  ASSERT_TRUE(model.PrepareOk());
  EXPECT_EQ(store.GetProfileText(u"USER1", u"Btn1_Name", u""), u"Mine");
  EXPECT_EQ(store.GetProfileText(u"ONSCREEN", u"Color", u""), u"255");
  EXPECT_FALSE(mem.CanOpenKey(Hive::CurrentUser, std::u16string(kProductKey) + u"\\Setting"));
}

TEST_F(MainModelStoreTest, WizardRecordFollowsConvAppKey) {
  mem.Put(Hive::LocalMachine, kConvAppKeyKey, u"AppKey3", DwordValue(6));
  Load();
  EXPECT_EQ(model.WizardRecord(5), 2);
  EXPECT_EQ(model.WizardRecord(1), 1);
}

TEST(MainModelTest, FailedSaveMessage_NamesWhatCouldNotBeSaved) {
  struct Case {
    bool buttons, onScreen;
    uint32_t message;
  };
  for (const Case& c : {Case{true, true, 0}, Case{false, true, IDS_SAVE_FAILED_BUTTONS},
                        Case{true, false, IDS_SAVE_FAILED_ONSCREEN}, Case{false, false, IDS_SAVE_FAILED_ALL}}) {
    const SaveResult result{c.buttons, c.onScreen};
    EXPECT_EQ(result.Ok(), c.message == 0) << c.buttons << c.onScreen;
    EXPECT_EQ(FailedSaveMessage(result), c.message) << c.buttons << c.onScreen;
  }
}

// A save the store refuses is no success: the part that was refused keeps its snapshot, so the change stays
// pending and OK asks about it again; the part that was saved is done.
TEST_F(MainModelStoreTest, FailedSaveKeepsWhatWasRefusedPending) {
  const std::u16string root(kProductKey);
  struct Case {
    std::u16string denied;  // the user-tree key that refuses writes
    bool buttons, onScreen;
  };
  for (const Case& c : {Case{root + u"\\Setting", false, true}, Case{root + u"\\OnScreen", true, false},
                        Case{root, false, false}, Case{root + u"\\Other", true, true}}) {
    MemoryStore denying;
    SettingsStore deniedStore(denying);
    MainModel m(deniedStore);
    const std::u16string set = root + u"\\Default\\Setting\\Set1";
    denying.Put(Hive::LocalMachine, set + u"\\AppKey1", u"DispTitle", StringValue(u"Mail"));
    m.Load(u"Arial", LookupIn({u"Arial", u"Tahoma"}));
    denying.DenyWrite(c.denied);
    m.live.buttons[0].name = u"Edited";
    m.liveOnScreen.face = u"Tahoma";
    const SaveResult result = m.SaveAll(true);
    SCOPED_TRACE(ToUtf8(c.denied));
    EXPECT_EQ(result.buttons, c.buttons);
    EXPECT_EQ(result.onScreen, c.onScreen);
    EXPECT_EQ(m.saved.buttons[0].name, c.buttons ? u"Edited" : u"Mail");
    EXPECT_EQ(m.savedOnScreen.face, c.onScreen ? u"Tahoma" : u"Arial");
    EXPECT_EQ(m.IsChanged(), !result.Ok());
    EXPECT_EQ(m.live.buttons[0].name, u"Edited") << "the live copy keeps every edit";
    EXPECT_EQ(m.SaveLiveSet(), c.buttons);
  }
}

// A pattern change that cannot write the current pattern changes nothing: the live copy, the snapshot and the
// number stay on the pattern the store still names.
TEST_F(MainModelStoreTest, SwitchPatternThatCannotBeWrittenChangesNothing) {
  ASSERT_TRUE(store.SetRegDword(kProductKey, u"NumSetting", 2));
  ASSERT_TRUE(store.SetRegString(std::u16string(kProductKey) + u"\\Setting\\Set2\\AppKey1", u"DispTitle", u"Two"));
  Load();
  model.live.buttons[0].name = u"pending";
  mem.DenyWrite(kProductKey);
  EXPECT_FALSE(model.SwitchPattern(2));
  EXPECT_EQ(model.currUser, 1);
  EXPECT_EQ(model.live.buttons[0].name, u"pending");
  EXPECT_TRUE(model.IsChanged());

  MemoryStore open;
  SettingsStore openStore(open);
  MainModel switching(openStore);
  ASSERT_TRUE(openStore.SetRegString(std::u16string(kProductKey) + u"\\Setting\\Set2\\AppKey1", u"DispTitle", u"Two"));
  switching.Load(u"Arial", LookupIn({u"Arial"}));
  ASSERT_TRUE(switching.SwitchPattern(2));
  EXPECT_EQ(switching.currUser, 2);
  EXPECT_EQ(switching.live.buttons[0].name, u"Two");
  EXPECT_EQ(openStore.ReadMainNumber(u"CurrUser"), 2);
}

// After the setting manager, the current pattern's name reads as a set's load reads it: with no stored name,
// the factory set's name, never an empty one that the next Apply would store.
TEST_F(MainModelStoreTest, ReloadAfterManagerNamesThePatternAsItsLoadDoes) {
  struct Case {
    const char16_t* stored;  // nullptr: no stored name
    const char16_t* name;
  };
  for (const Case& c : {Case{nullptr, u"Factory"}, Case{u"Mine", u"Mine"}}) {
    MemoryStore fresh;
    SettingsStore freshStore(fresh);
    MainModel m(freshStore);
    const std::u16string set = std::u16string(kProductKey) + u"\\Default\\Setting\\Set1";
    fresh.Put(Hive::LocalMachine, set, u"SetName", StringValue(u"Factory"));
    if (c.stored != nullptr) {
      ASSERT_TRUE(freshStore.SetRegString(std::u16string(kProductKey) + u"\\Setting\\Set1", u"SetName", c.stored));
    }
    m.Load(u"Arial", LookupIn({u"Arial"}));
    m.ReloadAfterManager();
    EXPECT_EQ(m.live.name, c.name);
    ASSERT_TRUE(m.SaveAll(true).Ok());
    EXPECT_EQ(freshStore.GetProfileText(u"USER1", u"UserName", u"-"), c.name);
  }
}

}  // namespace
}  // namespace tapstart
