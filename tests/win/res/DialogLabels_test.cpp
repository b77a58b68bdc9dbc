// Every dialog template as the linker put it into the program: each edit and combo box comes right after the
// static that labels it, which is where screen readers look for its name.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "res/resource.h"

namespace tapstart {
namespace {

constexpr WORD kButtonAtom = 0x0080, kEditAtom = 0x0081, kStaticAtom = 0x0082, kComboAtom = 0x0085;

struct TemplateItem {
  DWORD style = 0;
  int id = 0;
  std::wstring cls;  // a predefined class by its name: "Button", "Edit", "Static", "ComboBox" ...
};

bool IsClass(const TemplateItem& item, const wchar_t* cls) { return _wcsicmp(item.cls.c_str(), cls) == 0; }

// Reads a name-or-ordinal field of an extended template; an ordinal becomes the predefined class it stands for.
const WORD* ReadField(const WORD* p, std::wstring* out) {
  if (*p == 0xFFFF) {
    if (out != nullptr) {
      const std::map<WORD, std::wstring> atoms = {
          {kButtonAtom, L"Button"}, {kEditAtom, L"Edit"}, {kStaticAtom, L"Static"}, {kComboAtom, L"ComboBox"}};
      const auto it = atoms.find(p[1]);
      *out = it != atoms.end() ? it->second : L"#" + std::to_wstring(p[1]);
    }
    return p + 2;
  }
  std::wstring text;
  while (*p != 0) text += static_cast<wchar_t>(*p++);
  if (out != nullptr) *out = text;
  return p + 1;
}

const BYTE* AlignDword(const void* p) {
  return reinterpret_cast<const BYTE*>((reinterpret_cast<uintptr_t>(p) + 3) & ~uintptr_t{3});
}

// The controls of an extended dialog template in their order, which is their z-order and tab order.
std::vector<TemplateItem> TemplateItems(const BYTE* data) {
  const auto* w = reinterpret_cast<const WORD*>(data);
  if (w[0] != 1 || w[1] != 0xFFFF) return {};
  DWORD style = 0;
  std::memcpy(&style, data + 12, sizeof style);
  const WORD count = w[8];
  const WORD* p = w + 13;     // past the header's fixed part: version, signature, help id, styles, count, rectangle
  p = ReadField(p, nullptr);  // menu
  p = ReadField(p, nullptr);  // class
  p = ReadField(p, nullptr);  // caption
  if ((style & DS_SETFONT) != 0) p = ReadField(p + 3, nullptr);  // size, weight, italic and charset, face
  std::vector<TemplateItem> items;
  const BYTE* at = AlignDword(p);
  for (WORD i = 0; i < count; ++i) {
    TemplateItem item;
    DWORD id = 0;
    std::memcpy(&item.style, at + 8, sizeof item.style);
    std::memcpy(&id, at + 20, sizeof id);
    item.id = static_cast<int>(id);
    p = ReadField(reinterpret_cast<const WORD*>(at + 24), &item.cls);
    p = ReadField(p, nullptr);  // title
    const WORD extra = *p++;
    at = AlignDword(reinterpret_cast<const BYTE*>(p) + extra);
    items.push_back(item);
  }
  return items;
}

BOOL CALLBACK CollectDialog(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR out) {
  if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<int>*>(out)->push_back(static_cast<int>(LOWORD(name)));
  return TRUE;
}

// Every edit and combo box of every template, with the static that labels it.
struct Labelled {
  int dialog, control, label;
};
const Labelled kLabels[] = {
    {IDD_DT_TAB, IDC_DT_PATTERN, IDC_DT_PATTERN_LABEL}, {IDD_DT_TAB, IDC_DT_EDIT1, IDC_DT_LABEL1},
    {IDD_DT_TAB, IDC_DT_EDIT2, IDC_DT_LABEL2},          {IDD_DT_TAB, IDC_DT_EDIT3, IDC_DT_LABEL3},
    {IDD_DT_TAB, IDC_DT_EDIT4, IDC_DT_LABEL4},          {IDD_DT_TAB, IDC_DT_EDIT5, IDC_DT_LABEL5},
    {IDD_NT_TAB, IDC_NT_PATTERN, IDC_NT_PATTERN_LABEL}, {IDD_NT_TAB, IDC_NT_EDIT1, IDC_NT_LABEL1},
    {IDD_NT_TAB, IDC_NT_EDIT2, IDC_NT_LABEL2},          {IDD_NT_TAB, IDC_NT_EDIT3, IDC_NT_LABEL3},
    {IDD_OSD_TAB, IDC_OSD_FONT, IDC_OSD_FONT_LABEL},    {IDD_OSD_TAB, IDC_OSD_SIZE, IDC_OSD_SIZE_LABEL},
    {IDD_INPUTBOX, IDC_INPUT_EDIT, IDC_INPUT_PROMPT},   {IDD_SETAP, IDC_SETAP_SLOT1, IDC_SETAP_LABEL1},
    {IDD_SETAP, IDC_SETAP_SLOT2, IDC_SETAP_LABEL2},     {IDD_SETAP, IDC_SETAP_SLOT3, IDC_SETAP_LABEL3},
    {IDD_SETAP, IDC_SETAP_SLOT4, IDC_SETAP_LABEL4},     {IDD_SETAP, IDC_SETAP_SLOT5, IDC_SETAP_LABEL5},
    {IDD_WIZ_NAME, IDC_WIZN_EDIT, IDC_WIZN_TEXT},       {IDD_WIZ_SOME, IDC_WIZO_EDIT1, IDC_WIZO_LABEL1},
    {IDD_WIZ_SOME, IDC_WIZO_EDIT2, IDC_WIZO_LABEL2},    {IDD_WIZ_SOME, IDC_WIZO_EDIT3, IDC_WIZO_LABEL3},
    {IDD_WIZ_SOME, IDC_WIZO_EDIT4, IDC_WIZO_LABEL4},    {IDD_WIZ_SOME, IDC_WIZO_EDIT5, IDC_WIZO_LABEL5},
};

TEST(DialogLabels, EveryEditAndComboFollowsTheStaticThatLabelsIt) {
  const HMODULE m = GetModuleHandleW(nullptr);
  std::vector<int> dialogs;
  EnumResourceNamesW(m, RT_DIALOG, CollectDialog, reinterpret_cast<LONG_PTR>(&dialogs));
  const std::set<int> expected = {IDD_MAIN,        IDD_DT_TAB,     IDD_NT_TAB,     IDD_OSD_TAB,    IDD_MANAGER,
                                  IDD_INPUTBOX,    IDD_SETAP,      IDD_WIZ_BUTTON, IDD_WIZ_METHOD, IDD_WIZ_SOURCE,
                                  IDD_WIZ_PROGRAM, IDD_WIZ_FINISH, IDD_WIZ_NAME,   IDD_WIZ_SOME};
  EXPECT_EQ(std::set<int>(dialogs.begin(), dialogs.end()), expected);

  std::set<std::pair<int, int>> checked;
  for (int dialog : dialogs) {
    HRSRC r = FindResourceW(m, MAKEINTRESOURCEW(dialog), RT_DIALOG);
    ASSERT_NE(r, nullptr) << dialog;
    const auto items = TemplateItems(static_cast<const BYTE*>(LockResource(LoadResource(m, r))));
    ASSERT_FALSE(items.empty()) << "not an extended template with controls: " << dialog;
    for (size_t i = 0; i < items.size(); ++i) {
      if (!IsClass(items[i], L"Edit") && !IsClass(items[i], L"ComboBox")) continue;
      const Labelled* row = nullptr;
      for (const Labelled& l : kLabels)
        if (l.dialog == dialog && l.control == items[i].id) row = &l;
      ASSERT_NE(row, nullptr) << "an edit or combo box without a label in the table: " << dialog << " " << items[i].id;
      ASSERT_GT(i, 0u) << dialog << " " << items[i].id;
      const TemplateItem& before = items[i - 1];
      EXPECT_EQ(before.id, row->label) << dialog << " " << items[i].id;
      // A text static: a picture (SS_BITMAP, SS_ICON) names nothing.
      EXPECT_TRUE(IsClass(before, L"Static")) << dialog << " " << items[i].id;
      EXPECT_LE(before.style & SS_TYPEMASK, static_cast<DWORD>(SS_RIGHT)) << dialog << " " << items[i].id;
      checked.insert({dialog, items[i].id});
    }
  }
  EXPECT_EQ(checked.size(), std::size(kLabels)) << "a row of the table names no control of its template";
}

}  // namespace
}  // namespace tapstart
