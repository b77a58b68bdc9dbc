// The real main dialog in this process, driven with messages against the real registry.
#include <windows.h>

#include <gtest/gtest.h>
#include <commctrl.h>

#include <cstring>
#include <memory>

#include "Driver_win32.h"
#include "app/CStdModule_win32.h"
#include "mainwnd/ButtonImage.h"
#include "mainwnd/ButtonTabPage_win32.h"
#include "mainwnd/CfrmMain_win32.h"
#include "mainwnd/CtabMainOSDTab_win32.h"
#include "res/resource.h"
#include "store/Text.h"
#include "ui/Resources_win32.h"

namespace tapstart::test {
namespace {

class Environment : public testing::Environment {
 public:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof icc, 0xFF};
    InitCommonControlsEx(&icc);
    ASSERT_TRUE(RegisterMainWindowClass(GetModuleHandleW(nullptr)));
  }
};
const auto* const kEnvironment = testing::AddGlobalTestEnvironment(new Environment);

class RecordingLink final : public HandlerLink {
 public:
  int notifications = 0;
  uintptr_t Find(std::u16string_view) override { return 1; }
  void Post(uintptr_t, uint32_t msg, uintptr_t, intptr_t) override { notifications += msg == kMsgSettingsChanged; }
  void Send(uintptr_t, uint32_t, uintptr_t, intptr_t) override {}
};

const std::wstring kUser = std::wstring(kProduct);
std::wstring SetKey(int n) { return kUser + L"\\Setting\\Set" + std::to_wstring(n); }
std::wstring ButtonKey(int n, int b) { return SetKey(n) + L"\\AppKey" + std::to_wstring(b); }

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    ClearStore();
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBPAD", 3);
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"NTNumAPBtn", 2);
  }
  void TearDown() override {
    Close();
    ClearStore();
  }
  void Open(std::vector<std::u16string> args = {u"/k"}) {
    app = std::make_unique<CStdModule>(GetModuleHandleW(nullptr));
    main = std::make_unique<CfrmMain>(app->Values);
    main->Arguments = std::move(args);
    main->Link = &link;
    main->Ask = [this](HWND, const std::wstring& text, const std::wstring&, UINT) {
      asked.push_back(text);
      return answer;
    };
    ASSERT_TRUE(main->CreateModeless(nullptr, LoadStr(IDS_UI_FACE)));
    Pump();
  }
  void Close() {
    main.reset();
    app.reset();
    Pump();
  }
  HWND Main() const { return main->Hwnd(); }
  HWND Tab() const { return GetDlgItem(Main(), IDC_MAIN_TAB); }
  std::vector<std::wstring> TabTexts() const {
    std::vector<std::wstring> texts;
    for (int i = 0; i < TabCtrl_GetItemCount(Tab()); ++i) {
      wchar_t buf[128] = {};
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = buf;
      item.cchTextMax = 128;
      TabCtrl_GetItem(Tab(), i, &item);
      texts.push_back(buf);
    }
    return texts;
  }
  void TypeName(ButtonTabPage& page, int position, const std::wstring& text) {
    SetDlgItemTextW(page.Hwnd(), page.Ids().edits[position], text.c_str());
    Pump();
  }
  bool Closed() const { return main->Hwnd() == nullptr; }

  std::unique_ptr<CStdModule> app;
  std::unique_ptr<CfrmMain> main;
  RecordingLink link;
  std::vector<std::wstring> asked;
  int answer = IDCANCEL;
};

TEST_F(MainWindowTest, TabsFollowTheKeyboardType) {
  const std::wstring buttons = LoadStr(IDS_TAB_BUTTONS), onScreen = LoadStr(IDS_TAB_ONSCREEN);
  struct Case {
    DWORD bits;
    DWORD nr1t2;
    size_t tabs;
    TabLayout::Kind layout;
  };
  for (const Case& c : {Case{3, 0, 3, TabLayout::kAllTabs}, Case{1, 0, 2, TabLayout::kNoNotebookTab},
                        Case{2, 0, 2, TabLayout::kNoDesktopTab}, Case{2, 1, 1, TabLayout::kOnScreenOnly},
                        Case{3, 1, 2, TabLayout::kNoNotebookTab}}) {
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBPAD", c.bits);
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"NR1t2", c.nr1t2);
    Open();
    ASSERT_NE(Main(), nullptr);
    const auto texts = TabTexts();
    EXPECT_EQ(texts.size(), c.tabs) << c.bits;
    EXPECT_EQ(main->Layout().kind(), c.layout) << c.bits;
    EXPECT_EQ(texts.back(), onScreen);
    if (c.tabs > 1) {
      EXPECT_EQ(texts.front(), buttons);
    }
    Close();
  }
}

