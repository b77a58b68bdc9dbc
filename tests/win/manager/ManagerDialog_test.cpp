// The setting manager created for real and driven with messages against the real registry.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "DialogDriving.h"
#include "manager/CfrmManager_win32.h"
#include "res/resource.h"
#include "ui/Resources_win32.h"

namespace tapstart::test {
namespace {

USER_DATA NamedSet(const std::u16string& name) {
  USER_DATA set;
  set.name = name;
  for (APPKEY_DATA& r : set.buttons) {
    r.name = name + u" key";
    r.code = u"M";
    r.count = 1;
    r.command[0] = u"C:\\Apps\\" + name + u".exe";
  }
  return set;
}

// Seeds sets named as given and the current number; the factory defaults are a set called "Factory".
void Seed(SettingsStore& store, const std::vector<std::u16string>& names, int current) {
  store.defaults = NamedSet(u"Factory");
  for (size_t i = 0; i < names.size(); ++i) {
    USER_DATA set = NamedSet(names[i]);
    ASSERT_TRUE(store.SaveUserData(static_cast<int>(i + 1), set));
  }
  SetDword(HKEY_CURRENT_USER, kProduct, L"NumSetting", static_cast<DWORD>(names.size()));
  SetDword(HKEY_CURRENT_USER, kProduct, L"CurrSetting", static_cast<DWORD>(current));
}

struct InputCall {
  InputBoxRequest request;
};

class ManagerDialogTest : public testing::Test {
 protected:
  // Opens the manager modeless and visible, with the input box and the message boxes answered by the test.
  void Open(const std::vector<std::u16string>& names, int current) {
    Seed(env.store, names, current);
    manager = std::make_unique<CfrmManager>(
        env.store,
        [this](HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
          EXPECT_EQ(owner, dlg);
          boxes.push_back({text, caption, type});
          return boxAnswer;
        },
        [this](HWND owner, const InputBoxRequest& request) -> std::optional<std::u16string> {
          EXPECT_EQ(owner, dlg);
          requests.push_back(request);
          return nextName;
        });
    ASSERT_TRUE(manager->CreateModeless(nullptr, LoadStr(IDS_UI_FACE), 9));
    dlg = manager->Hwnd();
    ShowWindow(dlg, SW_SHOW);
    SetForegroundWindow(dlg);
    Pump();
  }

  void TearDown() override { manager.reset(); }

