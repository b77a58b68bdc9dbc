// The wizard's page rules and the main window's side of a wizard run, one table per rule.
#include <gtest/gtest.h>

#include "store/MemoryStore.h"
#include "store/Text.h"
#include "wizard/WizardMachine.h"
#include "wizard/WizardPageRules.h"
#include "wizard/WizardRun.h"
#include "wizard/WizardSources.h"

namespace tapstart {
namespace {

TEST(WizardRulesTest, SourcesOfferedFollowSwitchesAndLanguage) {
  struct Case {
    SourceSwitches sw;
    bool japanese, imeLoaded;
    SingleSources single;
    SeveralSources several;
  };
  const Case cases[] = {
      {{0, 0, 0}, true, true, {1, 0, 0, 1, 1, 0}, {1, 0, 0, 1, 0}},
      {{1, 1, 1}, true, true, {1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 0}},
      {{1, 2, 1}, false, true, {1, 1, 0, 1, 1, 0}, {1, 1, 0, 1, 0}},  // a switch is on only at exactly 1
      {{0, 1, 1}, true, false, {1, 0, 1, 1, 1, 0}, {1, 0, 1, 1, 0}},  // no IME list: nothing to take
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SingleSourcesOffered(c.sw, c.japanese, c.imeLoaded), c.single);
    EXPECT_EQ(SeveralSourcesOffered(c.sw), c.several);
  }
}

TEST(WizardRulesTest, SourceRadiosArePackedWithoutGaps) {
  using Box = std::optional<RadioBox>;
  const Box none;
  EXPECT_EQ(PackSingleSourceRadios(100, {1, 1, 1, 1, 1, 1}),
            (std::array<Box, 6>{RadioBox{75, 17}, RadioBox{100, 17}, RadioBox{125, 17}, RadioBox{150, 17},
                                RadioBox{175, 17}, RadioBox{200, 17}}));
  EXPECT_EQ(
      PackSingleSourceRadios(100, {1, 0, 1, 1, 1, 0}),
      (std::array<Box, 6>{RadioBox{75, 17}, none, RadioBox{100, 17}, RadioBox{125, 17}, RadioBox{150, 17}, none}));
  EXPECT_EQ(PackSeveralSourceRadios({60, 20}, {1, 1, 1, 1, 0}),
            (std::array<Box, 5>{RadioBox{60, 20}, RadioBox{85, 17}, RadioBox{110, 17}, RadioBox{135, 17}, none}));
  EXPECT_EQ(PackSeveralSourceRadios({60, 20}, {1, 0, 0, 1, 0}),
            (std::array<Box, 5>{RadioBox{60, 20}, none, none, RadioBox{85, 17}, none}));
}

// Pixel lengths are given at 96 DPI; at other scales they round as the system's MulDiv does.
TEST(WizardRulesTest, LayoutLengthsFollowTheDpi) {
  const struct {
    int value, dpi, scaled;
  } lengths[] = {{199, 96, 199}, {199, 144, 299}, {19, 144, 29}, {73, 144, 110}, {25, 120, 31},
                 {17, 192, 34},  {-3, 144, -5},   {74, 0, 74},   {74, -1, 74}};
  for (const auto& c : lengths) EXPECT_EQ(ScaleToDpi(c.value, c.dpi), c.scaled) << c.value << " at " << c.dpi;

  const struct {
    int32_t addHelp;
    int dpi;
    std::array<int, 7> row;  // own Finish, Back, Next, Cancel, Help, width, height
  } rows[] = {{1, 96, {212, 292, 373, 454, 535, 73, 25}},
              {1, 144, {318, 438, 560, 681, 803, 110, 38}},
              {1, 192, {424, 584, 746, 908, 1070, 146, 50}},
              {2, 144, {383, 503, 623, 803, 803, 110, 38}}};
  for (const auto& c : rows) {
    const BottomButtonLayout b = PlanBottomButtons(c.addHelp, c.dpi);
    EXPECT_EQ((std::array{b.ownFinish, b.back, b.next, b.cancel, b.help, b.width, b.height}), c.row) << c.dpi;
  }
  using Box = std::optional<RadioBox>;
  EXPECT_EQ(PackSingleSourceRadios(150, {1, 0, 1, 0, 0, 0}, 144),
            (std::array<Box, 6>{RadioBox{112, 26}, Box{}, RadioBox{150, 26}, Box{}, Box{}, Box{}}));
  EXPECT_EQ(PackSeveralSourceRadios({90, 30}, {1, 1, 0, 0, 0}, 192),
            (std::array<Box, 5>{RadioBox{90, 30}, RadioBox{140, 34}, Box{}, Box{}, Box{}}));
}

TEST(WizardRulesTest, ButtonLabelsFollowQstartKindAndMachineNames) {
  std::array<std::u16string, kButtonSlots> names{};
  names[1] = u"MAIL";  // AppKey2: desktop radio 2
  names[5] = u"Fn A";  // AppKey6: notebook radio 1
  names[7] = u"Fn C";  // AppKey8: notebook radio 3
  struct Case {
    int32_t qstart;
    int kind;
    std::array<unsigned, 5> ids;
    std::array<const char16_t*, 5> names;
  };
  const Case cases[] = {
      {0,
       5,
       {IDS_WIZ_BUTTON1, IDS_WIZ_BUTTON2, IDS_WIZ_BUTTON3, IDS_WIZ_BUTTON4, IDS_WIZ_BUTTON5},
       {u"", u"MAIL", u"", u"", u""}},
      {1,
       5,
       {IDS_WIZ_BUTTON1, IDS_WIZ_BUTTON2, IDS_WIZ_BUTTON3, IDS_WIZ_BUTTON4, IDS_WIZ_BUTTON5},
       {u"", u"MAIL", u"", u"", u""}},
      {1, 2, {IDS_WIZ_FN1, IDS_WIZ_FN2, IDS_WIZ_FN3, IDS_WIZ_FN4, IDS_WIZ_FN5}, {u"Fn A", u"", u"Fn C", u"", u""}},
      {1,
       3,
       {IDS_WIZ_FN1, IDS_WIZ_FN2, IDS_WIZ_BUTTON3, IDS_WIZ_BUTTON4, IDS_WIZ_BUTTON5},
       {u"Fn A", u"", u"Fn C", u"", u""}},
      {0,
       2,
       {IDS_WIZ_BUTTON1, IDS_WIZ_BUTTON2, IDS_WIZ_BUTTON3, IDS_WIZ_BUTTON4, IDS_WIZ_BUTTON5},
       {u"Fn A", u"", u"Fn C", u"", u""}},
      {1,
       1,
       {IDS_WIZ_BUTTON1, IDS_WIZ_BUTTON2, IDS_WIZ_BUTTON3, IDS_WIZ_BUTTON4, IDS_WIZ_BUTTON5},
       {u"Fn A", u"", u"Fn C", u"", u""}},
  };
  for (const Case& c : cases) {
    const auto labels = ButtonPageLabels(c.qstart, c.kind, names);
    for (int i = 0; i < 5; ++i)
      EXPECT_EQ(labels[i], (ButtonLabel{c.ids[i], c.names[i]})) << c.qstart << "/" << c.kind << " radio " << i;
  }
  EXPECT_EQ(FormatWithName(u"Register the program to %s", u"MAIL"), u"Register the program to MAIL");
  EXPECT_EQ(FormatWithName(u"%s に%s登録", u"X"), u"X に%s登録");  // one place, filled once
  EXPECT_EQ(FormatWithName(u"no place", u"MAIL"), u"MAIL");
}

TEST(WizardRulesTest, ButtonRadiosShown) {
  USER_DATA defaults;
  for (int i = 0; i < 3; ++i) defaults.buttons[i].name = u"b";
  defaults.buttons[4].name = u"after a gap";
  struct Case {
    int kind;
    int32_t bits, desktopCount;
    int radios;
  };
  const Case cases[] = {
      {3, 0, 0, 3}, {1, 4, 5, 1}, {5, 4, 2, 5}, {5, 0x14, 0, 5},                 // notebook kind; bit 4 shows all five
      {5, 1, 2, 2}, {5, 1, 5, 5}, {5, 1, 0, 3}, {5, 1, 6, 3},    {5, 1, -1, 3},  // else the count, or leading names
  };
  for (const Case& c : cases)
    EXPECT_EQ(ButtonRadioCount(c.kind, c.bits, c.desktopCount, defaults), c.radios) << c.kind << "/" << c.bits;
}

TEST(WizardRulesTest, TreeSelectionNextRule) {
  struct Case {
    const char16_t *path, *root;
    bool next;
  };
  const Case cases[] = {
      {u"My Computer", u"My Computer", false}, {u"my COMPUTER", u"My Computer", false},
      {u"C:\\", u"My Computer", true},         {u"S:\\Games", u"Start Menu", true},
      {u"F:\\News", u"IE Favorites", false},   {u"F:\\Site.URL", u"IE Favorites", true},
      {u"F:\\url", u"IE Favorites", false},    {u"S:\\x.url", u"Start Menu", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TreeItemAllowsNext({c.path, u"", c.root}, u"My Computer", u"IE Favorites"), c.next) << ToUtf8(c.path);
  EXPECT_FALSE(ButtonNameAllowsNext(u""));
  EXPECT_TRUE(ButtonNameAllowsNext(u" "));
}

TEST(WizardRulesTest, LaunchMethodPageEditKeysAndBottomButtons) {
  for (int32_t del : {0, 1, 2}) {
    EXPECT_EQ(PlanLaunchMethodPage(del).showSequential, del != 1);
    EXPECT_EQ(PlanLaunchMethodPage(del).simultaneousInSequentialPlace, del == 1);
  }
  const std::pair<int, EditKey> keys[] = {
      {0x09, EditKey::Pass},      {0x2E, EditKey::Pass},       {0x5D, EditKey::Pass},       {0x25, EditKey::CaretLeft},
      {0x26, EditKey::CaretLeft}, {0x27, EditKey::CaretRight}, {0x28, EditKey::CaretRight}, {'A', EditKey::Swallow},
      {0x08, EditKey::Swallow},   {0x0D, EditKey::Swallow}};
  for (auto [vk, key] : keys) EXPECT_EQ(ProgramEditKey(vk), key) << vk;
  const BottomButtonLayout help = PlanBottomButtons(1), plain = PlanBottomButtons(2);
  EXPECT_EQ((std::array{help.ownFinish, help.back, help.next, help.cancel, help.help, int{help.helpShown}}),
            (std::array{212, 292, 373, 454, 535, 1}));
  EXPECT_EQ((std::array{plain.ownFinish, plain.back, plain.next, plain.cancel, int{plain.helpShown}}),
            (std::array{255, 335, 415, 535, 0}));
  const std::array<bool, 5> usable = {false, true, true, true, false};  // own Finish hidden, no Help
  EXPECT_EQ(NextBottomButton(usable, 1, +1), 2);
  EXPECT_EQ(NextBottomButton(usable, 3, +1), 3);
  EXPECT_EQ(NextBottomButton(usable, 1, -1), 1);
  EXPECT_EQ(NextBottomButton({true, false, true, true, true}, 2, -1), 0);  // Back disabled is skipped
}

TEST(WizardRulesTest, WizardOnlyButtonAcceptance) {
  struct Case {
    int n, limit;
    TabLayout::Kind layout;
    int records;
    bool accepted;
  };
  constexpr auto kAll = TabLayout::kAllTabs, kNoDt = TabLayout::kNoDesktopTab, kNoNt = TabLayout::kNoNotebookTab,
                 kOsd = TabLayout::kOnScreenOnly;
  const Case cases[] = {
      {0, 4, kAll, 7, true},   {4, 4, kAll, 7, true},    {2, 2, kNoNt, 7, true},  {3, 2, kNoNt, 7, false},
      {0, 4, kNoDt, 7, false}, {5, 4, kNoDt, 7, true},   {6, 4, kAll, 7, true},   {7, 4, kAll, 7, false},
      {7, 4, kAll, 8, true},   {5, 4, kNoNt, 7, false},  {5, 4, kOsd, 7, false},  {0, 4, kOsd, 7, false},
      {4, 2, kAll, 7, false},  {0, -1, kNoNt, 7, false}, {-1, 4, kAll, 7, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(AcceptWizardOnlyButton(c.n, c.limit, TabLayout(c.layout), c.records), c.accepted)
        << c.n << " limit " << c.limit << " layout " << c.layout << " records " << c.records;
}

TEST(WizardRulesTest, RunWizardKindRecordAndPress) {
  const std::array<std::array<int, 3>, 6> kinds = {{{0, 3, 5}, {1, 1, 1}, {1, 3, 3}, {1, 0, 2}, {1, 4, 2}, {1, -1, 2}}};
  for (const auto& k : kinds) EXPECT_EQ(WizardButtonKind(k[0] == 1, k[1]), k[2]) << k[0] << "/" << k[1];
  EXPECT_EQ(WizardResultRecord(false, 3), 3);
  EXPECT_EQ(WizardResultRecord(true, 1), 6);
  APPKEY_DATA record;
  record.command[0] = u"C:\\IME\\Chg.exe";
  EXPECT_FALSE(PressAfterWizardOnly(false, record, u""));
  EXPECT_TRUE(PressAfterWizardOnly(true, record, u""));
  EXPECT_TRUE(PressAfterWizardOnly(true, record, u"C:\\Other.exe"));
  EXPECT_FALSE(PressAfterWizardOnly(true, record, u"c:\\ime\\CHG.EXE"));
}

TEST(WizardRulesTest, MachineSwitchesAreReadOnce) {
  MemoryStore mem;
  SettingsStore store(mem);
  const std::u16string utl(kUtlSettingKey);
  mem.Put(Hive::LocalMachine, kProductKey, u"QSTART", DwordValue(1));
  mem.Put(Hive::LocalMachine, kProductKey, u"ZEBPAD", DwordValue(0x11));
  mem.Put(Hive::LocalMachine, kProductKey, u"GLIMSET", DwordValue(5));
  mem.Put(Hive::LocalMachine, utl + u"\\ProgramGroup", u"IEMenu", DwordValue(1));
  mem.Put(Hive::LocalMachine, utl + u"\\DispSetting", u"DelSerial", DwordValue(1));
  mem.Put(Hive::LocalMachine, utl + u"\\ButtonName", u"AppKey7", StringValue(u"Fn B"));
  WizardMachine m = ReadWizardMachine(store);
  EXPECT_EQ(m.qstart, 1);
  EXPECT_EQ(m.keyboardBits, 0x11);  // the user's value reads 0: the machine's applies
  EXPECT_EQ(m.sources.ieMenu, 1);
  EXPECT_EQ(m.sources.mcMenu, 0);
  EXPECT_EQ(m.delSerial, 1);
  EXPECT_EQ(m.addHelp, 0);
  EXPECT_EQ(m.buttonNames[6], u"Fn B");
  EXPECT_EQ(m.ownSetup, (std::array<bool, kButtonSlots>{true, false, true, false, false, false, false, false}));
  ASSERT_TRUE(store.WriteProfileText(u"VARDENZEB", u"ZebKeyboard", u"4"));
  EXPECT_EQ(ReadWizardMachine(store).keyboardBits, 4);
}

}  // namespace
}  // namespace tapstart