TEST_F(MainWindowTest, StartTabSelectsThePageAndTheOthersAreMadeWhenIdle) {
  struct Case {
    DWORD bits;
    const char16_t* line;
    int selected;
  };
  for (const Case& c : {Case{3, u"/t:2", 2}, Case{3, u"/t:1", 1}, Case{1, u"/t:2", 1}, Case{1, u"/t:1", 0}}) {
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBPAD", c.bits);
    Open({c.line});
    EXPECT_EQ(TabCtrl_GetCurSel(Tab()), c.selected) << c.bits;
    Dialog* shown = main->Tabs().TabPage(c.selected);
    ASSERT_NE(shown, nullptr);
    EXPECT_NE(GetWindowLongW(shown->Hwnd(), GWL_STYLE) & WS_VISIBLE, 0) << c.bits;
    // The other pages are made once the window is idle, one at a time, and stay hidden.
    for (int other = 0; other < main->Tabs().PageCount(); ++other)
      if (other != c.selected) {
        EXPECT_EQ(main->Tabs().TabPage(other)->Hwnd(), nullptr) << c.bits << " " << other;
      }
    const auto allMade = [&] {
      for (int i = 0; i < main->Tabs().PageCount(); ++i)
        if (main->Tabs().TabPage(i)->Hwnd() == nullptr) return false;
      return true;
    };
    for (int waited = 0; waited < 3000 && !allMade(); waited += 20) {
      Sleep(20);
      Pump();
    }
    ASSERT_TRUE(allMade()) << c.bits;
    for (int other = 0; other < main->Tabs().PageCount(); ++other)
      EXPECT_EQ((GetWindowLongW(main->Tabs().TabPage(other)->Hwnd(), GWL_STYLE) & WS_VISIBLE) != 0, other == c.selected)
          << other;
    Close();
  }
}

TEST_F(MainWindowTest, CaptionOverridesAreCutTo28Bytes) {
  SetString(HKEY_LOCAL_MACHINE, kUser + L"\\UTLSetting\\TabName", L"Tab0", std::wstring(40, L'T'));
  SetString(HKEY_LOCAL_MACHINE, kUser + L"\\UTLSetting\\ButtonName", L"AppKey2", L"Mail");
  SetString(HKEY_LOCAL_MACHINE, kUser + L"\\UTLSetting\\ButtonName", L"AppKey6", L"Left");
  Open();
  EXPECT_EQ(TabTexts()[0], std::wstring(28, L'T'));
  EXPECT_EQ(TabTexts()[1], LoadStr(IDS_TAB_BUTTONS));
  ButtonTabPage& dt = *main->DesktopPage();
  ButtonTabPage& nt = *main->NotebookPage();
  wchar_t text[64] = {};
  GetDlgItemTextW(dt.Hwnd(), dt.Ids().labels[1], text, 64);
  EXPECT_STREQ(text, L"Mail");
  GetDlgItemTextW(dt.Hwnd(), dt.Ids().labels[0], text, 64);
  EXPECT_EQ(std::wstring(text), LoadStr(IDS_BUTTON_PREFIX) + L"1");
  GetDlgItemTextW(nt.Hwnd(), nt.Ids().labels[0], text, 64);
  EXPECT_STREQ(text, L"Left");
}

// Screen readers name a round button by its window text: the label beside it and the button's name, which
// follow a machine's own label, typing in the name edit and the loading of another pattern.
TEST_F(MainWindowTest, RoundButtonTextsFollowLabelsAndNames) {
  SetDword(HKEY_CURRENT_USER, kUser, L"NumSetting", 2);
  SetDword(HKEY_CURRENT_USER, kUser, L"CurrSetting", 1);
  SetString(HKEY_CURRENT_USER, ButtonKey(1, 1), L"DispTitle", L"Notepad");
  SetString(HKEY_CURRENT_USER, ButtonKey(2, 1), L"DispTitle", L"Two");
  SetString(HKEY_LOCAL_MACHINE, kUser + L"\\UTLSetting\\ButtonName", L"AppKey2", L"Mail");
  Open();
  ButtonTabPage& dt = *main->DesktopPage();
  const auto text = [&dt](int position) {
    wchar_t buf[300] = {};
    GetWindowTextW(dt.Button(position).Hwnd(), buf, 300);
    return std::wstring(buf);
  };
  EXPECT_EQ(text(0), L"Button 1: Notepad");
  EXPECT_EQ(text(1), L"Mail");
  TypeName(dt, 1, L"Tom & Jerry");
  EXPECT_EQ(text(1), L"Mail: Tom && Jerry") << "an ampersand is no access key";
  TypeName(dt, 0, L"");
  EXPECT_EQ(text(0), L"Button 1");

  answer = IDNO;
  SendDlgItemMessageW(dt.Hwnd(), dt.Ids().pattern, CB_SETCURSEL, 1, 0);
  main->ChangePattern(kDesktopPage);
  ASSERT_EQ(main->Model().currUser, 2);
  EXPECT_EQ(text(0), L"Button 1: Two");
  EXPECT_EQ(text(1), L"Mail");
}

TEST_F(MainWindowTest, QstartLabelsTheFirstNotebookButtonsFn) {
  SetDword(HKEY_LOCAL_MACHINE, kProduct, L"QSTART", 1);
  Open();
  ButtonTabPage& nt = *main->NotebookPage();
  wchar_t text[64] = {};
  GetDlgItemTextW(nt.Hwnd(), nt.Ids().labels[1], text, 64);
  EXPECT_EQ(std::wstring(text), LoadStr(IDS_FN_PREFIX) + L"2");
}