  HWND Ctl(int id) const { return GetDlgItem(dlg, id); }
  bool Enabled(int id) const { return IsWindowEnabled(Ctl(id)) != FALSE; }
  int Selection() const { return static_cast<int>(SendMessageW(Ctl(IDC_MGR_LIST), LB_GETCURSEL, 0, 0)); }
  std::vector<std::wstring> ListNames() const {
    std::vector<std::wstring> names;
    const int n = static_cast<int>(SendMessageW(Ctl(IDC_MGR_LIST), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) names.push_back(ListLine(Ctl(IDC_MGR_LIST), i));
    return names;
  }
  void SelectRow(int index) {
    SendMessageW(Ctl(IDC_MGR_LIST), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_MGR_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(Ctl(IDC_MGR_LIST)));
    Pump();
  }

  struct Box {
    std::wstring text, caption;
    UINT type;
  };

  RegistryEnv env;
  std::unique_ptr<CfrmManager> manager;
  HWND dlg = nullptr;
  std::vector<Box> boxes;
  int boxAnswer = IDOK;
  std::vector<InputBoxRequest> requests;
  std::optional<std::u16string> nextName;
};

TEST_F(ManagerDialogTest, OpensWithTheSetsTextsFontsAndIcon) {
  Open({u"Home", u"Work", u"Games"}, 2);
  EXPECT_EQ(TextOf(dlg), LoadStr(IDS_MGR_TITLE));
  EXPECT_EQ(ListNames(), (std::vector<std::wstring>{L"Home", L"Work", L"Games"}));
  EXPECT_EQ(Selection(), 1);
  struct Text {
    int id;
    std::wstring text;
  };
  const Text texts[] = {{IDC_MGR_LABEL, LoadStr(IDS_MGR_LIST_LABEL)},
                        {IDC_MGR_ADD, LoadStr(IDS_MGR_ADD) + LoadStr(IDS_MGR_ADD_KEY)},
                        {IDC_MGR_DELETE, LoadStr(IDS_MGR_DELETE) + LoadStr(IDS_MGR_DELETE_KEY)},
                        {IDC_MGR_COPY, LoadStr(IDS_MGR_COPY) + LoadStr(IDS_MGR_COPY_KEY)},
                        {IDC_MGR_RENAME, LoadStr(IDS_MGR_RENAME) + LoadStr(IDS_MGR_RENAME_KEY)},
                        {IDC_MGR_CLOSE, LoadStr(IDS_MGR_CLOSE) + LoadStr(IDS_MGR_CLOSE_KEY)}};
  for (const Text& t : texts) EXPECT_EQ(TextOf(Ctl(t.id)), t.text) << t.id;

  EXPECT_TRUE(Enabled(IDC_MGR_ADD));
  EXPECT_TRUE(Enabled(IDC_MGR_COPY));
  EXPECT_FALSE(Enabled(IDC_MGR_DELETE));  // the current set is selected
  EXPECT_TRUE(Enabled(IDC_MGR_RENAME));

  const std::wstring face = LoadStr(IDS_UI_FACE);
  const LOGFONTW list = FontOf(Ctl(IDC_MGR_LIST));
  EXPECT_EQ(list.lfHeight, LoadRcInt(IDR_HEIGHT_LARGE, 0));
  EXPECT_EQ(list.lfCharSet, DEFAULT_CHARSET);
  EXPECT_EQ(std::wstring(list.lfFaceName), face);
  for (int id : {IDC_MGR_LABEL, IDC_MGR_ADD, IDC_MGR_DELETE, IDC_MGR_COPY, IDC_MGR_RENAME, IDC_MGR_CLOSE}) {
    const LOGFONTW lf = FontOf(Ctl(id));
    EXPECT_EQ(lf.lfHeight, LoadRcInt(IDR_HEIGHT_TEXT, 0)) << id;
    EXPECT_EQ(std::wstring(lf.lfFaceName), face) << id;
  }
  EXPECT_EQ(std::wstring(FontOf(dlg).lfFaceName), face);  // the template's font was replaced
  EXPECT_NE(SendMessageW(dlg, WM_GETICON, ICON_BIG, 0), 0);
}

TEST_F(ManagerDialogTest, SelectionDecidesWhetherDeleteIsOffered) {
  Open({u"Home", u"Work", u"Games"}, 2);
  const std::pair<int, bool> rows[] = {{0, true}, {1, false}, {2, true}};
  for (const auto& [row, deletable] : rows) {
    SelectRow(row);
    EXPECT_EQ(Enabled(IDC_MGR_DELETE), deletable) << row;
  }
}

TEST_F(ManagerDialogTest, AddCopyAndRenameWriteTheRegistry) {
  Open({u"Home", u"Work"}, 1);

  nextName = u"Travel";
  Press(dlg, IDC_MGR_ADD);
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].mode, InputBoxMode::Add);
  EXPECT_EQ(requests[0].startText, u"");
  EXPECT_EQ(requests[0].existingNames, (std::vector<std::u16string>{u"Home", u"Work"}));
  EXPECT_EQ(ListNames(), (std::vector<std::wstring>{L"Home", L"Work", L"Travel"}));
  EXPECT_EQ(Selection(), 2);
  EXPECT_TRUE(Enabled(IDC_MGR_DELETE));
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProduct, L"NumSetting"), 3u);
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, SetKey(3), L"SetName"), L"Travel");
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, SetKey(3) + L"\\AppKey1", L"AP1"), L"C:\\Apps\\Factory.exe");

  SelectRow(1);
  nextName = u"Work 2";
  Press(dlg, IDC_MGR_COPY);
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[1].mode, InputBoxMode::Copy);
  EXPECT_EQ(requests[1].startText, u"Work" + Utf16(LoadStr(IDS_MGR_COPY_SUFFIX)));
  EXPECT_EQ(requests[1].existingNames.size(), 3u);
  EXPECT_EQ(Selection(), 3);
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProduct, L"NumSetting"), 4u);
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, SetKey(4), L"SetName"), L"Work 2");
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, SetKey(4) + L"\\AppKey1", L"AP1"), L"C:\\Apps\\Work.exe");

  SelectRow(0);
  nextName = u"House";
  Press(dlg, IDC_MGR_RENAME);
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[2].mode, InputBoxMode::Rename);
  EXPECT_EQ(requests[2].startText, u"Home");
  EXPECT_EQ(ListNames(), (std::vector<std::wstring>{L"House", L"Work", L"Travel", L"Work 2"}));
  EXPECT_EQ(Selection(), 0);
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, SetKey(1), L"SetName"), L"House");
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProduct, L"CurrSetting"), 1u);

  // A cancelled input box changes nothing.
  nextName.reset();
  for (int id : {IDC_MGR_ADD, IDC_MGR_COPY, IDC_MGR_RENAME}) Press(dlg, id);
  EXPECT_EQ(requests.size(), 6u);
  EXPECT_EQ(ListNames().size(), 4u);
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProduct, L"NumSetting"), 4u);
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, SetKey(1), L"SetName"), L"House");
}

