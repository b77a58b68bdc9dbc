// The string tables and integers as the linker put them into the program: per language, and through the loaders.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "res/resource.h"
#include "ui/Resources_win32.h"

namespace tapstart {
namespace {

constexpr WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, 0x01);
constexpr WORD kChinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
constexpr WORD kLanguages[] = {kEnglish, kJapanese, kChinese};

// One string of one language's table, decoded from its 16-string block; nothing when the id has no text.
std::optional<std::wstring> StringIn(WORD lang, UINT id) {
  const HMODULE m = GetModuleHandleW(nullptr);
  HRSRC r = FindResourceExW(m, RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), lang);
  if (r == nullptr) return std::nullopt;
  const auto* p = static_cast<const WCHAR*>(LockResource(LoadResource(m, r)));
  const WCHAR* end = p + SizeofResource(m, r) / sizeof(WCHAR);
  for (UINT i = 0; i < id % 16; ++i) {
    if (p >= end) return std::nullopt;
    p += 1 + *p;
  }
  if (p >= end || *p == 0 || p + 1 + *p > end) return std::nullopt;
  return std::wstring(p + 1, *p);
}

std::optional<int> IntIn(WORD lang, UINT id) {
  const HMODULE m = GetModuleHandleW(nullptr);
  HRSRC r = FindResourceExW(m, RT_RCDATA, MAKEINTRESOURCEW(id), lang);
  if (r == nullptr || SizeofResource(m, r) != 4) return std::nullopt;
  return *static_cast<const int*>(LockResource(LoadResource(m, r)));
}

TEST(StringResources, EveryIdHasATextInEveryLanguageOrInNone) {
  int english = 0;
  for (UINT id = IDS_TITLE; id <= IDS_SETAP_HINT; ++id) {
    const bool inEnglish = StringIn(kEnglish, id).has_value();
    english += inEnglish ? 1 : 0;
    EXPECT_EQ(StringIn(kJapanese, id).has_value(), inEnglish) << id;
    EXPECT_EQ(StringIn(kChinese, id).has_value(), inEnglish) << id;
  }
  EXPECT_GT(english, 100);
}

struct Sample {
  WORD lang;
  UINT id;
  const wchar_t* text;
};

TEST(StringResources, CompiledTextsMatchPerLanguage) {
  const Sample samples[] = {
      {kEnglish, IDS_TITLE, L"Tapstart Button Settings"},
      {kEnglish, IDS_HELP_SUFFIX, L" Help"},
      {kEnglish, IDS_BUTTON_PREFIX, L"Button "},
      {kEnglish, IDS_OSD_DISPLAY, L"Display on Screen(&O)"},
      {kEnglish, IDS_MGR_DELETE_QUESTION, L"will be deleted.\nDo you want to delete this pattern?"},
      {kEnglish, IDS_WIZ_BUTTON_FORMAT, L"Register the program to %s"},
      {kJapanese, IDS_TITLE, L"Tapstart ボタン設定"},
      {kJapanese, IDS_UI_FACE, L"MS UI Gothic"},
      {kJapanese, IDS_PROFILE_FILE, L"VARDENZEB.INI"},
      {kChinese, IDS_TITLE, L"Tapstart 按钮设置"},
      {kChinese, IDS_UI_FACE, L"SimSun"},
      {kChinese, IDS_COMMAND_LIST_FILE, L"ZEBCODE.DAT"},
      {kJapanese, IDS_MGR_COPY_SUFFIX, L" - コピー"},
      {kChinese, IDS_MGR_COPY_SUFFIX, L" - 副本"},
  };
  for (const Sample& s : samples)
    EXPECT_EQ(StringIn(s.lang, s.id).value_or(L"(none)"), s.text) << s.lang << " " << s.id;
}

TEST(StringResources, FontHeightsPerLanguage) {
  struct Heights {
    UINT id;
    int en, ja, zh;
  };
  const Heights heights[] = {{IDR_HEIGHT_LARGE, 16, 13, 13},
                             {IDR_HEIGHT_TAB, 14, 11, 13},
                             {IDR_HEIGHT_TEXT, 14, 12, 13},
                             {IDR_HEIGHT_TREE, 15, 12, 13},
                             {IDR_HEIGHT_UI, 14, 12, 14}};
  for (const Heights& h : heights) {
    EXPECT_EQ(IntIn(kEnglish, h.id).value_or(-1), h.en) << h.id;
    EXPECT_EQ(IntIn(kJapanese, h.id).value_or(-1), h.ja) << h.id;
    EXPECT_EQ(IntIn(kChinese, h.id).value_or(-1), h.zh) << h.id;
  }
}

// The loaders pick the table of the user's UI language, the one the programs run in.
TEST(StringResources, LoadersFollowTheUiLanguage) {
  const LANGID ui = GetUserDefaultUILanguage();
  WORD lang = kEnglish;
  for (WORD l : kLanguages) {
    if (PRIMARYLANGID(l) == PRIMARYLANGID(ui)) lang = l;
  }
  for (UINT id : {IDS_TITLE, IDS_UI_FACE, IDS_NAME_TOO_LONG, IDS_SETAP_HINT})
    EXPECT_EQ(LoadStr(id), StringIn(lang, id).value_or(L"(none)")) << id;
  EXPECT_EQ(LoadRcInt(IDR_HEIGHT_LARGE, -1), IntIn(lang, IDR_HEIGHT_LARGE).value_or(-2));
  EXPECT_EQ(LoadRcInt(IDR_HEIGHT_UI, -1), IntIn(lang, IDR_HEIGHT_UI).value_or(-2));
  EXPECT_EQ(LoadStr(IDS_WIZ_BUTTON_FORMAT + 1), L"");  // the one id of the range without a string
  EXPECT_EQ(LoadRcInt(IDR_HEIGHT_LARGE + 1, -7), -7);  // no integer has this id
}

}  // namespace
}  // namespace tapstart