TEST_F(MainWindowTest, PositionsBeyondTheCountsAreHidden) {
  SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBPAD", 1);
  SetDword(HKEY_LOCAL_MACHINE, kProduct, L"DTNumAPBtn", 3);
  Open();
  ButtonTabPage& dt = *main->DesktopPage();
  for (int pos = 0; pos < 5; ++pos)
    for (int id : {dt.Ids().buttons[pos], dt.Ids().labels[pos], dt.Ids().edits[pos]}) {
      EXPECT_EQ(IsWindowEnabled(GetDlgItem(dt.Hwnd(), id)) != FALSE, pos < 3) << pos;
      EXPECT_EQ((GetWindowLongW(GetDlgItem(dt.Hwnd(), id), GWL_STYLE) & WS_VISIBLE) != 0, pos < 3) << pos;
    }
  Close();
  SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBPAD", 3);
  SetDword(HKEY_LOCAL_MACHINE, kProduct, L"NTNumAPBtn", 1);
  Open();
  ButtonTabPage& nt = *main->NotebookPage();
  for (int pos = 0; pos < 3; ++pos)
    EXPECT_EQ(IsWindowEnabled(GetDlgItem(nt.Hwnd(), nt.Ids().edits[pos])) != FALSE, pos < 1) << pos;
}

void SeedButton(int b, const wchar_t* code, DWORD count, const wchar_t* name) {
  SetString(HKEY_CURRENT_USER, ButtonKey(1, b), L"Execute", code);
  SetDword(HKEY_CURRENT_USER, ButtonKey(1, b), L"NumAP", count);
  SetString(HKEY_CURRENT_USER, ButtonKey(1, b), L"DispTitle", name);
}

TEST_F(MainWindowTest, PicturesFollowLaunchCodeAndImageMode) {
  SeedButton(1, L"S", 2, L"seq");
  SeedButton(2, L"p", 2, L"all");
  SeedButton(3, L"K", 1, L"key");
  SeedButton(4, L"M", 0, L"none");
  SeedButton(5, L"X", 1, L"odd");
  // The five desktop records: "S", "p", "K", none without programs, and an unknown letter.
  const std::array<int, 5> bases = {kPictureInSequence, kPictureAtOnce, kPictureOneProgram, kPictureNoProgram,
                                    kPictureNoProgram};
  struct Case {
    DWORD image;
    int set;
  };
  for (const Case& c : {Case{0, kFirstSet}, Case{1, kCaptionedSet}, Case{2, kAlternateSet}}) {
    std::array<int, 5> ids{};
    for (int i = 0; i < 5; ++i) ids[i] = bases[i] + c.set;
    SetDword(HKEY_LOCAL_MACHINE, kProduct, L"BtnImage", c.image);
    Open();
    for (int i = 0; i < 5; ++i) EXPECT_EQ(main->DesktopPage()->Button(i).BitmapId(), ids[i]) << c.image << " " << i;
    EXPECT_EQ(main->Model().live.buttons[4].code, u"M");
    EXPECT_FALSE(main->Model().IsChanged());
    main->SetButtonImage(0, 1);
    EXPECT_EQ(main->DesktopPage()->Button(0).BitmapId(), ids[0] + kPictureDialogOpen);
    Close();
  }
}

TEST_F(MainWindowTest, OkWithoutChangesClosesWithoutPromptOrNotification) {
  Open();
  Press(Main(), IDC_MAIN_OK);
  EXPECT_TRUE(asked.empty());
  EXPECT_TRUE(Closed());
  EXPECT_EQ(link.notifications, 0);
  // The user's keys are created from the factory defaults.
  DWORD type = 0;
  std::vector<BYTE> data;
  EXPECT_TRUE(ReadRaw(HKEY_CURRENT_USER, ButtonKey(1, 1), L"NumAP", type, data));
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
}

TEST_F(MainWindowTest, OkAfterAChangeAsksAndObeysTheAnswer) {
  struct Case {
    int answer;
    bool closed, saved;
  };
  for (const Case& c : {Case{IDCANCEL, false, false}, Case{IDNO, true, false}, Case{IDYES, true, true}}) {
    Open();
    asked.clear();
    link.notifications = 0;
    TypeName(*main->DesktopPage(), 1, L"Browser");
    EXPECT_EQ(main->Model().live.buttons[1].name, u"Browser");
    answer = c.answer;
    Press(Main(), IDC_MAIN_OK);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], LoadStr(IDS_SAVE_QUESTION));
    EXPECT_EQ(Closed(), c.closed) << c.answer;
    EXPECT_EQ(link.notifications, c.saved ? 1 : 0);
    DWORD type = 0;
    std::vector<BYTE> data;
    const bool stored = ReadRaw(HKEY_CURRENT_USER, ButtonKey(1, 2), L"DispTitle", type, data) &&
                        std::wstring(reinterpret_cast<wchar_t*>(data.data()), data.size() / 2) == L"Browser";
    EXPECT_EQ(stored, c.saved) << c.answer;
    if (!c.closed) {
      EXPECT_EQ(main->Model().live.buttons[1].name, u"Browser") << "Cancel keeps every edit";
    }
    Close();
    DeleteTree(HKEY_CURRENT_USER, L"Software\\Varden");
  }
}

