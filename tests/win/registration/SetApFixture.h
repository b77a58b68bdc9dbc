// The registration dialog created for real over the real registry, with its menus and the parameter box answered
// by the test: what each menu offered is recorded.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Driver_win32.h"
#include "registration/CfrmSetAp_win32.h"
#include "res/resource.h"
#include "store/RegistryStore_win32.h"
#include "ui/Resources_win32.h"

namespace tapstart::test {

// One item of a menu; the items of a submenu follow their popup item, one level deeper.
struct MenuEntry {
  int depth = 0;
  UINT id = 0;  // 0 for a separator, -1 for a popup
  std::wstring text;
  bool grayed = false;
  bool operator==(const MenuEntry&) const = default;
};

inline void PrintTo(const MenuEntry& e, std::ostream* os) {
  *os << "{" << e.depth << ", " << static_cast<int>(e.id) << ", " << testing::PrintToString(e.text)
      << (e.grayed ? ", grayed}" : "}");
}

std::vector<MenuEntry> ReadMenu(HMENU menu, int depth = 0);

// An APPKEY_DATA named "Old name" with these commands (counted) and titles.
APPKEY_DATA MakeRecord(const char16_t* code, const std::vector<std::u16string>& commands,
                       const std::vector<std::u16string>& titles = {});

std::wstring UtlKey(const wchar_t* sub);

class SetApDialogTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Opens the dialog modeless and visible on a copy of the record.
  void Open(const APPKEY_DATA& record, bool japanese = false);
  HWND Ctl(int id) const { return GetDlgItem(dlg, id); }
  std::wstring SlotText(int slot) const { return TextOf(Ctl(IDC_SETAP_SLOT1 + slot)); }
  bool Checked(int id) const { return SendMessageW(Ctl(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  bool Enabled(int id) const { return IsWindowEnabled(Ctl(id)) != FALSE; }
  bool Shown(int id) const { return IsWindowVisible(Ctl(id)) != FALSE; }
  // A key to a control as the dialog manager passes it, the control focused first.
  void KeyTo(int id, WPARAM key);
  // Selects the tab with that text and shows its source, as a click on it does.
  void SelectTabNamed(const std::wstring& text);
  // The child of a tree item with that text, or null.
  HTREEITEM TreeChild(TreeKind kind, HTREEITEM parent, const std::wstring& text);
  const APPKEY_DATA& Edited() const { return dialog->Model().Record(); }

  RegistryStore backend;
  SettingsStore store{backend};
  RegistrationFlags flags;
  ImeChangerLocation changer;
  std::unique_ptr<CfrmSetAp> dialog;
  HWND dlg = nullptr;
  std::vector<std::vector<MenuEntry>> menus;  // every menu shown, in order
  int menuAnswer = 0;                         // the id each menu returns
  std::vector<InputBoxRequest> boxes;         // every parameter box opened
  std::optional<std::u16string> boxAnswer;
};

}  // namespace tapstart::test
