// The list sources: Media Center and IME tables, the IME changer location, the shortcut-key list and the
// machine switches that offer them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registration/ListSources.h"
#include "registration/RegistrationSources.h"
#include "registration/ShortcutKeys.h"
#include "store/MemoryStore.h"
#include "store/StoreLayout.h"
#include "store/Text.h"

namespace tapstart {
namespace {

using Records = std::vector<DAT_FILE_DATA>;
using Lines = std::vector<std::u16string>;

Records Numbered(int n) {
  Records records;
  for (int i = 1; i <= n; ++i) {
    const std::u16string k = DecimalText(i);
    records.push_back({u"Entry " + k, u"Button " + k, u"cmd" + k + u".exe"});
  }
  return records;
}

TEST(ListSourcesTest, Tables_MediaCenterHoldsTheFirstSevenRecordsAndImeAll) {
  for (const int n : {0, 7, 8, 20}) {
    const std::vector<MCE_DATA> table = MediaCenterTable(Numbered(n));
    ASSERT_EQ(table.size(), static_cast<size_t>(std::min(n, 7))) << n;
    // Line i is entry i: the list never shows a record the table lacks.
    const Lines lines = ListLines(table);
    ASSERT_EQ(lines.size(), table.size());
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], u"Entry " + DecimalText(static_cast<int64_t>(i + 1)));
    EXPECT_EQ(ImeTable(Numbered(n)).size(), static_cast<size_t>(n));
  }
  EXPECT_EQ(MediaCenterTable(Numbered(3))[2], (MCE_DATA{u"Entry 3", u"Button 3", u"cmd3.exe"}));
}

TEST(ListSourcesTest, DriveAndDirectory_KeepsTheFolderPartWithItsSeparator) {
  struct Case {
    std::u16string path;
    std::u16string folder;
  };
  const Case cases[] = {
      {u"C:\\Program Files\\IME\\imechg.exe", u"C:\\Program Files\\IME\\"},
      {u"C:\\imechg.exe", u"C:\\"},
      {u"C:/tools/imechg.exe", u"C:/tools/"},
      {u"\\\\server\\share\\imechg.exe", u"\\\\server\\share\\"},
      {u"C:imechg.exe", u"C:"},
      {u"ms-settings:regionlanguage-jpnime", u""},
      {u"", u""},
  };
  for (const Case& c : cases) EXPECT_EQ(DriveAndDirectory(c.path), c.folder) << ToUtf8(c.path);
}

TEST(ListSourcesTest, SetImeChangerPath_TakesTheFirstEntrysCommandOrKeepsTheLocation) {
  const ImeChangerLocation before{u"D:\\old\\chg.exe", u"D:\\old\\"};
  struct Case {
    std::vector<MCE_DATA> table;
    ImeChangerLocation expected;
  };
  const Case cases[] = {
      {{{u"a", u"b", u"C:\\IME\\chg.exe"}, {u"c", u"d", u"E:\\x.exe"}}, {u"C:\\IME\\chg.exe", u"C:\\IME\\"}},
      {{}, before},
      {{{u"a", u"b", u""}, {u"c", u"d", u"E:\\x.exe"}}, before},
  };
  for (const Case& c : cases) {
    ImeChangerLocation location = before;
    SetImeChangerPath(c.table, location);
    EXPECT_EQ(location, c.expected);
  }
}

class SourcesStoreTest : public testing::Test {
 protected:
  SourcesStoreTest() : store(backend) {}
  void Key(int n, const char16_t* name, const char16_t* code, const char16_t* bind) {
    const std::u16string key = std::u16string(kProductKey) + u"\\Shortcut\\Key" + DecimalText(n);
    if (name) backend.Put(Hive::LocalMachine, key, u"KeyName", StringValue(name));
    if (code) backend.Put(Hive::LocalMachine, key, u"KeyCode", StringValue(code));
    if (bind) backend.Put(Hive::LocalMachine, key, u"KeyBind", StringValue(bind));
  }
  void Switch(const char16_t* group, const char16_t* value, uint32_t number) {
    backend.Put(Hive::LocalMachine, std::u16string(kUtlSettingKey) + u"\\" + group, value, DwordValue(number));
  }
  MemoryStore backend;
  SettingsStore store;
};