TEST_F(MainWindowTest, ApplyTwiceSavesAndNotifiesTwice) {
  Open();
  TypeName(*main->DesktopPage(), 0, L"ノート");
  Press(Main(), IDC_MAIN_APPLY);
  TypeName(*main->NotebookPage(), 0, L"左");
  Press(Main(), IDC_MAIN_APPLY);
  EXPECT_EQ(link.notifications, 2);
  EXPECT_FALSE(Closed());
  DWORD type = 0;
  std::vector<BYTE> data;
  ASSERT_TRUE(ReadRaw(HKEY_CURRENT_USER, ButtonKey(1, 1), L"DispTitle", type, data));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(data.size(), 6u) << "three characters, no terminator";
  ASSERT_TRUE(ReadRaw(HKEY_CURRENT_USER, ButtonKey(1, 6), L"DispTitle", type, data));
  EXPECT_EQ(std::wstring(reinterpret_cast<wchar_t*>(data.data()), data.size() / 2), L"左");
  ASSERT_TRUE(ReadRaw(HKEY_CURRENT_USER, kUser, L"CurrSetting", type, data));
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
}

TEST_F(MainWindowTest, PatternChangeWithCancelKeepsBothCombos) {
  SetDword(HKEY_CURRENT_USER, kUser, L"NumSetting", 2);
  SetDword(HKEY_CURRENT_USER, kUser, L"CurrSetting", 1);
  SetString(HKEY_CURRENT_USER, SetKey(2), L"SetName", L"Second");
  SetString(HKEY_CURRENT_USER, ButtonKey(2, 1), L"DispTitle", L"Two");
  Open();
  ButtonTabPage& dt = *main->DesktopPage();
  ButtonTabPage& nt = *main->NotebookPage();
  TypeName(dt, 0, L"pending");
  answer = IDCANCEL;
  SendDlgItemMessageW(dt.Hwnd(), dt.Ids().pattern, CB_SETCURSEL, 1, 0);
  main->ChangePattern(kDesktopPage);
  EXPECT_EQ(SendDlgItemMessageW(dt.Hwnd(), dt.Ids().pattern, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(SendDlgItemMessageW(nt.Hwnd(), nt.Ids().pattern, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(main->Model().currUser, 1);

  answer = IDNO;
  SendDlgItemMessageW(dt.Hwnd(), dt.Ids().pattern, CB_SETCURSEL, 1, 0);
  main->ChangePattern(kDesktopPage);
  EXPECT_EQ(main->Model().currUser, 2);
  EXPECT_EQ(SendDlgItemMessageW(nt.Hwnd(), nt.Ids().pattern, CB_GETCURSEL, 0, 0), 1);
  wchar_t text[64] = {};
  GetDlgItemTextW(dt.Hwnd(), dt.Ids().edits[0], text, 64);
  EXPECT_STREQ(text, L"Two");
  EXPECT_EQ(link.notifications, 1);
  DWORD type = 0;
  std::vector<BYTE> data;
  EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, ButtonKey(1, 1), L"DispTitle", type, data)) << "No saves nothing";
}

TEST_F(MainWindowTest, DefaultOnTheDesktopPageResetsTheNotebookToo) {
  SetString(HKEY_LOCAL_MACHINE, kUser + L"\\Default\\Setting\\Set1\\AppKey1", L"DispTitle", L"Factory1");
  SetString(HKEY_LOCAL_MACHINE, kUser + L"\\Default\\Setting\\Set1\\AppKey6", L"DispTitle", L"Factory6");
  SeedButton(1, L"M", 1, L"Mine1");
  SetString(HKEY_CURRENT_USER, ButtonKey(1, 6), L"DispTitle", L"Mine6");
  Open();
  EXPECT_EQ(main->Model().live.buttons[5].name, u"Mine6");
  Press(main->DesktopPage()->Hwnd(), main->DesktopPage()->Ids().defaults);
  EXPECT_EQ(main->Model().live.buttons[0].name, u"Factory1");
  EXPECT_EQ(main->Model().live.buttons[5].name, u"Factory6");
  wchar_t text[64] = {};
  GetDlgItemTextW(main->NotebookPage()->Hwnd(), main->NotebookPage()->Ids().edits[0], text, 64);
  EXPECT_STREQ(text, L"Factory6");
  EXPECT_TRUE(main->Model().IsChanged());
  EXPECT_EQ(link.notifications, 0) << "Default saves nothing";
}

TEST_F(MainWindowTest, CurrentPatternZeroIsTreatedAsPatternOne) {
  SetDword(HKEY_CURRENT_USER, kUser, L"NumSetting", 2);
  SetDword(HKEY_CURRENT_USER, kUser, L"CurrSetting", 0);
  SetString(HKEY_CURRENT_USER, ButtonKey(1, 1), L"DispTitle", L"One");
  Open();
  EXPECT_EQ(main->Model().currUser, 1);
  ButtonTabPage& dt = *main->DesktopPage();
  EXPECT_EQ(SendDlgItemMessageW(dt.Hwnd(), dt.Ids().pattern, CB_GETCURSEL, 0, 0), 0);
  TypeName(dt, 0, L"Edited");
  Press(Main(), IDC_MAIN_APPLY);
  DWORD type = 0;
  std::vector<BYTE> data;
  EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, SetKey(0) + L"\\AppKey1", L"DispTitle", type, data));
  ASSERT_TRUE(ReadRaw(HKEY_CURRENT_USER, ButtonKey(1, 1), L"DispTitle", type, data));
  EXPECT_EQ(std::wstring(reinterpret_cast<wchar_t*>(data.data()), data.size() / 2), L"Edited");
}

