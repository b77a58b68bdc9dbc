// The on-screen display settings: factory defaults, the user's settings with their fallbacks, saving, the font
// list's rules, the preview height and the first focus of the on-screen page; in both store layouts.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "mainwnd/OnScreenData.h"
#include "store/MemoryStore.h"
#include "store/Text.h"

namespace tapstart {
namespace {

constexpr std::u16string_view kDefaultOnScreen = u"Software\\Varden\\VARDENZEB\\Default\\OnScreen";
constexpr std::u16string_view kUserOnScreen = u"Software\\Varden\\VARDENZEB\\OnScreen";
constexpr std::u16string_view kIni = u"VARDENZEB.INI";

enum class Layout { Registry, Ini };
const char* Name(Layout l) { return l == Layout::Registry ? "registry" : "ini"; }

// A memory store with the layout switched as the start-up check would switch it.
struct Fixture {
  explicit Fixture(Layout layout) : store(mem) {
    if (layout == Layout::Ini) mem.Put(Hive::LocalMachine, kProductKey, u"ZEBINI", DwordValue(1));
    store.useIniFile = layout == Layout::Ini;
  }
  MemoryStore mem;
  SettingsStore store;
};

TEST(OnScreenDataTest, PreviewHeight_DividesTheWorkAreaBottomBySizeStep) {
  struct Case {
    int bottom;
    int size;
    int height;
  };
  for (const Case& c : {Case{1040, 1, 34}, Case{1040, 2, 69}, Case{1040, 3, 104}, Case{1040, 4, 148},
                        Case{1040, 5, 173}, Case{768, 5, 128}, Case{768, 4, 109},
                        // Unknown work area: a fixed height whatever the step.
                        Case{0, 1, 43}, Case{0, 5, 43}, Case{-20, 3, 43},
                        // A step outside 1 to 5 is drawn as Standard rather than dividing by zero.
                        Case{1040, 0, 104}, Case{1040, 6, 104}, Case{1040, 31, 104}, Case{1040, -1, 104}}) {
    EXPECT_EQ(PreviewHeight(c.bottom, c.size), c.height) << c.bottom << " / step " << c.size;
  }
}

// One value of the machine's "Default\OnScreen" key: name, and a DWORD or a string.
struct Seed {
  const char16_t* name;
  std::optional<uint32_t> number;
  const char16_t* text = nullptr;
};

struct DefaultsCase {
  const char* what;
  Layout layout;
  std::vector<Seed> seeds;
  uint8_t on;
  const char16_t* face;
  uint8_t size;
  uint32_t color;
};

class ReadOnScreenDefaultsTest : public testing::TestWithParam<DefaultsCase> {};

TEST_P(ReadOnScreenDefaultsTest, AppliesTheFactoryRules) {
  const DefaultsCase& c = GetParam();
  Fixture f(c.layout);
  for (const Seed& s : c.seeds)
    f.mem.Put(Hive::LocalMachine, kDefaultOnScreen, s.name, s.number ? DwordValue(*s.number) : StringValue(s.text));
  const ONSCREEN_DATA d = ReadOnScreenDefaults(f.store, u"UiFace");
  EXPECT_EQ(d.on, c.on) << c.what;
  EXPECT_EQ(d.face, c.face) << c.what;
  EXPECT_EQ(d.size, c.size) << c.what;
  EXPECT_EQ(d.color, c.color) << c.what;
}

// The stored values on a line of their own, the expected ones together below them.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Values, ReadOnScreenDefaultsTest,
    testing::Values(
        DefaultsCase{"nothing stored", Layout::Registry, {}, 0, u"UiFace", 3, 0},
        DefaultsCase{"nothing stored", Layout::Ini, {}, 0, u"UiFace", 3, 0},
        DefaultsCase{"registry names",
                     Layout::Registry,
                     {{u"OnScreen", 1}, {u"FontFace", {}, u"Tahoma"}, {u"Size", 5}, {u"Color", 0xFF0000}},
                     1, u"Tahoma", 5, 0xFF0000},
        DefaultsCase{"profile names are not the registry layout's",
                     Layout::Registry,
                     {{u"FontName", {}, u"Tahoma"}, {u"FontSize", 5}},
                     0, u"UiFace", 3, 0},
        DefaultsCase{"profile names",
                     Layout::Ini,
                     {{u"OnScreen", 1}, {u"FontName", {}, u"Tahoma"}, {u"FontSize", 1}, {u"Color", 255}},
                     1, u"Tahoma", 1, 255},
        DefaultsCase{"registry names are not the profile layout's",
                     Layout::Ini,
                     {{u"FontFace", {}, u"Tahoma"}, {u"Size", 1}},
                     0, u"UiFace", 3, 0},
        DefaultsCase{"on/off above 1 is on", Layout::Registry, {{u"OnScreen", 7}}, 1, u"UiFace", 3, 0},
        DefaultsCase{"on/off with the top bit is on", Layout::Ini, {{u"OnScreen", 0xFFFFFFFF}}, 1, u"UiFace", 3, 0},
        DefaultsCase{"on/off 0", Layout::Registry, {{u"OnScreen", 0}}, 0, u"UiFace", 3, 0},
        DefaultsCase{"size 0", Layout::Registry, {{u"Size", 0}}, 0, u"UiFace", 3, 0},
        DefaultsCase{"size 6", Layout::Registry, {{u"Size", 6}}, 0, u"UiFace", 3, 0},
        DefaultsCase{"size -1", Layout::Ini, {{u"FontSize", 0xFFFFFFFF}}, 0, u"UiFace", 3, 0},
        DefaultsCase{"size 2", Layout::Ini, {{u"FontSize", 2}}, 0, u"UiFace", 2, 0},
        DefaultsCase{"negative colour", Layout::Registry, {{u"Color", 0xFFFFFFFF}}, 0, u"UiFace", 3, 0x0000FF00},
        DefaultsCase{"top bit colour", Layout::Ini, {{u"Color", 0x80000000}}, 0, u"UiFace", 3, 0x0000FF00},
        DefaultsCase{"largest positive colour", Layout::Registry, {{u"Color", 0x7FFFFFFF}}, 0, u"UiFace", 3,
                     0x7FFFFFFF},
        DefaultsCase{"a number stored as text reads as missing",
                     Layout::Registry,
                     {{u"OnScreen", {}, u"1"}, {u"Size", {}, u"5"}, {u"Color", {}, u"255"}},
                     0, u"UiFace", 3, 0},
        DefaultsCase{"an empty face is a face", Layout::Registry, {{u"FontFace", {}, u""}}, 0, u"", 3, 0}));
// clang-format on

TEST(OnScreenDataTest, ReadPreviewText_IsTheMachineValueOrEmpty) {
  for (Layout layout : {Layout::Registry, Layout::Ini}) {
    Fixture f(layout);
    EXPECT_EQ(ReadPreviewText(f.store), u"") << Name(layout);
    f.mem.Put(Hive::LocalMachine, kDefaultOnScreen, u"Preview", StringValue(u"On-screen sample"));
    EXPECT_EQ(ReadPreviewText(f.store), u"On-screen sample") << Name(layout);
    // The user tree holds no preview text.
    f.mem.Put(Hive::CurrentUser, kDefaultOnScreen, u"Preview", StringValue(u"user"));
    EXPECT_EQ(ReadPreviewText(f.store), u"On-screen sample") << Name(layout);
  }
}

const std::vector<std::u16string> kFonts{u"Arial", u"Tahoma", u"IPAGothic"};

ONSCREEN_DATA Factory() {
  ONSCREEN_DATA d;
  d.on = 1;
  d.face = u"Arial";
  d.size = 2;
  d.color = 0x123456;
  return d;
}

// The user's profile texts (nullptr: not stored) and what reading them gives.
struct UserCase {
  const char* what;
  std::vector<Layout> layouts;
  const char16_t* on;
  const char16_t* face;
  const char16_t* size;
  const char16_t* color;
  uint8_t wantOn;
  const char16_t* wantFace;
  uint8_t wantSize;
  uint32_t wantColor;
};

class ReadOnScreenTest : public testing::TestWithParam<UserCase> {};

TEST_P(ReadOnScreenTest, FallsBackToTheFactoryValues) {
  const UserCase& c = GetParam();
  for (Layout layout : c.layouts) {
    Fixture f(layout);
    // Seeded through the profile operations, so that the registry layout stores numbers as DWORDs.
    if (c.on) {
      ASSERT_TRUE(f.store.WriteProfileText(u"ONSCREEN", u"OnScreen", c.on));
    }
    if (c.face) {
      ASSERT_TRUE(f.store.WriteProfileText(u"ONSCREEN", u"FontName", c.face));
    }
    if (c.size) {
      ASSERT_TRUE(f.store.WriteProfileText(u"ONSCREEN", u"FontSize", c.size));
    }
    if (c.color) {
      ASSERT_TRUE(f.store.WriteProfileText(u"ONSCREEN", u"Color", c.color));
    }
    const ONSCREEN_DATA d = ReadOnScreen(f.store, Factory(), LookupIn(kFonts));
    EXPECT_EQ(d.on, c.wantOn) << c.what << " " << Name(layout);
    EXPECT_EQ(d.face, c.wantFace) << c.what << " " << Name(layout);
    EXPECT_EQ(d.size, c.wantSize) << c.what << " " << Name(layout);
    EXPECT_EQ(d.color, c.wantColor) << c.what << " " << Name(layout);
  }
}

const std::vector<Layout> kBoth{Layout::Registry, Layout::Ini};
const std::vector<Layout> kIniOnly{Layout::Ini};

INSTANTIATE_TEST_SUITE_P(
    Values, ReadOnScreenTest,
    testing::Values(
        UserCase{"nothing stored", kBoth, nullptr, nullptr, nullptr, nullptr, 1, u"Arial", 2, 0x123456},
        UserCase{"all valid", kBoth, u"0", u"Tahoma", u"5", u"16711680", 0, u"Tahoma", 5, 0xFF0000},
        UserCase{"on", kBoth, u"1", nullptr, u"1", u"0", 1, u"Arial", 1, 0},
        UserCase{"on/off 2", kBoth, u"2", nullptr, nullptr, nullptr, 1, u"Arial", 2, 0x123456},
        UserCase{"on/off -1", kBoth, u"-1", nullptr, nullptr, nullptr, 1, u"Arial", 2, 0x123456},
        UserCase{"face of another case takes the listed spelling", kBoth, nullptr, u"tahoma", nullptr, nullptr, 1,
                 u"Tahoma", 2, 0x123456},
        UserCase{"face not installed", kBoth, nullptr, u"Missing Sans", nullptr, nullptr, 1, u"Arial", 2, 0x123456},
        UserCase{"face that only starts like a listed one", kBoth, nullptr, u"Arial Black", nullptr, nullptr, 1,
                 u"Arial", 2, 0x123456},
        UserCase{"size 0", kBoth, nullptr, nullptr, u"0", nullptr, 1, u"Arial", 2, 0x123456},
        UserCase{"size 9", kBoth, nullptr, nullptr, u"9", nullptr, 1, u"Arial", 2, 0x123456},
        UserCase{"size -3", kBoth, nullptr, nullptr, u"-3", nullptr, 1, u"Arial", 2, 0x123456},
        UserCase{"colour -1", kBoth, nullptr, nullptr, nullptr, u"-1", 1, u"Arial", 2, 0x123456},
        UserCase{"colour with the top bit", kBoth, nullptr, nullptr, nullptr, u"-2147483648", 1, u"Arial", 2, 0x123456},
        UserCase{"colour white", kBoth, nullptr, nullptr, nullptr, u"16777215", 1, u"Arial", 2, 0xFFFFFF},
        UserCase{"on/off not a number", kIniOnly, u"yes", nullptr, nullptr, nullptr, 1, u"Arial", 2, 0x123456},
        UserCase{"on/off empty", kIniOnly, u"", nullptr, nullptr, nullptr, 1, u"Arial", 2, 0x123456},
        UserCase{"on/off 0 with blanks", kIniOnly, u" 0 ", nullptr, nullptr, nullptr, 0, u"Arial", 2, 0x123456},
        UserCase{"size with letters", kIniOnly, nullptr, nullptr, u"4x", nullptr, 1, u"Arial", 2, 0x123456},
        UserCase{"face empty", kIniOnly, nullptr, u"", nullptr, nullptr, 1, u"Arial", 2, 0x123456},
        UserCase{"colour empty", kIniOnly, nullptr, nullptr, nullptr, u"", 1, u"Arial", 2, 0x123456},
        UserCase{"colour with letters", kIniOnly, nullptr, nullptr, nullptr, u"12ab", 1, u"Arial", 2, 0x123456},
        UserCase{"colour with a plus sign", kIniOnly, nullptr, nullptr, nullptr, u"+255", 1, u"Arial", 2, 0x123456},
        UserCase{"colour hexadecimal", kIniOnly, nullptr, nullptr, nullptr, u"0xFF", 1, u"Arial", 2, 0x123456},
        UserCase{"colour beyond 32 bits", kIniOnly, nullptr, nullptr, nullptr, u"99999999999", 1, u"Arial", 2,
                 0x123456},
        UserCase{"colour beyond a signed number", kIniOnly, nullptr, nullptr, nullptr, u"2147483648", 1, u"Arial", 2,
                 0x123456},
        UserCase{"colour with leading zeros", kIniOnly, nullptr, nullptr, nullptr, u"000255", 1, u"Arial", 2, 255}));

TEST(OnScreenDataTest, ReadOnScreen_TakesAListedFaceWhenTheFactoryFaceIsNotInstalled) {
  struct Case {
    const char16_t* stored;
    const char16_t* factory;
    std::vector<std::u16string> fonts;
    const char16_t* face;
  };
  for (const Case& c :
       {Case{u"Tahoma", u"Gone", kFonts, u"Tahoma"}, Case{nullptr, u"Gone", kFonts, u"Arial"},
        Case{u"Lost", u"Gone", {u"IPAGothic", u"Arial"}, u"IPAGothic"}, Case{u"Lost", u"Gone", {}, u"Gone"},
        Case{u"tahoma", u"Gone", kFonts, u"Tahoma"}, Case{u"Lost", u"ARIAL", kFonts, u"Arial"}}) {
    for (Layout layout : {Layout::Registry, Layout::Ini}) {
      Fixture f(layout);
      if (c.stored) {
        ASSERT_TRUE(f.store.WriteProfileText(u"ONSCREEN", u"FontName", c.stored));
      }
      ONSCREEN_DATA factory = Factory();
      factory.face = c.factory;
      // The whole list is asked for only when neither face is in it: making it is what the start waits for.
      const FontLookup list = LookupIn(c.fonts);
      int wholeList = 0;
      const FontLookup counting{list.find, [&] {
                                  ++wholeList;
                                  return list.first();
                                }};
      EXPECT_EQ(ReadOnScreen(f.store, factory, counting).face, c.face) << Name(layout);
      const bool listed = FindFont(c.fonts, c.stored ? c.stored : c.factory) >= 0 || FindFont(c.fonts, c.factory) >= 0;
      EXPECT_EQ(wholeList, listed ? 0 : 1) << Name(layout);
    }
  }
}

TEST(OnScreenDataTest, ReadOnScreen_ReadsTheRegistryValuesOfTheUserTree) {
  Fixture f(Layout::Registry);
  f.mem.Put(Hive::CurrentUser, kUserOnScreen, u"OnScreen", DwordValue(0));
  f.mem.Put(Hive::CurrentUser, kUserOnScreen, u"FontFace", StringValue(u"IPAGothic"));
  f.mem.Put(Hive::CurrentUser, kUserOnScreen, u"size", DwordValue(4));
  f.mem.Put(Hive::CurrentUser, kUserOnScreen, u"Color", DwordValue(0xFFFFFFFF));
  const ONSCREEN_DATA d = ReadOnScreen(f.store, Factory(), LookupIn(kFonts));
  EXPECT_EQ(d.on, 0);
  EXPECT_EQ(d.face, u"IPAGothic");
  EXPECT_EQ(d.size, 4);
  EXPECT_EQ(d.color, 0x123456u);
}

// Forwards to a memory store and records every write in order.
class RecordingStore final : public StoreBackend {
 public:
  bool CanOpenKey(Hive hive, std::u16string_view key) const override { return mem.CanOpenKey(hive, key); }
  std::optional<RegValue> QueryValue(Hive hive, std::u16string_view key, std::u16string_view name,
                                     size_t maxBytes) const override {
    return mem.QueryValue(hive, key, name, maxBytes);
  }
  bool SetValue(std::u16string_view key, std::u16string_view name, const RegValue& value) override {
    writes.emplace_back(name);
    return mem.SetValue(key, name, value);
  }
  std::u16string ProfileRead(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                             std::u16string_view fallback, size_t bufferChars) const override {
    return mem.ProfileRead(file, section, key, fallback, bufferChars);
  }
  int32_t ProfileReadInt(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                         int32_t fallback) const override {
    return mem.ProfileReadInt(file, section, key, fallback);
  }
  bool ProfileWrite(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                    std::u16string_view text) override {
    writes.emplace_back(key);
    return mem.ProfileWrite(file, section, key, text);
  }
  MemoryStore mem;
  std::vector<std::u16string> writes;
};

TEST(OnScreenDataTest, SaveOnScreen_WritesTheFourValuesInOrder) {
  struct Case {
    Layout layout;
    std::vector<std::u16string> names;
  };
  for (const Case& c : {Case{Layout::Registry, {u"OnScreen", u"FontFace", u"size", u"Color"}},
                        Case{Layout::Ini, {u"OnScreen", u"FontName", u"FontSize", u"Color"}}}) {
    RecordingStore rec;
    SettingsStore store(rec);
    store.useIniFile = c.layout == Layout::Ini;
    EXPECT_TRUE(SaveOnScreen(store, Factory()));
    EXPECT_EQ(rec.writes, c.names) << Name(c.layout);
  }
}

TEST(OnScreenDataTest, SaveOnScreen_StoresNumbersAsTheLayoutKeepsThem) {
  ONSCREEN_DATA d;
  d.on = 1;
  d.face = u"IPAGothic";
  d.size = 4;
  d.color = 0x80000001;  // no colour reference, but saved as it is: in signed decimal

  Fixture reg(Layout::Registry);
  ASSERT_TRUE(SaveOnScreen(reg.store, d));
  EXPECT_EQ(reg.mem.Get(Hive::CurrentUser, kUserOnScreen, u"OnScreen"), DwordValue(1));
  EXPECT_EQ(reg.mem.Get(Hive::CurrentUser, kUserOnScreen, u"FontFace"), StringValue(u"IPAGothic"));
  EXPECT_EQ(reg.mem.Get(Hive::CurrentUser, kUserOnScreen, u"size"), DwordValue(4));
  EXPECT_EQ(reg.mem.Get(Hive::CurrentUser, kUserOnScreen, u"Color"), DwordValue(0x80000001));

  Fixture ini(Layout::Ini);
  ASSERT_TRUE(SaveOnScreen(ini.store, d));
  EXPECT_EQ(ini.mem.RawProfile(kIni, u"ONSCREEN", u"OnScreen"), u"1");
  EXPECT_EQ(ini.mem.RawProfile(kIni, u"ONSCREEN", u"FontName"), u"IPAGothic");
  EXPECT_EQ(ini.mem.RawProfile(kIni, u"ONSCREEN", u"FontSize"), u"4");
  EXPECT_EQ(ini.mem.RawProfile(kIni, u"ONSCREEN", u"Color"), u"-2147483647");
  // The INI layout leaves the registry alone.
  EXPECT_FALSE(ini.mem.CanOpenKey(Hive::CurrentUser, kUserOnScreen));
}

TEST(OnScreenDataTest, SaveOnScreen_ReportsAKeyThatCannotBeCreated) {
  Fixture f(Layout::Registry);
  f.mem.DenyWrite(kUserOnScreen);
  EXPECT_FALSE(SaveOnScreen(f.store, Factory()));
  EXPECT_FALSE(f.mem.Get(Hive::CurrentUser, kUserOnScreen, u"OnScreen").has_value());
}

TEST(OnScreenDataTest, SaveOnScreen_ReadsBackAsSaved) {
  const std::vector<std::u16string> fonts{u"Arial", u"Tahoma", u"IPAGothic", u"Liberation Sans Narrow"};
  struct Case {
    uint8_t on;
    const char16_t* face;
    uint8_t size;
    uint32_t color;
  };
  for (const Case& c : {Case{0, u"Tahoma", 1, 0}, Case{1, u"IPAGothic", 5, 0xFFFFFF},
                        Case{1, u"Liberation Sans Narrow", 3, 0x00FF00}}) {
    for (Layout layout : {Layout::Registry, Layout::Ini}) {
      Fixture f(layout);
      const ONSCREEN_DATA saved{c.on, c.face, c.size, c.color};
      ASSERT_TRUE(SaveOnScreen(f.store, saved));
      EXPECT_EQ(ReadOnScreen(f.store, Factory(), LookupIn(fonts)), saved) << Name(layout) << " " << ToUtf8(c.face);
    }
  }
}

TEST(OnScreenDataTest, IsListedFont_KeepsUprightTrueTypeFontsOfAnsiOrShiftJis) {
  struct Case {
    bool trueType;
    bool italic;
    int32_t weight;
    uint8_t charset;
    bool listed;
  };
  for (const Case& c :
       {Case{true, false, 400, 0, true}, Case{true, false, 400, 128, true}, Case{true, false, 100, 0, true},
        Case{true, false, 0, 128, true}, Case{false, false, 400, 0, false}, Case{true, true, 400, 0, false},
        Case{true, false, 401, 0, false}, Case{true, false, 700, 128, false}, Case{true, false, 400, 1, false},
        Case{true, false, 400, 2, false}, Case{true, false, 400, 134, false}, Case{true, false, 400, 204, false}}) {
    const FontFamilyInfo font{u"Face", c.trueType, c.italic, c.weight, c.charset};
    EXPECT_EQ(IsListedFont(font), c.listed)
        << c.trueType << " " << c.italic << " " << c.weight << " " << static_cast<int>(c.charset);
  }
}

TEST(OnScreenDataTest, IsListedFont_LeavesOutVerticalAndNamelessFaces) {
  struct Case {
    const char16_t* face;
    bool listed;
  };
  for (const Case& c : {Case{u"IPAGothic", true}, Case{u"@IPAGothic", false}, Case{u"  @MS UI Gothic", false},
                        Case{u"Face@Work", true}, Case{u"", false}, Case{u" \t ", false}}) {
    EXPECT_EQ(IsListedFont(FontFamilyInfo{c.face, true, false, 400, 128}), c.listed) << ToUtf8(c.face);
  }
}

TEST(OnScreenDataTest, AddToFontList_KeepsTheOrderTrimsAndListsEachFaceOnce) {
  std::vector<std::u16string> list;
  const FontFamilyInfo fonts[] = {
      {u"Tahoma", true, false, 400, 0}, {u" Arial  ", true, false, 400, 0},     {u"Tahoma", true, false, 400, 128},
      {u"ARIAL", true, false, 400, 0},  {u"Courier", false, false, 400, 0},     {u"   ", true, false, 400, 0},
      {u"Symbol", true, false, 400, 2}, {u"IPAGothic", true, false, 400, 128},  {u"Bold Face", true, false, 700, 0},
      {u"Slanted", true, true, 400, 0}, {u"@IPAGothic", true, false, 400, 128},
  };
  for (const FontFamilyInfo& f : fonts) AddToFontList(list, f);
  EXPECT_EQ(list, (std::vector<std::u16string>{u"Tahoma", u"Arial", u"IPAGothic"}));
}

TEST(OnScreenDataTest, FindFont_MatchesTheWholeFaceIgnoringCase) {
  const std::vector<std::u16string> list{u"Arial", u"Arial Black", u"IPAGothic", u"ＭＳ ゴシック"};
  struct Case {
    const char16_t* face;
    int index;
  };
  for (const Case& c : {Case{u"Arial", 0}, Case{u"arial black", 1}, Case{u"ipagothic", 2}, Case{u"ＭＳ ゴシック", 3},
                        Case{u"Arial Bl", -1}, Case{u"", -1}, Case{u"Arial ", -1}}) {
    EXPECT_EQ(FindFont(list, c.face), c.index) << ToUtf8(c.face);
  }
  EXPECT_EQ(FindFont({}, u"Arial"), -1);
}

}  // namespace
}  // namespace tapstart