TEST_F(SourcesStoreTest, ShortcutKeysFromStore_EndAtTheFirstMissingKeyOrEmptyName) {
  Key(1, u"Second", u"F2", u"(F2)");
  EXPECT_EQ(ShortcutKeysFromStore(store), ShortcutKeyList{}) << "no key 0";
  Key(0, u"Copy", u"CTRL+C", u"(Ctrl+C)");
  Key(3, u"Paste", u"CTRL+V", u"(Ctrl+V)");
  Key(2, u"", u"X", u"Y");
  EXPECT_EQ(ShortcutKeysFromStore(store).names, (Lines{u"Copy", u"Second"}));
  Key(2, u"Undo", nullptr, nullptr);
  Key(4, u"Last", nullptr, nullptr);  // missing values count as empty
  const ShortcutKeyList keys = ShortcutKeysFromStore(store);
  EXPECT_EQ(keys.names, (Lines{u"Copy", u"Second", u"Undo", u"Paste", u"Last"}));
  EXPECT_EQ(keys.commands, (Lines{u"CTRL+C", u"F2", u"X", u"CTRL+V", u""}));
  EXPECT_EQ(keys.lines[1], u"Second (F2)");
  EXPECT_EQ(keys.lines[4], u"Last ") << "an empty binding leaves the blank";
}

TEST_F(SourcesStoreTest, LoadShortcutKeys_PrefersTheCommandList) {
  Key(0, u"FromRegistry", u"F1", u"(F1)");
  const ShortcutKeyList fromFile = LoadShortcutKeys({{u"(Win+D)", u"WIN+D", u"Show Desktop"}}, store);
  EXPECT_EQ(fromFile, (ShortcutKeyList{{u"Show Desktop"}, {u"WIN+D"}, {u"Show Desktop (Win+D)"}}));
  EXPECT_EQ(LoadShortcutKeys({}, store).names, Lines{u"FromRegistry"});
}

TEST_F(SourcesStoreTest, Switches_AreOnAtExactlyOne) {
  Switch(u"DispSetting", u"DelSerial", 1);
  Switch(u"DispSetting", u"OKDisable", 2);
  Switch(u"ProgramGroup", u"IEMenu", 1);
  Switch(u"ProgramGroup", u"MCMenu", 0xFFFFFFFF);
  EXPECT_EQ(ReadDispSwitches(store), (DispSwitches{true, false, false}));
  EXPECT_EQ(ReadProgramGroups(store), (ProgramGroups{true, false, false}));
}

// Which data files LoadRegistrationSources asks for, and what it makes of them.
struct SourcesCase {
  uint32_t mcMenu, ime;
  bool japanese;
  Lines filesRead;
  size_t mediaCenter, imeEntries;
  bool offerMediaCenter, offerIme;
};

TEST_F(SourcesStoreTest, LoadRegistrationSources_ReadsOnlyTheFilesOfOfferedSources) {
  const SourcesCase cases[] = {
      {0, 0, true, {u"ZEBCODE.DAT"}, 0, 0, false, false},
      {1, 0, true, {u"ZEBMCMNU.DAT", u"ZEBCODE.DAT"}, 7, 0, true, false},
      {1, 1, true, {u"ZEBMCMNU.DAT", u"ZEBCODE.DAT", u"ZEBIME.DAT"}, 7, 9, true, true},
      {1, 1, false, {u"ZEBMCMNU.DAT", u"ZEBCODE.DAT"}, 7, 0, true, false},
      {2, 2, true, {u"ZEBCODE.DAT"}, 0, 0, false, false},
  };
  for (const SourcesCase& c : cases) {
    Switch(u"ProgramGroup", u"MCMenu", c.mcMenu);
    Switch(u"ProgramGroup", u"IME", c.ime);
    Lines read;
    const RegistrationSources sources = LoadRegistrationSources(store, c.japanese, [&read](std::u16string_view name) {
      read.emplace_back(name);
      return Numbered(9);
    });
    EXPECT_EQ(read, c.filesRead);
    EXPECT_EQ(sources.mediaCenter.size(), c.mediaCenter);
    EXPECT_EQ(sources.ime.size(), c.imeEntries);
    EXPECT_EQ(sources.offerMediaCenter, c.offerMediaCenter);
    EXPECT_EQ(sources.offerIme, c.offerIme);
    EXPECT_EQ(sources.keys.names.size(), 9u);
  }
}

TEST_F(SourcesStoreTest, LoadRegistrationSources_WithdrawsSourcesWhoseFilesGiveNothing) {
  Switch(u"ProgramGroup", u"MCMenu", 1);
  Switch(u"ProgramGroup", u"IME", 1);
  Key(0, u"Copy", u"CTRL+C", u"(Ctrl+C)");
  const RegistrationSources sources =
      LoadRegistrationSources(store, true, [](std::u16string_view) { return Records{}; });
  EXPECT_FALSE(sources.offerMediaCenter);
  EXPECT_FALSE(sources.offerIme);
  EXPECT_EQ(sources.keys.names, Lines{u"Copy"}) << "no command list: the machine's keys";
}

}  // namespace
}  // namespace tapstart