TEST_F(MainWindowTest, HiddenPatternControlsIgnoreAltM) {
  SetDword(HKEY_LOCAL_MACHINE, kUser + L"\\UTLSetting\\DispSetting", L"DelSetManager", 1);
  Open();
  for (ButtonTabPage* page : {main->DesktopPage(), main->NotebookPage()})
    for (int id : {page->Ids().pattern, page->Ids().patternLabel, page->Ids().manager}) {
      EXPECT_FALSE(IsWindowVisible(GetDlgItem(page->Hwnd(), id)));
      EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page->Hwnd(), id)));
    }
  MSG alt{main->DesktopPage()->Hwnd(), WM_SYSKEYDOWN, 'M', 0, 0, {}};
  EXPECT_TRUE(main->PreTranslate(alt));
  EXPECT_NE(GetFocus(), GetDlgItem(main->DesktopPage()->Hwnd(), main->DesktopPage()->Ids().manager));
}

// A pattern holds the buttons only: an on-screen change asks nothing when the pattern changes and stays pending.
TEST_F(MainWindowTest, PatternChangeAsksOnlyAboutTheButtons) {
  SetDword(HKEY_CURRENT_USER, kUser, L"NumSetting", 2);
  SetDword(HKEY_CURRENT_USER, kUser, L"CurrSetting", 1);
  Open();
  ButtonTabPage& dt = *main->DesktopPage();
  main->Model().liveOnScreen.color = 0x00123456;
  SendDlgItemMessageW(dt.Hwnd(), dt.Ids().pattern, CB_SETCURSEL, 1, 0);
  main->ChangePattern(kDesktopPage);
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(main->Model().currUser, 2);
  EXPECT_EQ(main->Model().liveOnScreen.color, 0x00123456u);
  EXPECT_TRUE(main->Model().IsChanged()) << "the on-screen change is still to be saved";

  // A button change still asks, and Yes saves it under the pattern it was made in.
  TypeName(dt, 0, L"kept in 2");
  answer = IDYES;
  SendDlgItemMessageW(dt.Hwnd(), dt.Ids().pattern, CB_SETCURSEL, 0, 0);
  main->ChangePattern(kDesktopPage);
  EXPECT_EQ(asked.size(), 1u);
  EXPECT_EQ(main->Model().currUser, 1);
  DWORD type = 0;
  std::vector<BYTE> data;
  ASSERT_TRUE(ReadRaw(HKEY_CURRENT_USER, ButtonKey(2, 1), L"DispTitle", type, data));
  EXPECT_EQ(std::wstring(reinterpret_cast<wchar_t*>(data.data()), data.size() / 2), L"kept in 2");
  DWORD current = 0;
  ASSERT_TRUE(ReadRaw(HKEY_CURRENT_USER, kUser, L"CurrSetting", type, data));
  std::memcpy(&current, data.data(), sizeof current);
  EXPECT_EQ(current, 1u);
}

// On the on-screen page the filter answers the page's five letters only: Alt+F4 and the keypad pass on.
TEST_F(MainWindowTest, OnScreenMnemonicsLeaveOtherAltKeysAlone) {
  Open();
  ShowWindow(Main(), SW_SHOW);
  SetForegroundWindow(Main());
  main->ShowTab(2);
  Pump();
  CtabMainOSDTab& osd = *main->OnScreenPage();
  SetFocus(GetDlgItem(osd.Hwnd(), IDC_OSD_DEFAULT));
  for (WPARAM key : {WPARAM{VK_F4}, WPARAM{VK_NUMPAD3}, WPARAM{VK_NUMPAD4}, WPARAM{VK_DIVIDE}}) {
    MSG m{osd.Hwnd(), WM_SYSKEYDOWN, key, 0, 0, {}};
    EXPECT_FALSE(main->PreTranslate(m)) << key;
    EXPECT_EQ(GetFocus(), GetDlgItem(osd.Hwnd(), IDC_OSD_DEFAULT)) << key;
  }
  MSG altO{osd.Hwnd(), WM_SYSKEYDOWN, 'O', 0, 0, {}};
  EXPECT_TRUE(main->PreTranslate(altO));
  EXPECT_EQ(GetFocus(), GetDlgItem(osd.Hwnd(), IDC_OSD_DISPLAY));
}