TEST_F(ManagerDialogTest, DeleteAsksThenRenumbersTheSetsInTheRegistry) {
  Open({u"A", u"B", u"C", u"D"}, 3);
  SelectRow(1);
  ASSERT_TRUE(Enabled(IDC_MGR_DELETE));
  SetFocus(Ctl(IDC_MGR_DELETE));

  boxAnswer = IDCANCEL;
  Press(dlg, IDC_MGR_DELETE);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"B " + LoadStr(IDS_MGR_DELETE_QUESTION));
  EXPECT_EQ(boxes[0].caption, LoadStr(IDS_MGR_DELETE));
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION));
  EXPECT_EQ(ListNames().size(), 4u);
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProduct, L"NumSetting"), 4u);

  boxAnswer = IDOK;
  Press(dlg, IDC_MGR_DELETE);
  EXPECT_EQ(ListNames(), (std::vector<std::wstring>{L"A", L"C", L"D"}));
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProduct, L"NumSetting"), 3u);
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProduct, L"CurrSetting"), 2u);
  const wchar_t* expected[] = {L"A", L"C", L"D"};
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, SetKey(n), L"SetName"), expected[n - 1]) << n;
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, SetKey(n) + L"\\AppKey7", L"DispTitle"),
              std::wstring(expected[n - 1]) + L" key")
        << n;
  }
  // The selection stays on row 2, now the current set: Delete goes off and the focus moves to Copy.
  EXPECT_EQ(Selection(), 1);
  EXPECT_FALSE(Enabled(IDC_MGR_DELETE));
  EXPECT_EQ(GetFocus(), Ctl(IDC_MGR_COPY));
  EXPECT_TRUE(Enabled(IDC_MGR_ADD));
}

TEST_F(ManagerDialogTest, DeletingTheLastRowSelectsTheNewLastRow) {
  Open({u"A", u"B", u"C"}, 1);
  SelectRow(2);
  Press(dlg, IDC_MGR_DELETE);
  EXPECT_EQ(ListNames(), (std::vector<std::wstring>{L"A", L"B"}));
  EXPECT_EQ(Selection(), 1);
  EXPECT_TRUE(Enabled(IDC_MGR_DELETE));
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProduct, L"CurrSetting"), 1u);
}

TEST_F(ManagerDialogTest, TheTenthSetTurnsAddAndCopyOffAndFocusesDelete) {
  Open({u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9"}, 1);
  SetFocus(Ctl(IDC_MGR_ADD));
  nextName = u"10";
  Press(dlg, IDC_MGR_ADD);
  EXPECT_EQ(ListNames().size(), 10u);
  EXPECT_FALSE(Enabled(IDC_MGR_ADD));
  EXPECT_FALSE(Enabled(IDC_MGR_COPY));
  EXPECT_TRUE(Enabled(IDC_MGR_DELETE));
  EXPECT_EQ(GetFocus(), Ctl(IDC_MGR_DELETE));
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProduct, L"NumSetting"), 10u);

  // Deleting one offers Add and Copy again.
  Press(dlg, IDC_MGR_DELETE);
  EXPECT_TRUE(Enabled(IDC_MGR_ADD));
  EXPECT_TRUE(Enabled(IDC_MGR_COPY));
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProduct, L"NumSetting"), 9u);
}

TEST_F(ManagerDialogTest, KeyboardAltUEnterAndArrowsOnClose) {
  Open({u"Home", u"Work"}, 1);
  SetFocus(Ctl(IDC_MGR_RENAME));
  Key(dlg, WM_SYSCHAR, L'u', 1 << 29);  // Alt+U
  EXPECT_EQ(GetFocus(), Ctl(IDC_MGR_LIST));

  Key(dlg, WM_KEYDOWN, VK_RETURN);
  EXPECT_TRUE(IsWindow(dlg));  // swallowed: no default button closes the manager
  EXPECT_EQ(requests.size(), 0u);

  for (WPARAM arrow : {VK_RIGHT, VK_DOWN}) {
    SetFocus(Ctl(IDC_MGR_CLOSE));
    Key(dlg, WM_KEYDOWN, arrow);
    EXPECT_EQ(GetFocus(), Ctl(IDC_MGR_LIST)) << arrow;
  }
  // Other arrows on Close keep the dialog manager's own behaviour.
  SetFocus(Ctl(IDC_MGR_CLOSE));
  Key(dlg, WM_KEYDOWN, VK_UP);
  EXPECT_NE(GetFocus(), Ctl(IDC_MGR_LIST));

  Press(dlg, IDC_MGR_CLOSE);
  EXPECT_FALSE(IsWindow(dlg));
}

