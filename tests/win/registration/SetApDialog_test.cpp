// The registration dialog's wiring, each feature once: what a record shows, sending from each source, the slot
// menu, Delete, the Send submenu, drops through the slots' drop targets, Parameter Setting, the tab keys and the
// shortcut-key list's two sources. The rules behind them are the model's, tested natively.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstring>
#include <fstream>

#include "SetApFixture.h"
#include "ui/DragDrop_win32.h"

namespace tapstart::test {
namespace {

constexpr char16_t kNotepad[] = u"C:\\windows\\notepad.exe";
constexpr char16_t kRegedit[] = u"C:\\windows\\regedit.exe";
constexpr char16_t kMines[] = u"C:\\windows\\system32\\winemine.exe";

constexpr int kRadios[] = {IDC_SETAP_SINGLE, IDC_SETAP_SEQUENTIAL, IDC_SETAP_SIMULTANEOUS};

std::wstring ShellPath(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

void Touch(const std::wstring& path, const char* text = "x") { std::ofstream(path.c_str(), std::ios::binary) << text; }

struct ShowCase {
  const char* name;
  APPKEY_DATA record;
  bool delSerial;
  int checked;  // the radio checked, 0 for none
  bool methodEnabled;
  int enabledSlots;
  std::array<std::wstring, 5> texts;
};

TEST_F(SetApDialogTest, ShowRecord_PutsEachKindOfRecordOnTheControls) {
  const ShowCase cases[] = {
      {"lower-case s",
       MakeRecord(u"s", {kNotepad, kRegedit, kMines}),
       false,
       IDC_SETAP_SEQUENTIAL,
       true,
       5,
       {L"notepad", L"regedit", L"winemine"}},
      {"P", MakeRecord(u"P", {kNotepad, kRegedit}), false, IDC_SETAP_SIMULTANEOUS, true, 5, {L"notepad", L"regedit"}},
      {"m", MakeRecord(u"m", {kMines}), false, IDC_SETAP_SINGLE, true, 1, {L"winemine"}},
      {"K", MakeRecord(u"K", {u"CTRL+V"}), false, IDC_SETAP_SINGLE, false, 1, {L"Paste"}},
      {"Media Center entry",
       MakeRecord(u"M", {u"ms-photos:"}, {u"Photos"}),
       false,
       IDC_SETAP_SINGLE,
       false,
       1,
       {L"Photos"}},
      {"titled program",
       MakeRecord(u"M", {u"iexplore.exe|https://x.example/"}, {u"Example"}),
       false,
       IDC_SETAP_SINGLE,
       true,
       1,
       {L"Example"}},
      {"S without the sequential method",
       MakeRecord(u"S", {kNotepad, kRegedit}),
       true,
       0,
       true,
       5,
       {L"notepad", L"regedit"}},
  };
  for (const ShowCase& c : cases) {
    SCOPED_TRACE(c.name);
    ClearStore();
    SetDword(HKEY_LOCAL_MACHINE, UtlKey(L"ProgramGroup"), L"MCMenu", 1);
    SetDword(HKEY_LOCAL_MACHINE, UtlKey(L"DispSetting"), L"DelSerial", c.delSerial ? 1 : 0);
    Open(c.record);
    for (int id : kRadios) EXPECT_EQ(Checked(id), id == c.checked) << id;
    EXPECT_EQ(Shown(IDC_SETAP_SEQUENTIAL), !c.delSerial);
    EXPECT_EQ(Enabled(IDC_SETAP_SINGLE), c.methodEnabled);
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(SlotText(i), c.texts[i]) << i;
      EXPECT_EQ(Enabled(IDC_SETAP_SLOT1 + i), i < c.enabledSlots) << i;
      EXPECT_EQ(Enabled(IDC_SETAP_LABEL1 + i), i < c.enabledSlots) << i;
    }
    dialog.reset();
  }
}

struct ListCase {
  const char* name;
  int list;
  int line;
  bool japanese;
  std::u16string code, buttonName, title, command;
  int mediaCenterFlag, imeFlag;
};

TEST_F(SetApDialogTest, AppsKeyOnAListSendsItsSelectedLineToProgram1) {
  const ListCase cases[] = {
      {"Media Center", IDC_SETAP_MEDIA_CENTER, 0, false, u"M", u"Music", u"Media Player", u"mswindowsmusic:", 1, 0},
      {"shortcut key", IDC_SETAP_SHORTCUT_KEY, 2, false, u"K", u"Paste", u"", u"CTRL+V", 0, 0},
      {"IME", IDC_SETAP_IME, 1, true, u"M", u"言語", u"言語と地域の設定", u"ms-settings:regionlanguage", 0, 1},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.name);
    ClearStore();
    SetDword(HKEY_LOCAL_MACHINE, UtlKey(L"ProgramGroup"), L"MCMenu", 1);
    SetDword(HKEY_LOCAL_MACHINE, UtlKey(L"ProgramGroup"), L"IME", 1);
    Open(MakeRecord(u"S", {kNotepad, kRegedit}), c.japanese);
    ListBox(Ctl(c.list)).Select(c.line);
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(c.list, LBN_SELCHANGE), reinterpret_cast<LPARAM>(Ctl(c.list)));
    menuAnswer = IDM_SEND_PROGRAM1;
    KeyTo(c.list, VK_APPS);
    ASSERT_FALSE(menus.empty());
    EXPECT_EQ(menus.back(), (std::vector<MenuEntry>{{0, static_cast<UINT>(-1), L"Send"}, {1, 1, L"Program1"}}));
    const APPKEY_DATA& r = Edited();
    EXPECT_EQ(r.code, c.code);
    EXPECT_EQ(r.count, 1);
    EXPECT_EQ(r.command[0], c.command);
    EXPECT_EQ(r.title[0], c.title);
    EXPECT_EQ(r.command[1], u"");
    EXPECT_EQ(r.name, c.buttonName);
    EXPECT_EQ(flags.MediaCenterSelected, c.mediaCenterFlag);
    EXPECT_EQ(flags.ImeSelected, c.imeFlag);
    EXPECT_FALSE(Enabled(IDC_SETAP_SINGLE));
    EXPECT_FALSE(Enabled(IDC_SETAP_SLOT2));
    dialog.reset();
  }
}

