// The on-screen settings through the real registry and profile file, against the real font list.
#include <gtest/gtest.h>
#include <windows.h>

#include "Driver_win32.h"
#include "OsdHost_win32.h"
#include "mainwnd/FontList_win32.h"
#include "mainwnd/OnScreenData.h"
#include "store/RegistryStore_win32.h"
#include "store/SettingsStore.h"
#include "store/Text.h"
#include "ui/Text_win32.h"

namespace tapstart::test {
namespace {

const std::wstring kDefaultKey = std::wstring(kProduct) + L"\\Default\\OnScreen";
const std::wstring kUserKey = std::wstring(kProduct) + L"\\OnScreen";

enum class Layout { Registry, Ini };

class OnScreenStoreTest : public testing::TestWithParam<Layout> {
 protected:
  void SetUp() override {
    ClearStore();
    if (Ini()) SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBINI", 1);
    store.useIniFile = Ini();
    fonts = EnumerateFontList();
  }
  void TearDown() override { ClearStore(); }
  bool Ini() const { return GetParam() == Layout::Ini; }

  // The factory values under the value names of the layout in use.
  void SeedFactory(DWORD on, const wchar_t* face, DWORD size, DWORD color) {
    SetDword(HKEY_LOCAL_MACHINE, kDefaultKey, L"OnScreen", on);
    SetString(HKEY_LOCAL_MACHINE, kDefaultKey, Ini() ? L"FontName" : L"FontFace", face);
    SetDword(HKEY_LOCAL_MACHINE, kDefaultKey, Ini() ? L"FontSize" : L"Size", size);
    SetDword(HKEY_LOCAL_MACHINE, kDefaultKey, L"Color", color);
  }
  // The user's values as the layout keeps them: registry values, or lines of the profile file.
  void SeedUser(const wchar_t* key, const wchar_t* text) {
    if (Ini()) {
      ASSERT_TRUE(WritePrivateProfileStringW(L"ONSCREEN", key, text, L"VARDENZEB.INI"));
      return;
    }
    const std::wstring k = key;
    if (k == L"FontName")
      SetString(HKEY_CURRENT_USER, kUserKey, L"FontFace", text);
    else
      SetDword(HKEY_CURRENT_USER, kUserKey, k == L"FontSize" ? L"size" : key,
               static_cast<DWORD>(DecimalValue(Utf16(text))));
  }

  RegistryStore backend;
  SettingsStore store{backend};
  std::vector<std::u16string> fonts;
};

TEST_P(OnScreenStoreTest, FactoryDefaults_ComeFromTheMachineTree) {
  SeedFactory(5, L"Liberation Serif", 4, 16711680);
  SetString(HKEY_LOCAL_MACHINE, kDefaultKey, L"Preview", L"Sample");
  const ONSCREEN_DATA d = ReadOnScreenDefaults(store, u"UiFace");
  EXPECT_EQ(d, (ONSCREEN_DATA{1, u"Liberation Serif", 4, 0x00FF0000}));
  EXPECT_EQ(ReadPreviewText(store), u"Sample");

  ClearStore();
  if (Ini()) SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBINI", 1);
  SeedFactory(0, L"Tahoma", 9, 0xFFFFFFFF);
  EXPECT_EQ(ReadOnScreenDefaults(store, u"UiFace"), (ONSCREEN_DATA{0, u"Tahoma", 3, 0x0000FF00}));
  EXPECT_EQ(ReadPreviewText(store), u"");
}

TEST_P(OnScreenStoreTest, UserSettings_FallBackToTheFactoryValues) {
  SeedFactory(1, L"Liberation Sans", 2, 0x00123456);
  const ONSCREEN_DATA factory = ReadOnScreenDefaults(store, u"UiFace");
  struct Case {
    const wchar_t* key;
    const wchar_t* text;
    ONSCREEN_DATA expected;
  };
  const Case cases[] = {
      {L"FontName", L"Not An Installed Face", factory},
      {L"FontName", L"Tahoma", {1, u"Tahoma", 2, 0x00123456}},
      {L"FontSize", L"9", factory},
      {L"FontSize", L"5", {1, u"Liberation Sans", 5, 0x00123456}},
      {L"Color", L"-1", factory},
      {L"Color", L"16711680", {1, u"Liberation Sans", 2, 0x00FF0000}},
      {L"OnScreen", L"3", factory},
      {L"OnScreen", L"0", {0, u"Liberation Sans", 2, 0x00123456}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(Utf16(std::wstring(c.key) + L"=" + c.text)));
    DeleteTree(HKEY_CURRENT_USER, kUserKey);
    WritePrivateProfileStringW(L"ONSCREEN", nullptr, nullptr, L"VARDENZEB.INI");
    SeedUser(c.key, c.text);
    EXPECT_EQ(ReadOnScreen(store, factory, LookupIn(fonts)), c.expected);
  }
}

TEST_P(OnScreenStoreTest, Saved_ReadsBackAsSaved) {
  const ONSCREEN_DATA factory{1, u"Liberation Sans", 3, 0x0000FF00};
  for (const ONSCREEN_DATA& d : {ONSCREEN_DATA{0, u"Tahoma", 1, 0}, ONSCREEN_DATA{1, u"MS UI Gothic", 5, 0x00FFFFFF},
                                 ONSCREEN_DATA{1, u"Liberation Serif", 4, 0x00FF0000}}) {
    ASSERT_TRUE(SaveOnScreen(store, d));
    EXPECT_EQ(ReadOnScreen(store, factory, LookupIn(fonts)), d) << ToUtf8(d.face);
  }
  // Where the values went.
  if (Ini()) {
    wchar_t color[32] = {};
    GetPrivateProfileStringW(L"ONSCREEN", L"Color", L"", color, 32, L"VARDENZEB.INI");
    EXPECT_STREQ(color, L"16711680");
    DWORD type = 0;
    std::vector<BYTE> data;
    EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, kUserKey, L"Color", type, data));
  } else {
    DWORD type = 0;
    std::vector<BYTE> data;
    ASSERT_TRUE(ReadRaw(HKEY_CURRENT_USER, kUserKey, L"size", type, data));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    ASSERT_EQ(data.size(), 4u);
    EXPECT_EQ(data[0], 4);
    ASSERT_TRUE(ReadRaw(HKEY_CURRENT_USER, kUserKey, L"FontFace", type, data));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(data.size(), std::wstring(L"Liberation Serif").size() * 2);
  }
}

INSTANTIATE_TEST_SUITE_P(Layouts, OnScreenStoreTest, testing::Values(Layout::Registry, Layout::Ini),
                         [](const testing::TestParamInfo<Layout>& i) {
                           return std::string(i.param == Layout::Registry ? "Registry" : "IniFile");
                         });

}  // namespace
}  // namespace tapstart::test