// In the Japanese interface a button that the maker's own set-up program handles is handed over to it, and
// this program ends with exit code 0. In other interfaces, and for other buttons, the click stays here.
TEST_F(MainWindowTest, OwnSetupButtonHandsOverInTheJapaneseInterfaceAndEnds) {
  SetDword(HKEY_LOCAL_MACHINE, kProduct, L"GLIMSET", 0x2);  // button 2 only
  const std::wstring setup = BinDir() + L"SETMAIL";
  const std::wstring program = setup + L"\\登録してください.exe";
  const std::wstring log = setup + L"\\probe.log";
  CreateDirectoryW(setup.c_str(), nullptr);
  ASSERT_TRUE(CopyFileW((BinDir() + L"probe.exe").c_str(), program.c_str(), FALSE));
  DeleteFileW(log.c_str());
  SetEnvironmentVariableW(L"TAPSTART_PROBE_LOG", nullptr);  // the probe logs beside itself
  struct Case {
    LANGID language;
    int record;
  };
  for (const Case& c : {Case{1033, 1}, Case{2052, 1}, Case{1041, 0}}) {
    Open();
    app->Values.UiLanguage = c.language;
    // Nothing is handed over: the click opens the registration dialog, which is closed unchanged.
    bool registration = false;
    WithResponder([&] { Press(main->DesktopPage()->Hwnd(), main->DesktopPage()->Ids().buttons[c.record]); },
                  [&] {
                    WaitUntil([&] {
                      for (HWND w : TopLevelWindows(L"#32770", GetCurrentProcessId(), true))
                        if (GetDlgItem(w, IDC_SETAP_TAB) != nullptr) {
                          registration = true;
                          PostMessageW(w, WM_COMMAND, IDC_SETAP_CANCEL, 0);
                        }
                      return registration;
                    });
                  });
    EXPECT_TRUE(registration) << c.language;
    EXPECT_NE(main->Hwnd(), nullptr) << c.language;
    Close();
  }
  Sleep(300);
  EXPECT_EQ(GetFileAttributesW(log.c_str()), INVALID_FILE_ATTRIBUTES) << "something was started";

  EXPECT_EXIT(
      {
        Open();
        app->Values.UiLanguage = 1041;
        Press(main->DesktopPage()->Hwnd(), main->DesktopPage()->Ids().buttons[1]);
      },
      testing::ExitedWithCode(0), "");
  std::wstring line;
  for (int i = 0; i < 100 && line.empty(); ++i, Sleep(100)) line = ReadFileUtf8(log);
  EXPECT_NE(line.find(L"/AppKey2 /PANTIK"), std::wstring::npos) << line.size();
  DeleteFileW(log.c_str());
  DeleteFileW(program.c_str());
  RemoveDirectoryW(setup.c_str());
}

// The registration dialog is made hidden once the user heads for a round button (here the focus comes to one); a
// click shows that one on the clicked button's record, and another is made for the next click once it closed.
TEST_F(MainWindowTest, RoundButtonShowsTheRegistrationDialogMadeAhead) {
  SetString(HKEY_CURRENT_USER, ButtonKey(1, 1), L"Execute", L"M");
  SetDword(HKEY_CURRENT_USER, ButtonKey(1, 1), L"NumAP", 1);
  SetString(HKEY_CURRENT_USER, ButtonKey(1, 1), L"AP1", L"C:\\Apps\\edit.exe");
  Open();
  const auto madeAhead = [] {
    for (HWND w : TopLevelWindows(L"#32770", GetCurrentProcessId(), false))
      if (GetDlgItem(w, IDC_SETAP_TAB) != nullptr && !IsWindowVisible(w)) return w;
    return HWND{};
  };
  HWND ahead = nullptr;
  Pump();
  EXPECT_EQ(madeAhead(), nullptr) << "nothing is made while the window starts";
  main->DesktopPage()->FocusItem(main->DesktopPage()->Ids().buttons[0]);
  ASSERT_TRUE(WaitUntil([&] {
    Pump();
    return (ahead = madeAhead()) != nullptr;
  }));
  HWND shown = nullptr;
  std::wstring slot1;
  WithResponder([&] { Press(main->DesktopPage()->Hwnd(), main->DesktopPage()->Ids().buttons[0]); },
                [&] {
                  WaitUntil([&] {
                    for (HWND w : TopLevelWindows(L"#32770", GetCurrentProcessId(), true))
                      if (GetDlgItem(w, IDC_SETAP_TAB) != nullptr) shown = w;
                    return shown != nullptr;
                  });
                  if (shown == nullptr) return;
                  slot1 = TextOf(GetDlgItem(shown, IDC_SETAP_SLOT1));
                  PostMessageW(shown, WM_COMMAND, IDC_SETAP_CANCEL, 0);
                });
  EXPECT_EQ(shown, ahead);
  EXPECT_EQ(slot1, L"edit.exe");  // a program not found is named with its extension
  EXPECT_TRUE(IsWindowEnabled(Main()));
  HWND next = nullptr;
  EXPECT_TRUE(WaitUntil([&] {
    Pump();
    return (next = madeAhead()) != nullptr;
  }));
}