class TreeSendTest : public SetApDialogTest {
 protected:
  void SetUp() override {
    SetApDialogTest::SetUp();
    startMenu_ = ShellPath(CSIDL_STARTMENU);
    // The dialog finds the user's Start Menu where the shell's folder list names it.
    SetString(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
              L"Start Menu", startMenu_);
    Touch(startMenu_ + L"\\Tapstart Sample.lnk");
    favorites_ = ShellPath(CSIDL_FAVORITES);
    Touch(favorites_ + L"\\Tapstart News.url", "[InternetShortcut]\r\nURL=https://news.example/today\r\n");
  }
  void TearDown() override {
    SetApDialogTest::TearDown();
    DeleteFileW((startMenu_ + L"\\Tapstart Sample.lnk").c_str());
    DeleteFileW((favorites_ + L"\\Tapstart News.url").c_str());
  }
  // Sends an item of a tree's root with the Apps key, choosing the program number.
  void SendRootItem(TreeKind kind, int tree, const std::wstring& text, int program) {
    const HTREEITEM root = TreeChild(kind, nullptr, dialog->Tree(kind).View().Text(dialog->Tree(kind).View().Root()));
    const HTREEITEM item = TreeChild(kind, root, text);
    ASSERT_NE(item, nullptr);
    dialog->Tree(kind).View().Select(item);
    menuAnswer = program;
    KeyTo(tree, VK_APPS);
  }
  std::wstring startMenu_, favorites_;
};

TEST_F(TreeSendTest, StartMenuShortcut_GoesToTheChosenProgramAndNamesTheButton) {
  Open(MakeRecord(u"M", {}));
  SendRootItem(TreeKind::StartMenu, IDC_SETAP_START_MENU, L"Tapstart Sample.lnk", 1);
  const APPKEY_DATA& r = Edited();
  EXPECT_EQ(SlotText(0), L"Tapstart Sample");
  EXPECT_EQ(r.command[0], Utf16(startMenu_ + L"\\Tapstart Sample.lnk"));
  EXPECT_EQ(r.count, 1);
  EXPECT_EQ(r.code, u"M");
  EXPECT_EQ(r.name, u"Tapstart Sample");
  Press(dlg, IDC_SETAP_OK);
  ASSERT_TRUE(dialog->Result().has_value());
  EXPECT_EQ(dialog->Result()->command[0], r.command[0]);
}

