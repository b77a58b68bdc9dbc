// The registration dialog's test fixture: opening it over the real registry, reading its menus, pressing keys.
#include "SetApFixture.h"

#include <algorithm>

namespace tapstart::test {

std::vector<MenuEntry> ReadMenu(HMENU menu, int depth) {
  std::vector<MenuEntry> entries;
  const int n = GetMenuItemCount(menu);
  for (int i = 0; i < n; ++i) {
    wchar_t text[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING | MIIM_FTYPE;
    info.dwTypeData = text;
    info.cch = static_cast<UINT>(std::size(text));
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    const bool separator = (info.fType & MFT_SEPARATOR) != 0;
    entries.push_back({depth,
                       info.hSubMenu != nullptr ? static_cast<UINT>(-1)
                       : separator              ? 0
                                                : info.wID,
                       text, !separator && (info.fState & MFS_GRAYED) != 0});
    if (info.hSubMenu != nullptr) {
      const std::vector<MenuEntry> sub = ReadMenu(info.hSubMenu, depth + 1);
      entries.insert(entries.end(), sub.begin(), sub.end());
    }
  }
  return entries;
}

APPKEY_DATA MakeRecord(const char16_t* code, const std::vector<std::u16string>& commands,
                       const std::vector<std::u16string>& titles) {
  APPKEY_DATA r;
  r.name = u"Old name";
  r.code = code;
  std::copy(commands.begin(), commands.end(), r.command.begin());
  std::copy(titles.begin(), titles.end(), r.title.begin());
  r.count = static_cast<int32_t>(commands.size());
  return r;
}

std::wstring UtlKey(const wchar_t* sub) { return std::wstring(kProduct) + L"\\UTLSetting\\" + sub; }

void SetApDialogTest::SetUp() {
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  ClearStore();
}

void SetApDialogTest::TearDown() {
  dialog.reset();
  ClearStore();
  OleUninitialize();
}

void SetApDialogTest::Open(const APPKEY_DATA& record, bool japanese) {
  dialog = std::make_unique<CfrmSetAp>(
      record, RegistrationContext{store, japanese, flags, changer},
      [this](HWND owner, HMENU menu, POINT) {
        EXPECT_EQ(owner, dlg);
        menus.push_back(ReadMenu(menu));
        return menuAnswer;
      },
      [this](HWND owner, const InputBoxRequest& request) {
        EXPECT_EQ(owner, dlg);
        boxes.push_back(request);
        return boxAnswer;
      });
  ASSERT_TRUE(dialog->CreateModeless(nullptr, LoadStr(IDS_UI_FACE), 9));
  dlg = dialog->Hwnd();
  ShowWindow(dlg, SW_SHOW);
  Pump();
}

void SetApDialogTest::KeyTo(int id, WPARAM key) {
  SetFocus(Ctl(id));
  Key(dlg, WM_KEYDOWN, key);
}

void SetApDialogTest::SelectTabNamed(const std::wstring& text) {
  const TabControl tabs(Ctl(IDC_SETAP_TAB));
  for (int i = 0; i < tabs.Count(); ++i)
    if (tabs.Text(i) == text) tabs.Select(i);
  dialog->ShowSelectedSource();
}

HTREEITEM SetApDialogTest::TreeChild(TreeKind kind, HTREEITEM parent, const std::wstring& text) {
  const TreeView view = dialog->Tree(kind).View();
  if (parent != nullptr) view.Expand(parent);
  for (HTREEITEM c = parent != nullptr ? view.Child(parent) : view.Root(); c != nullptr; c = view.Next(c))
    if (view.Text(c) == text) return c;
  return nullptr;
}

}  // namespace tapstart::test
