// Walks through the real wizard sheet, driven by its own commands (PSM_PRESSBUTTON): after each command the
// page shown, the buttons, the focus and the default button where they matter, and the record handed back.
#include <gtest/gtest.h>

#include "WizardHost_win32.h"
#include "ui/Resources_win32.h"
#include "ui/Text_win32.h"

namespace tapstart::test {
namespace {

constexpr wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The child of an item whose text is this one, or null.
HTREEITEM ChildNamed(HWND tree, HTREEITEM parent, const std::wstring& text) {
  const TreeView view(tree);
  for (HTREEITEM item = view.Child(parent); item != nullptr; item = view.Next(item))
    if (view.Text(item) == text) return item;
  return nullptr;
}

// A Start Menu of the test's own for one test: the shell's folder list points at it.
class StartMenuFolder {
 public:
  StartMenuFolder() : dir_(MakeTempDir(L"tapstart wizard menu")) {
    had_ = ReadString(HKEY_CURRENT_USER, kShellFolders, L"Start Menu");
    SetString(HKEY_CURRENT_USER, kShellFolders, L"Start Menu", dir_);
    CloseHandle(CreateFileW((dir_ + L"\\Editor.exe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  }
  ~StartMenuFolder() {
    if (had_ != L"(missing)") SetString(HKEY_CURRENT_USER, kShellFolders, L"Start Menu", had_);
    RemoveTree(dir_);
  }
  const std::wstring& Dir() const { return dir_; }

 private:
  std::wstring dir_;
  std::wstring had_;
};

TEST_F(WizardTest, SingleProgramFromTheStartMenu) {
  StartMenuFolder menu;
  Open();
  EXPECT_EQ(PageIndex(), 0);
  EXPECT_FALSE(Usable(IDC_WIZ_BACK));
  EXPECT_EQ(FocusId(), IDCANCEL) << "the button page starts on Cancel";
  PressSheet(PSBTN_NEXT);
  EXPECT_EQ(PageIndex(), 1);
  EXPECT_EQ(FocusId(), IDC_WIZ_NEXT) << "entered forward";
  EXPECT_EQ(DefaultId(), IDC_WIZ_NEXT);
  PressSheet(PSBTN_NEXT);
  EXPECT_EQ(PageIndex(), 2);
  PressSheet(PSBTN_NEXT);
  ASSERT_EQ(PageIndex(), 3);
  HWND tree = PageItem(IDC_WIZP_START_MENU);
  ASSERT_TRUE(IsWindowVisible(tree));
  const HTREEITEM editor = ChildNamed(tree, TreeView(tree).Root(), L"Editor.exe");
  ASSERT_NE(editor, nullptr);
  TreeView(tree).Select(editor);
  Pump();
  EXPECT_TRUE(Usable(IDC_WIZ_NEXT));
  EXPECT_EQ(DefaultId(), IDC_WIZ_NEXT);
  PressSheet(PSBTN_NEXT);
  EXPECT_EQ(PageIndex(), 4);
  EXPECT_TRUE(Usable(IDC_WIZ_FINISH));
  EXPECT_FALSE(IsWindowVisible(SheetButton(IDC_WIZ_NEXT)));
  EXPECT_EQ(FocusId(), IDC_WIZ_FINISH);
  // Back and forth again keeps the choice; Finish hands the record back.
  PressSheet(PSBTN_BACK);
  EXPECT_EQ(PageIndex(), 3);
  EXPECT_EQ(FocusId(), IDC_WIZ_BACK) << "entered backward";
  PressSheet(PSBTN_NEXT);
  PressSheet(PSBTN_FINISH);
  ASSERT_TRUE(Wizard().Ended());
  const WizardResult& r = Wizard().Result();
  EXPECT_TRUE(r.finished);
  EXPECT_EQ(r.record.code, u"M");
  EXPECT_EQ(r.record.count, 1);
  EXPECT_EQ(r.record.name, u"Editor");
  EXPECT_EQ(r.record.command[0], Utf16(menu.Dir() + L"\\Editor.exe"));
  EXPECT_TRUE(asked.empty());
}

TEST_F(WizardTest, ShortcutKeySourceGivesCodeK) {
  Open();
  PressSheet(PSBTN_NEXT);
  PressSheet(PSBTN_NEXT);
  ClickOnPage(IDC_WIZS_SHORTCUT_KEY);
  PressSheet(PSBTN_NEXT);
  ASSERT_EQ(PageIndex(), 3);
  EXPECT_TRUE(IsWindowVisible(PageItem(IDC_WIZP_SHORTCUT_KEY)));
  EXPECT_FALSE(IsWindowVisible(PageItem(IDC_WIZP_START_MENU)));
  EXPECT_TRUE(Usable(IDC_WIZ_NEXT)) << "the list starts on its first line";
  PressSheet(PSBTN_NEXT);
  PressSheet(PSBTN_FINISH);
  ASSERT_TRUE(Wizard().Result().finished);
  EXPECT_EQ(Wizard().Result().record.code, u"K");
  EXPECT_EQ(Wizard().Result().record.command[0], u"CTRL+C");
  EXPECT_EQ(Wizard().Result().record.name, u"Copy");
}

TEST_F(WizardTest, FiveProgramsTheFifthGoesStraightToFinish) {
  Open();
  PressSheet(PSBTN_NEXT);
  ClickOnPage(IDC_WIZM_SEQUENTIAL);
  PressSheet(PSBTN_NEXT);
  ASSERT_EQ(PageIndex(), 5);
  EXPECT_FALSE(Usable(IDC_WIZ_NEXT)) << "no name yet";
  SetWindowTextW(PageItem(IDC_WIZN_EDIT), L"Morning");
  Pump();
  EXPECT_TRUE(Usable(IDC_WIZ_NEXT));
  EXPECT_EQ(DefaultId(), IDC_WIZ_NEXT);
  PressSheet(PSBTN_NEXT);
  ASSERT_EQ(PageIndex(), 6);
  HWND own = SheetButton(IDC_WIZ_OWN_FINISH);
  EXPECT_TRUE(IsWindowVisible(own));
  EXPECT_FALSE(IsWindowEnabled(own));
  ClickOnPage(IDC_WIZO_ALL_FILES);
  HWND tree = PageItem(IDC_WIZP_ALL_FILES);
  ASSERT_TRUE(IsWindowVisible(tree));
  TreeView(tree).Select(TreeView(tree).Child(TreeView(tree).Root()));  // the first drive
  Pump();
  const std::wstring drive = TreeView(tree).Text(TreeView(tree).Caret());
  for (int k = 0; k < 4; ++k) {
    PressSheet(PSBTN_NEXT);
    EXPECT_EQ(PageIndex(), 6);
    EXPECT_TRUE(IsWindowEnabled(own));
  }
  // The names are the wizard's: typing into them changes nothing.
  HWND edit1 = PageItem(IDC_WIZO_EDIT1);
  EXPECT_EQ(TextOf(edit1), drive);
  SendMessageW(edit1, WM_CHAR, 'x', 0);
  EXPECT_EQ(TextOf(edit1), drive);
  PressSheet(PSBTN_NEXT);
  EXPECT_EQ(PageIndex(), 4) << "the fifth program goes straight to the finish page";
  EXPECT_FALSE(IsWindowVisible(own));
  PressSheet(PSBTN_BACK);
  ASSERT_EQ(PageIndex(), 6);
  EXPECT_EQ(TextOf(PageItem(IDC_WIZO_EDIT5)), L"") << "slot 5 is taken back";
  EXPECT_EQ(TextOf(PageItem(IDC_WIZO_EDIT4)), drive);
  SendMessageW(own, BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(PageIndex(), 4);
  PressSheet(PSBTN_FINISH);
  const WizardResult& r = Wizard().Result();
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.record.code, u"S");
  EXPECT_EQ(r.record.count, 4);
  EXPECT_EQ(r.record.name, u"Morning");
}

TEST_F(WizardTest, CancelAsksAndCloseDoesNot) {
  Open();
  answer = IDNO;
  PressSheet(PSBTN_CANCEL);
  EXPECT_EQ(asked, std::vector<std::wstring>{LoadStr(IDS_WIZ_CANCEL_QUESTION)});
  EXPECT_FALSE(Wizard().Ended());
  EXPECT_EQ(PageIndex(), 0);
  answer = IDYES;
  PressSheet(PSBTN_CANCEL);
  EXPECT_TRUE(Wizard().Ended());
  EXPECT_FALSE(Wizard().Result().finished);
  Close();

  asked.clear();
  Open();
  PressSheet(PSBTN_NEXT);
  SendMessageW(Sheet(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(Wizard().Ended());
  EXPECT_FALSE(Wizard().Result().finished);
  EXPECT_TRUE(asked.empty()) << "the system menu's Close asks nothing";
}

TEST_F(WizardTest, WizardOnlyStartsOnTheLaunchMethodWithBackDisabled) {
  WizardRequest request;
  request.wizardOnly = true;
  Open(request);
  EXPECT_EQ(PageIndex(), 1);
  EXPECT_FALSE(Usable(IDC_WIZ_BACK));
  PressSheet(PSBTN_NEXT);
  EXPECT_TRUE(Usable(IDC_WIZ_BACK));
  PressSheet(PSBTN_BACK);
  EXPECT_EQ(PageIndex(), 1);
  EXPECT_FALSE(Usable(IDC_WIZ_BACK));
  EXPECT_NE(GetWindowLongW(Sheet(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0) << "a task-bar button of its own";
}

// A Japanese-UI button that the maker's set-up program serves is handed over; when nothing was handed over
// the wizard stays on the button page.
TEST_F(WizardTest, OwnSetupButtonIsHandedOver) {
  SetDword(HKEY_LOCAL_MACHINE, kProduct, L"GLIMSET", 0x2);
  std::vector<int> handed;
  WizardRequest request;
  request.japaneseUi = true;
  request.handOver = [&handed](HWND, int b) {
    handed.push_back(b);
    return false;
  };
  Open(request);
  PressSheet(PSBTN_NEXT);
  EXPECT_EQ(PageIndex(), 1) << "button 1 is the program's own";
  PressSheet(PSBTN_BACK);
  ClickOnPage(IDC_WIZB_RADIO2);
  PressSheet(PSBTN_NEXT);
  EXPECT_EQ(handed, std::vector<int>{2});
  EXPECT_EQ(PageIndex(), 0);
  EXPECT_FALSE(Wizard().Ended());
}

// The arrow keys move the focus among the bottom buttons in their visual order, past those not usable.
TEST_F(WizardTest, ArrowKeysMoveAmongTheBottomButtons) {
  SetDword(HKEY_LOCAL_MACHINE, std::wstring(kUtl) + L"\\DispSetting", L"AddHelp", 1);
  Open();
  struct Case {
    WPARAM key;
    int focus;
  };
  // From Cancel on the button page, where Back is disabled and the own Finish hidden.
  for (const Case& c : {Case{VK_RIGHT, IDC_WIZ_HELP}, Case{VK_DOWN, IDC_WIZ_HELP}, Case{VK_LEFT, IDCANCEL},
                        Case{VK_UP, IDC_WIZ_NEXT}, Case{VK_LEFT, IDC_WIZ_NEXT}}) {
    MSG m{GetFocus(), WM_KEYDOWN, c.key, 0, 0, {}};
    EXPECT_TRUE(Wizard().PreTranslate(m));
    Pump();
    EXPECT_EQ(FocusId(), c.focus) << c.key;
  }
}

}  // namespace
}  // namespace tapstart::test