// A right click on an item that is not the caret item makes it one and opens the Send menu for it.
TEST_F(TreeSendTest, RightClick_SendsTheItemUnderTheMouse) {
  Open(MakeRecord(u"M", {}));
  const TreeView view = dialog->Tree(TreeKind::StartMenu).View();
  const HTREEITEM item = TreeChild(TreeKind::StartMenu, view.Root(), L"Tapstart Sample.lnk");
  ASSERT_NE(item, nullptr);
  view.Select(view.Root());
  HWND tree = Ctl(IDC_SETAP_START_MENU);
  RECT label{};
  std::memcpy(&label, &item, sizeof item);  // the item goes in, its rectangle comes out
  ASSERT_TRUE(SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&label)));
  POINT at{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
  POINT screen = at;
  ClientToScreen(tree, &screen);
  SetCursorPos(screen.x, screen.y);
  menuAnswer = 1;
  PostMessageW(tree, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
  PostMessageW(tree, WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  Pump();
  EXPECT_EQ(view.Caret(), item);
  EXPECT_EQ(SlotText(0), L"Tapstart Sample");
}

TEST_F(TreeSendTest, FavoritesInternetShortcut_StoresItsAddress) {
  SetDword(HKEY_LOCAL_MACHINE, UtlKey(L"ProgramGroup"), L"IEMenu", 1);
  Open(MakeRecord(u"S", {kNotepad}));
  SelectTabNamed(L"IE Favorites");
  SendRootItem(TreeKind::Favorites, IDC_SETAP_FAVORITES, L"Tapstart News", 2);
  const APPKEY_DATA& r = Edited();
  EXPECT_EQ(SlotText(1), L"Tapstart News");
  EXPECT_EQ(r.command[1], u"iexplore.exe|https://news.example/today");
  EXPECT_EQ(r.parameters[1], u"https://news.example/today");
  EXPECT_EQ(r.title[1], u"Tapstart News");
  EXPECT_EQ(r.count, 2);
  EXPECT_EQ(r.name, u"Old name") << "program 1 is unchanged";
}

struct SubmenuCase {
  const char16_t* code;
  int count;
  int offered;  // Program1 to ProgramN
};

TEST_F(TreeSendTest, SendSubmenu_OffersTheOccupiedSlotsAndTheNextFreeOne) {
  const SubmenuCase cases[] = {{u"M", 1, 1}, {u"K", 1, 1}, {u"S", 0, 1}, {u"S", 1, 2},
                               {u"P", 3, 4}, {u"S", 4, 5}, {u"S", 5, 5}};
  const std::u16string programs[] = {kNotepad, kRegedit, kMines, kNotepad, kRegedit};
  for (const SubmenuCase& c : cases) {
    SCOPED_TRACE(testing::Message() << std::string(c.code, c.code + 1) << " " << c.count);
    Open(MakeRecord(c.code, std::vector<std::u16string>(programs, programs + c.count)));
    menus.clear();
    SendRootItem(TreeKind::StartMenu, IDC_SETAP_START_MENU, L"Tapstart Sample.lnk", 0);
    ASSERT_EQ(menus.size(), 1u);
    std::vector<MenuEntry> expected{{0, static_cast<UINT>(-1), L"Send"}};
    for (int n = 1; n <= c.offered; ++n) expected.push_back({1, static_cast<UINT>(n), L"Program" + std::to_wstring(n)});
    EXPECT_EQ(menus[0], expected);
    dialog.reset();
  }
}

TEST_F(TreeSendTest, Drops_LandInTheNextFreeSlotOrReplaceAnOccupiedOne) {
  Open(MakeRecord(u"S", {kNotepad}));
  CTreeViewUtl& tree = dialog->Tree(TreeKind::StartMenu);
  const HTREEITEM item = TreeChild(TreeKind::StartMenu, tree.View().Root(), L"Tapstart Sample.lnk");
  ASSERT_NE(item, nullptr);
  const ComPtr<IDataObject> text = MakeTextDataObject(L"Tapstart Sample.lnk");
  const auto drop = [&](int slot) {
    IDropTarget& target = dialog->Slot(slot).Target();
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(target.DragEnter(text.get(), MK_LBUTTON, {0, 0}, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(target.Drop(text.get(), MK_LBUTTON, {0, 0}, &effect), S_OK);
  };
  // Nothing of ours is being dragged: text from elsewhere is refused.
  DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  dialog->Slot(3).Target().DragEnter(text.get(), MK_LBUTTON, {0, 0}, &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
  dialog->Slot(3).Target().DragLeave();

  ASSERT_TRUE(dialog->TreeDragBegins(tree, item));
  drop(3);
  dialog->TreeDragEnded(tree);
  EXPECT_EQ(SlotText(1), L"Tapstart Sample") << "a drop behind the last program lands in the next free slot";
  EXPECT_EQ(Edited().count, 2);

  ASSERT_TRUE(dialog->TreeDragBegins(tree, item));
  drop(0);
  dialog->TreeDragEnded(tree);
  EXPECT_EQ(SlotText(0), L"Tapstart Sample");
  EXPECT_EQ(Edited().count, 2);
  EXPECT_EQ(Edited().name, u"Tapstart Sample");
}

TEST_F(SetApDialogTest, SlotDrag_SwapsTwoSlotsThroughTheDropTargetWithoutData) {
  Open(MakeRecord(u"S", {kNotepad, kRegedit, kMines}));
  const ComPtr<IDataObject> none = MakeTextDataObject(std::nullopt);
  EXPECT_FALSE(OffersText(none.get()));
  ASSERT_TRUE(dialog->SlotDragBegins(0));
  IDropTarget& target = dialog->Slot(2).Target();
  DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  target.DragEnter(none.get(), MK_LBUTTON, {0, 0}, &effect);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));
  target.Drop(none.get(), MK_LBUTTON, {0, 0}, &effect);
  dialog->SlotDragEnded();
  EXPECT_EQ(SlotText(0), L"winemine");
  EXPECT_EQ(SlotText(2), L"notepad");
  EXPECT_EQ(Edited().command[2], kNotepad);
  EXPECT_EQ(Edited().name, u"winemine");
}

TEST_F(SetApDialogTest, SlotMenuDeleteAndTheDeleteKey_ShiftTheLaterSlotsUp) {
  Open(MakeRecord(u"S", {kNotepad, kRegedit, kMines}));
  menuAnswer = IDM_SLOT_DELETE;
  KeyTo(IDC_SETAP_SLOT1, VK_APPS);
  ASSERT_EQ(menus.size(), 1u);
  EXPECT_EQ(menus[0], (std::vector<MenuEntry>{{0, IDM_SLOT_DELETE, L"Delete"},
                                              {0, IDM_SLOT_PARAMETERS, L"Parameter Setting"},
                                              {0, 0, L""},
                                              {0, IDM_SLOT_CANCEL, L"Cancel"}}));
  EXPECT_EQ(SlotText(0), L"regedit");
  EXPECT_EQ(SlotText(1), L"winemine");
  EXPECT_EQ(SlotText(2), L"");
  EXPECT_EQ(Edited().count, 2);
  EXPECT_EQ(Edited().name, u"regedit");
  KeyTo(IDC_SETAP_SLOT2, VK_DELETE);
  EXPECT_EQ(SlotText(1), L"");
  EXPECT_EQ(Edited().count, 1);
  KeyTo(IDC_SETAP_SLOT2, 'A');
  EXPECT_EQ(SlotText(1), L"") << "slots are not typed into";
  Press(dlg, IDC_SETAP_CANCEL);
  EXPECT_FALSE(dialog->Result().has_value());
}

TEST_F(SetApDialogTest, ParameterSetting_OffersWhatTheCommandLeavesAndIsGrayedAt258) {
  const std::u16string c250 = u"C:\\" + std::u16string(243, u'a') + u".exe";
  const std::u16string c258 = u"C:\\" + std::u16string(251, u'b') + u".exe";
  ASSERT_EQ(c250.size(), 250u);
  ASSERT_EQ(c258.size(), 258u);
  APPKEY_DATA record = MakeRecord(u"S", {c250, c258});
  record.parameters[0] = u"-old";
  Open(record);
  menuAnswer = IDM_SLOT_PARAMETERS;
  boxAnswer = u"-x 1  ";
  KeyTo(IDC_SETAP_SLOT1, VK_APPS);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].parameterMode);
  EXPECT_EQ(boxes[0].maxLength, 8u);
  EXPECT_EQ(boxes[0].startText, u"-old");
  EXPECT_EQ(Edited().parameters[0], u"-x 1");
  KeyTo(IDC_SETAP_SLOT2, VK_APPS);
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_TRUE(menus[1][1].grayed);
  EXPECT_FALSE(menus[0][1].grayed);
  EXPECT_EQ(boxes.size(), 1u) << "a grayed item opens nothing";
}

TEST_F(SetApDialogTest, ArrowKeysOnTheTabs_FollowTheThreeToARowTable) {
  SetDword(HKEY_LOCAL_MACHINE, UtlKey(L"ProgramGroup"), L"MCMenu", 1);
  Open(MakeRecord(u"M", {kNotepad}));
  const TabControl tabs(Ctl(IDC_SETAP_TAB));
  ASSERT_EQ(tabs.Count(), 4);  // Start Menu, Media Center, All Files, Shortcut Key
  KeyTo(IDC_SETAP_TAB, VK_DOWN);
  EXPECT_EQ(tabs.Selected(), 3);
  EXPECT_TRUE(Shown(IDC_SETAP_SHORTCUT_KEY));
  EXPECT_FALSE(Shown(IDC_SETAP_START_MENU));
  KeyTo(IDC_SETAP_TAB, VK_RIGHT);
  EXPECT_EQ(tabs.Selected(), 3) << "four tabs: Right moves only in the first row";
  KeyTo(IDC_SETAP_TAB, VK_UP);
  EXPECT_EQ(tabs.Selected(), 0);
  EXPECT_TRUE(Shown(IDC_SETAP_START_MENU));
  KeyTo(IDC_SETAP_TAB, VK_RETURN);
  EXPECT_TRUE(IsWindow(dlg));
  EXPECT_FALSE(dialog->Result().has_value()) << "Enter on the tabs closes nothing";
  EXPECT_EQ(GetWindowLongW(Ctl(IDC_SETAP_OK), GWL_STYLE) & BS_DEFPUSHBUTTON, 0);
}

TEST_F(SetApDialogTest, ArrowKeysOnThreeTabs_MoveTheFocusToTheButtons) {
  Open(MakeRecord(u"M", {kNotepad}));
  ASSERT_EQ(TabControl(Ctl(IDC_SETAP_TAB)).Count(), 3);
  KeyTo(IDC_SETAP_TAB, VK_DOWN);
  EXPECT_EQ(GetFocus(), Ctl(IDC_SETAP_OK));
  KeyTo(IDC_SETAP_TAB, VK_UP);
  EXPECT_EQ(GetFocus(), Ctl(IDC_SETAP_CANCEL));
}

class ShortcutKeySourceTest : public SetApDialogTest {
 protected:
  void TearDown() override {
    SetApDialogTest::TearDown();
    MoveFileW(Aside().c_str(), File().c_str());
  }
  static std::wstring File() { return BinDir() + L"ZEBCODE.DAT"; }
  static std::wstring Aside() { return BinDir() + L"ZEBCODE.DAT.aside"; }
  std::vector<std::wstring> Lines() const {
    std::vector<std::wstring> lines;
    const ListBox list(Ctl(IDC_SETAP_SHORTCUT_KEY));
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Text(i));
    return lines;
  }
};