// The real modal boxes: the input box opened by Add with its own name check and error box, then the delete
// question, each found as a dialog window of this process and answered like a user would.
TEST(ManagerEndToEnd, RealInputBoxAndMessageBoxesAppearAndAnswer) {
  RegistryEnv env;
  Seed(env.store, {u"Home", u"Work"}, 1);
  CfrmManager manager(env.store);
  ASSERT_TRUE(manager.CreateModeless(nullptr, LoadStr(IDS_UI_FACE), 9));
  const HWND dlg = manager.Hwnd();
  ShowWindow(dlg, SW_SHOW);

  std::wstring errorText, inputPrompt;
  WithResponder([&] { Press(dlg, IDC_MGR_ADD); },
                [&] {
                  HWND box = WaitForOwnDialog(LoadStr(IDS_MGR_ADD), dlg);
                  if (box == nullptr) return;
                  inputPrompt = TextOf(GetDlgItem(box, IDC_INPUT_PROMPT));
                  SetDlgItemTextW(box, IDC_INPUT_EDIT, L"abcdefghijklmnopqrstu");  // 21 bytes
                  ClickButton(box, IDC_INPUT_OK);
                  HWND error = WaitForOwnDialog(LoadStr(IDS_INPUT_ERROR), dlg);
                  if (error == nullptr) return;
                  errorText = TextOf(GetDlgItem(error, 0xFFFF));  // the message box's text control
                  ClickButton(error, IDOK);
                  WaitGone(error);
                  SetDlgItemTextW(box, IDC_INPUT_EDIT, L"abcdefghijklmnopqrst");  // 20 bytes
                  ClickButton(box, IDC_INPUT_OK);
                  WaitGone(box);
                });
  EXPECT_EQ(inputPrompt, LoadStr(IDS_INPUT_NAME_PROMPT));
  EXPECT_EQ(errorText, LoadStr(IDS_NAME_TOO_LONG));
  EXPECT_EQ(ListLine(GetDlgItem(dlg, IDC_MGR_LIST), 2), L"abcdefghijklmnopqrst");
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, SetKey(3), L"SetName"), L"abcdefghijklmnopqrst");

  std::wstring question;
  WithResponder([&] { Press(dlg, IDC_MGR_DELETE); },
                [&] {
                  HWND box = WaitForOwnDialog(LoadStr(IDS_MGR_DELETE), dlg);
                  if (box == nullptr) return;
                  question = TextOf(GetDlgItem(box, 0xFFFF));
                  ClickButton(box, IDOK);
                  WaitGone(box);
                });
  EXPECT_EQ(question, L"abcdefghijklmnopqrst " + LoadStr(IDS_MGR_DELETE_QUESTION));
  EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProduct, L"NumSetting"), 2u);
  EXPECT_EQ(SendMessageW(GetDlgItem(dlg, IDC_MGR_LIST), LB_GETCOUNT, 0, 0), 2);
}

// On a machine whose profile file cannot be written, an Add says once that it could not be saved, and the list
// shows the sets as they are stored.
TEST_F(ManagerDialogTest, AddThatCannotBeSavedIsReportedOnceAndNotShown) {
  SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBINI", 1);
  env.store.useIniFile = true;
  const std::wstring profile = WindowsDir() + L"\\VARDENZEB.INI";
  ASSERT_TRUE(WritePrivateProfileStringW(L"VARDENZEB", L"NumUser", L"2", profile.c_str()));
  Open({u"Home", u"Work"}, 1);
  ASSERT_EQ(ListNames(), (std::vector<std::wstring>{L"Home", L"Work"}));
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, profile.c_str());
  const UnwritableFile unwritable(profile);
  ASSERT_TRUE(unwritable.Held());
  nextName = u"Travel";
  Press(dlg, IDC_MGR_ADD);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, LoadStr(IDS_SAVE_FAILED_SETS));
  EXPECT_EQ(boxes[0].caption, LoadStr(IDS_SAVE_CAPTION));
  EXPECT_EQ(ListNames(), (std::vector<std::wstring>{L"Home", L"Work"}));
  EXPECT_TRUE(Enabled(IDC_MGR_ADD));
}

}  // namespace
}  // namespace tapstart::test