TEST_F(MainWindowTest, KeyboardFilterMovesTheFocusAcrossPageAndWindow) {
  Open();
  ShowWindow(Main(), SW_SHOW);
  SetForegroundWindow(Main());
  ButtonTabPage& dt = *main->DesktopPage();
  struct Case {
    UINT message;
    WPARAM key;
    HWND from;
    HWND expectedFocus;
  };
  const Case cases[] = {
      {WM_SYSKEYDOWN, 'N', dt.Hwnd(), GetDlgItem(dt.Hwnd(), dt.Ids().pattern)},
      {WM_SYSKEYDOWN, 'B', dt.Hwnd(), GetDlgItem(dt.Hwnd(), dt.Ids().buttons[0])},
      {WM_KEYDOWN, VK_TAB, GetDlgItem(Main(), IDC_MAIN_HELP), Tab()},
      {WM_KEYDOWN, VK_TAB, Tab(), GetDlgItem(dt.Hwnd(), dt.Ids().pattern)},
  };
  for (const Case& c : cases) {
    MSG m{c.from, c.message, c.key, 0, 0, {}};
    EXPECT_TRUE(main->PreTranslate(m)) << c.key;
    EXPECT_EQ(GetFocus(), c.expectedFocus) << c.key;
  }
  for (auto& b : main->Model().live.buttons) b.name = u"typed";
  MSG altD{dt.Hwnd(), WM_SYSKEYDOWN, 'D', 0, 0, {}};
  EXPECT_TRUE(main->PreTranslate(altD));
  EXPECT_EQ(GetFocus(), GetDlgItem(dt.Hwnd(), dt.Ids().defaults));
  EXPECT_EQ(main->Model().live.buttons[0].name, u"") << "Alt+D ran Default";
  MSG plain{dt.Hwnd(), WM_KEYDOWN, 'D', 0, 0, {}};
  EXPECT_FALSE(main->PreTranslate(plain));
}