TEST_F(ShortcutKeySourceTest, ComesFromTheDataFileElseFromTheMachineKeysUpToTheFirstGap) {
  const std::wstring keys = std::wstring(kProduct) + L"\\Shortcut\\Key";
  for (const int n : {0, 1, 3}) {
    SetString(HKEY_LOCAL_MACHINE, keys + std::to_wstring(n), L"KeyName", L"Key " + std::to_wstring(n));
    SetString(HKEY_LOCAL_MACHINE, keys + std::to_wstring(n), L"KeyCode", L"F" + std::to_wstring(n + 1));
    SetString(HKEY_LOCAL_MACHINE, keys + std::to_wstring(n), L"KeyBind", L"(F" + std::to_wstring(n + 1) + L")");
  }
  Open(MakeRecord(u"M", {}));
  ASSERT_GT(Lines().size(), 3u);
  EXPECT_EQ(Lines()[0], L"Copy (Ctrl+C)");
  dialog.reset();
  ASSERT_TRUE(MoveFileW(File().c_str(), Aside().c_str()));
  Open(MakeRecord(u"M", {}));
  EXPECT_EQ(Lines(), (std::vector<std::wstring>{L"Key 0 (F1)", L"Key 1 (F2)"}));
  EXPECT_EQ(ListBox(Ctl(IDC_SETAP_SHORTCUT_KEY)).Selected(), 0);
}

}  // namespace
}  // namespace tapstart::test
