// The source trees' name order computed from sort keys is the order a real sorted list box gives.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "shell/LocaleNameSorter_win32.h"
#include "shell/NameList.h"

namespace tapstart {
namespace {

// The names as a hidden sorted list box shows them when they are added in list order.
std::vector<std::wstring> ListBoxOrder(const std::vector<std::wstring>& names) {
  const HWND box = CreateWindowExW(0, L"LISTBOX", L"", WS_POPUP | LBS_SORT | LBS_HASSTRINGS, 0, 0, 0, 0, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
  EXPECT_NE(box, nullptr);
  for (const std::wstring& n : names) SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(n.c_str()));
  std::vector<std::wstring> out;
  const auto count = static_cast<int>(SendMessageW(box, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::wstring text(static_cast<size_t>(SendMessageW(box, LB_GETTEXTLEN, i, 0)), L'\0');
    SendMessageW(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    out.push_back(text);
  }
  DestroyWindow(box);
  return out;
}

std::vector<std::wstring> SorterOrder(const std::vector<std::wstring>& names) {
  NameList list;
  for (const std::wstring& n : names) list.Add(std::u16string(n.begin(), n.end()));
  std::vector<std::wstring> out;
  for (const uint32_t i : LocaleNameSorter().Order(list)) out.push_back(names[i]);
  return out;
}

// Grouped by kind, several names to a line.
// clang-format off
const std::vector<std::wstring> kMixed = {
    // case pairs and triples
    L"apple", L"Apple", L"APPLE", L"Banana", L"banana", L"readme.txt", L"README.TXT", L"ReadMe.txt",
    // digits
    L"file10", L"file2", L"file1", L"10", L"9", L"2 files", L"007", L"1.5", L"1,5",
    // punctuation
    L"-dash", L"_under", L"#hash", L"(paren)", L"[bracket]", L"a-b", L"ab", L"a b", L"a.b", L"a'b", L"co-op",
    L"coop", L"Co-op", L"!bang", L"~tilde", L"$dollar", L"@at", L"+plus", L"=equals", L"&and",
    // accents
    L"résumé", L"resume", L"Résumé", L"RESUME", L"éclair", L"eclair", L"Ångström", L"angstrom", L"naïve",
    L"naive", L"Zürich", L"zurich", L"Œuvre", L"oeuvre", L"straße", L"strasse", L"façade", L"facade",
    // kana
    L"あいう", L"アイウ", L"ｱｲｳ", L"かな", L"カナ", L"がっこう", L"ガッコウ", L"ぱ", L"は", L"ば", L"ー", L"ヴ",
    // kanji
    L"漢字", L"日本", L"東京", L"一", L"二", L"三", L"設定", L"登録してください",
    // widths and mixtures
    L"ＡＢＣ", L"abc", L"ABC", L"Program Files", L"program files", L"Ｐｒｏｇｒａｍ", L"メモ帳.lnk", L"Notepad.lnk",
    L"", L" leading", L"trailing ",
};
// clang-format on

TEST(SortOrderTest, LocaleNameSorter_GivesTheSortedListBoxsOrderOnMixedNames) {
  EXPECT_EQ(SorterOrder(kMixed), ListBoxOrder(kMixed));
}

TEST(SortOrderTest, LocaleNameSorter_GivesTheListBoxsOrderForManyEqualNamesInAnyOrder) {
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    std::vector<std::wstring> names;
    for (int i = 0; i < 400; ++i) names.push_back(kMixed[random() % kMixed.size()]);
    ASSERT_EQ(SorterOrder(names), ListBoxOrder(names)) << "round " << round;
  }
}

}  // namespace
}  // namespace tapstart