// Shift+Tab on OK enters the page at its last button, which takes the default-button look from OK.
TEST_F(MainWindowTest, ShiftTabOnOkGivesThePagesLastButtonTheFocusAndTheDefaultLook) {
  Open();
  ShowWindow(Main(), SW_SHOW);
  SetForegroundWindow(Main());
  BYTE keys[256] = {};
  ASSERT_TRUE(GetKeyboardState(keys));
  keys[VK_SHIFT] = 0x80;
  ASSERT_TRUE(SetKeyboardState(keys));
  const auto style = [](HWND w) { return GetWindowLongPtrW(w, GWL_STYLE) & BS_TYPEMASK; };
  main->Model().liveOnScreen.on = 1;  // Select... is enabled only with the display on
  main->OnScreenPage()->ShowSettings();
  struct Case {
    int tab;
    HWND page;
    int last;
  };
  for (const Case& c : {Case{0, main->DesktopPage()->Hwnd(), main->DesktopPage()->Ids().wizard},
                        Case{2, main->OnScreenPage()->Hwnd(), IDC_OSD_SELECT}}) {
    main->ShowTab(c.tab);
    SendDlgItemMessageW(Main(), IDC_MAIN_OK, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    MSG back{GetDlgItem(Main(), IDC_MAIN_OK), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(main->PreTranslate(back)) << c.tab;
    EXPECT_EQ(GetFocus(), GetDlgItem(c.page, c.last)) << c.tab;
    EXPECT_EQ(style(GetDlgItem(c.page, c.last)), BS_DEFPUSHBUTTON) << c.tab;
    EXPECT_EQ(style(GetDlgItem(Main(), IDC_MAIN_OK)), BS_PUSHBUTTON) << c.tab;
  }
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

TEST_F(MainWindowTest, NamesLongerThanTheEditLimitAreCutWhenShown) {
  SetString(HKEY_CURRENT_USER, ButtonKey(1, 1), L"DispTitle", std::wstring(200, L'n'));
  Open();
  wchar_t text[300] = {};
  GetDlgItemTextW(main->DesktopPage()->Hwnd(), main->DesktopPage()->Ids().edits[0], text, 300);
  EXPECT_EQ(std::wstring(text).size(), 129u);
  EXPECT_EQ(main->Model().live.buttons[0].name.size(), 200u) << "showing a name does not edit it";
  EXPECT_FALSE(main->Model().IsChanged());
}

// Tab from the page's last tab stop reaches OK, which takes the default-button look back: the mirror of Shift+Tab.
TEST_F(MainWindowTest, TabFromThePagesLastStopGoesToOk) {
  Open();
  ShowWindow(Main(), SW_SHOW);
  SetForegroundWindow(Main());
  main->Model().liveOnScreen.on = 1;  // Select... is enabled, and the last stop, only with the display on
  main->OnScreenPage()->ShowSettings();
  const auto style = [](HWND w) { return GetWindowLongPtrW(w, GWL_STYLE) & BS_TYPEMASK; };
  struct Case {
    int tab;
    HWND page;
    int last, before;
  };
  ButtonTabPage& dt = *main->DesktopPage();
  ButtonTabPage& nt = *main->NotebookPage();
  for (const Case& c :
       {Case{0, dt.Hwnd(), dt.Ids().wizard, dt.Ids().defaults}, Case{1, nt.Hwnd(), nt.Ids().wizard, nt.Ids().defaults},
        Case{2, main->OnScreenPage()->Hwnd(), IDC_OSD_SELECT, IDC_OSD_DEFAULT}}) {
    main->ShowTab(c.tab);
    HWND last = GetDlgItem(c.page, c.last);
    SetFocus(last);
    SendMessageW(last, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    SendDlgItemMessageW(Main(), IDC_MAIN_OK, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    MSG tab{last, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(main->PreTranslate(tab)) << c.tab;
    EXPECT_EQ(GetFocus(), GetDlgItem(Main(), IDC_MAIN_OK)) << c.tab;
    EXPECT_EQ(style(GetDlgItem(Main(), IDC_MAIN_OK)), BS_DEFPUSHBUTTON) << c.tab;
    EXPECT_EQ(style(last), BS_PUSHBUTTON) << c.tab;
    // A control before the last one is left to the dialog manager.
    MSG early{GetDlgItem(c.page, c.before), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_FALSE(main->PreTranslate(early)) << c.tab;
  }
}

// On a machine whose profile file cannot be written, Apply, OK and a pattern change each report once what could
// not be saved, keep the edits pending and tell the handler nothing; once the file can be written, Apply saves.
TEST_F(MainWindowTest, SavesThatFailAreReportedOnceAndLoseNothing) {
  SetDword(HKEY_LOCAL_MACHINE, kProduct, L"ZEBINI", 1);
  const std::wstring profile = WindowsDir() + L"\\VARDENZEB.INI";
  ASSERT_TRUE(WritePrivateProfileStringW(L"VARDENZEB", L"NumUser", L"2", profile.c_str()));
  ASSERT_TRUE(WritePrivateProfileStringW(L"USER2", L"UserName", L"Second", profile.c_str()));
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, profile.c_str());
  Open();
  auto unwritable = std::make_unique<UnwritableFile>(profile);
  ASSERT_TRUE(unwritable->Held());
  ButtonTabPage& dt = *main->DesktopPage();
  TypeName(dt, 0, L"unsaved");
  const std::wstring both = LoadStr(IDS_SAVE_FAILED_ALL);

  Press(Main(), IDC_MAIN_APPLY);
  EXPECT_EQ(asked, (std::vector<std::wstring>{both}));
  EXPECT_TRUE(main->Model().IsChanged());

  asked.clear();
  answer = IDYES;
  Press(Main(), IDC_MAIN_OK);
  EXPECT_EQ(asked, (std::vector<std::wstring>{LoadStr(IDS_SAVE_QUESTION), both}));
  EXPECT_FALSE(Closed()) << "a failed save keeps the window and its changes";

  asked.clear();
  SendDlgItemMessageW(dt.Hwnd(), dt.Ids().pattern, CB_SETCURSEL, 1, 0);
  main->ChangePattern(kDesktopPage);
  EXPECT_EQ(asked, (std::vector<std::wstring>{LoadStr(IDS_SAVE_QUESTION), LoadStr(IDS_SAVE_FAILED_BUTTONS)}));
  EXPECT_EQ(SendDlgItemMessageW(dt.Hwnd(), dt.Ids().pattern, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(main->Model().live.buttons[0].name, u"unsaved");
  EXPECT_EQ(link.notifications, 0);

  unwritable.reset();
  asked.clear();
  Press(Main(), IDC_MAIN_APPLY);
  EXPECT_TRUE(asked.empty());
  EXPECT_FALSE(main->Model().IsChanged());
  EXPECT_EQ(link.notifications, 1);
  wchar_t text[64] = {};
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, profile.c_str());
  GetPrivateProfileStringW(L"USER1", L"Btn1_Name", L"", text, 64, profile.c_str());
  EXPECT_STREQ(text, L"unsaved");
}

// The on-screen page enumerates the fonts only when it is first shown, and then shows the live face; the main
// window's start does not wait for the enumeration.
TEST_F(MainWindowTest, OnScreenPageFillsItsFontListWhenFirstShown) {
  Open();
  ShowWindow(Main(), SW_SHOW);
  CtabMainOSDTab& osd = *main->OnScreenPage();
  EXPECT_TRUE(osd.FontList().empty());
  EXPECT_EQ(SendDlgItemMessageW(osd.Hwnd(), IDC_OSD_FONT, CB_GETCOUNT, 0, 0), 0);
  main->ShowTab(2);
  Pump();
  ASSERT_FALSE(osd.FontList().empty());
  EXPECT_EQ(SendDlgItemMessageW(osd.Hwnd(), IDC_OSD_FONT, CB_GETCOUNT, 0, 0),
            static_cast<LRESULT>(osd.FontList().size()));
  const LRESULT selected = SendDlgItemMessageW(osd.Hwnd(), IDC_OSD_FONT, CB_GETCURSEL, 0, 0);
  ASSERT_GE(selected, 0);
  EXPECT_EQ(osd.FontList()[static_cast<size_t>(selected)], main->Model().liveOnScreen.face);
}

}  // namespace
}  // namespace tapstart::test
