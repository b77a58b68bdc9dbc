// The on-screen page under a stand-in main dialog: controls, live settings, preview, colour choice, keys, focus.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <memory>
#include <set>
#include <thread>

#include "Driver_win32.h"
#include "OsdHost_win32.h"
#include "mainwnd/FontList_win32.h"
#include "res/resource.h"
#include "store/Text.h"
#include "ui/Resources_win32.h"
#include "ui/Text_win32.h"

namespace tapstart::test {
namespace {

constexpr int kDependents[] = {IDC_OSD_FONT,       IDC_OSD_SIZE,       IDC_OSD_SELECT,
                               IDC_OSD_FONT_LABEL, IDC_OSD_SIZE_LABEL, IDC_OSD_COLOR_LABEL};
constexpr int kAlwaysEnabled[] = {IDC_OSD_DEFAULT, IDC_OSD_DISPLAY, IDC_OSD_PREVIEW_LABEL};

std::wstring TextOf(HWND w) {
  wchar_t buffer[512] = {};
  GetWindowTextW(w, buffer, 512);
  return buffer;
}

std::wstring SelectedText(HWND combo) {
  const LRESULT sel = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (sel < 0) return {};
  wchar_t buffer[LF_FACESIZE * 4] = {};
  SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

// Selects an item as the user would: the combo changes, then the page hears CBN_SELCHANGE.
void Choose(const OsdHost& host, int comboId, LRESULT index) {
  HWND combo = host.Item(comboId);
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(host.page.Hwnd(), WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

LRESULT FontIndex(const OsdHost& host, const wchar_t* face) {
  return SendMessageW(host.Item(IDC_OSD_FONT), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                      reinterpret_cast<LPARAM>(face));
}

LOGFONTW PreviewFont(const OsdHost& host) {
  LOGFONTW lf{};
  const auto font = reinterpret_cast<HFONT>(SendMessageW(host.Item(IDC_OSD_PREVIEW), WM_GETFONT, 0, 0));
  EXPECT_NE(font, nullptr);
  if (font != nullptr) GetObjectW(font, sizeof lf, &lf);
  return lf;
}

class OsdPageTest : public testing::Test {
 protected:
  void SetUp() override { host = std::make_unique<OsdHost>(); }
  void TearDown() override { host.reset(); }
  void Show(const ONSCREEN_DATA& live) {
    host->fake.live = live;
    host->page.ShowSettings();
  }
  std::unique_ptr<OsdHost> host;
};

TEST_F(OsdPageTest, InitDialog_PutsTheFocusOnDefault) {
  OsdHost fresh;
  EXPECT_EQ(GetFocus(), fresh.Item(IDC_OSD_DEFAULT));
}

TEST_F(OsdPageTest, ShowSettings_CopiesTheLiveSettingsIntoTheControls) {
  struct Case {
    uint8_t on;
    const char16_t* face;
    uint8_t size;
    const wchar_t* selectedFace;  // empty: no selection
  };
  for (const Case& c : {Case{1, u"Tahoma", 3, L"Tahoma"}, Case{0, u"liberation sans", 5, L"Liberation Sans"},
                        Case{1, u"Liberation", 1, L""}, Case{1, u"MS UI Gothic", 4, L"MS UI Gothic"},
                        Case{0, u"Not An Installed Face", 2, L""}, Case{1, u"", 1, L""}}) {
    SCOPED_TRACE(ToUtf8(c.face));
    Show(ONSCREEN_DATA{c.on, c.face, c.size, 0});
    EXPECT_EQ(IsDlgButtonChecked(host->page.Hwnd(), IDC_OSD_DISPLAY), c.on != 0 ? BST_CHECKED : BST_UNCHECKED);
    for (int id : kDependents) EXPECT_EQ(IsWindowEnabled(host->Item(id)) != FALSE, c.on != 0) << id;
    for (int id : kAlwaysEnabled) EXPECT_TRUE(IsWindowEnabled(host->Item(id))) << id;
    EXPECT_EQ(SelectedText(host->Item(IDC_OSD_FONT)), c.selectedFace);
    EXPECT_EQ(SendMessageW(host->Item(IDC_OSD_SIZE), CB_GETCURSEL, 0, 0), c.size - 1);
  }
}

TEST_F(OsdPageTest, SizeList_HoldsTheFiveStepsWithTheirNumbers) {
  HWND size = host->Item(IDC_OSD_SIZE);
  ASSERT_EQ(SendMessageW(size, CB_GETCOUNT, 0, 0), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(SendMessageW(size, CB_GETITEMDATA, static_cast<WPARAM>(i), 0), i + 1);
    wchar_t text[64] = {};
    SendMessageW(size, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::wstring(text), LoadStr(IDS_SIZE_MINIMUM + static_cast<UINT>(i)));
    EXPECT_FALSE(std::wstring(text).empty());
  }
  // Captions set again keep the selection.
  Choose(*host, IDC_OSD_SIZE, 3);
  host->page.SetCaptions();
  EXPECT_EQ(SendMessageW(size, CB_GETCURSEL, 0, 0), 3);
  EXPECT_EQ(SendMessageW(size, CB_GETCOUNT, 0, 0), 5);
}

TEST_F(OsdPageTest, DisplayCheckBox_SwitchesTheValueAndTheDependentControlsOnly) {
  Show(ONSCREEN_DATA{1, u"Tahoma", 4, 0x00336699});
  const ONSCREEN_DATA before = host->fake.live;
  for (uint8_t expected : {0, 1, 0}) {
    SendMessageW(host->Item(IDC_OSD_DISPLAY), BM_CLICK, 0, 0);
    host->Pump();
    EXPECT_EQ(host->fake.live.on, expected);
    EXPECT_EQ(IsDlgButtonChecked(host->page.Hwnd(), IDC_OSD_DISPLAY), expected ? BST_CHECKED : BST_UNCHECKED);
    for (int id : kDependents) EXPECT_EQ(IsWindowEnabled(host->Item(id)) != FALSE, expected == 1) << id;
    // Switching off keeps the other values: they are still saved.
    EXPECT_EQ(host->fake.live.face, before.face);
    EXPECT_EQ(host->fake.live.size, before.size);
    EXPECT_EQ(host->fake.live.color, before.color);
  }
}

TEST_F(OsdPageTest, FontCombo_ChangesTheFaceAndThePreview) {
  for (const wchar_t* face : {L"Liberation Serif", L"MS UI Gothic", L"Tahoma"}) {
    const LRESULT index = FontIndex(*host, face);
    ASSERT_GE(index, 0) << face;
    Choose(*host, IDC_OSD_FONT, index);
    EXPECT_EQ(host->fake.live.face, Utf16(face));
    EXPECT_EQ(std::wstring(PreviewFont(*host).lfFaceName), face);
  }
}

TEST_F(OsdPageTest, SizeCombo_ChangesTheStepAndThePreviewHeight) {
  WorkAreaBottom area(1040);
  ASSERT_TRUE(area.Applied());
  const int heights[] = {34, 69, 104, 148, 173};
  for (int i = 4; i >= 0; --i) {
    Choose(*host, IDC_OSD_SIZE, i);
    EXPECT_EQ(host->fake.live.size, i + 1);
    EXPECT_EQ(PreviewFont(*host).lfHeight, heights[i]) << "step " << i + 1;
  }
}

TEST_F(OsdPageTest, Preview_TakesFaceSetAndWidthFromTheSettings) {
  WorkAreaBottom area(1040);
  ASSERT_TRUE(area.Applied());
  struct Case {
    const char16_t* face;
    uint8_t size;
    const wchar_t* lfFace;
    int height;
  };
  const std::u16string longFace = u"An Unusually Long Font Family Name Over Thirty-One";
  for (const Case& c : {Case{u"Tahoma", 1, L"Tahoma", 34}, Case{u"MS UI Gothic", 5, L"MS UI Gothic", 173},
                        Case{longFace.c_str(), 2, L"An Unusually Long Font Family N", 69}}) {
    Show(ONSCREEN_DATA{1, c.face, c.size, 0});
    const LOGFONTW lf = PreviewFont(*host);
    EXPECT_STREQ(lf.lfFaceName, c.lfFace);
    EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(lf.lfWidth, 0);
    EXPECT_EQ(lf.lfHeight, c.height);
  }
}

TEST_F(OsdPageTest, Preview_ReplacesAndFreesItsFont) {
  const auto first = reinterpret_cast<HFONT>(SendMessageW(host->Item(IDC_OSD_PREVIEW), WM_GETFONT, 0, 0));
  ASSERT_NE(first, nullptr);
  host->page.RefreshPreview();
  const auto second = reinterpret_cast<HFONT>(SendMessageW(host->Item(IDC_OSD_PREVIEW), WM_GETFONT, 0, 0));
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_EQ(GetObjectType(first), 0u);  // freed
  EXPECT_EQ(GetObjectType(second), static_cast<DWORD>(OBJ_FONT));
}

TEST_F(OsdPageTest, Preview_ShowsThePreviewTextOrElseThePatternName) {
  struct Case {
    const char16_t* preview;
    const char16_t* pattern;
    const wchar_t* shown;
  };
  for (const Case& c :
       {Case{u"", u"User1", L"User1"}, Case{u"Sample text", u"User1", L"Sample text"},
        Case{u"", u"Evening set", L"Evening set"}, Case{u"", u"", L""}, Case{u"", u"パターン２", L"パターン２"}}) {
    host->fake.preview = c.preview;
    host->fake.user.name = c.pattern;
    // After a pattern change the main window redraws the preview.
    host->page.RefreshPreview();
    EXPECT_EQ(TextOf(host->Item(IDC_OSD_PREVIEW)), c.shown);
  }
}

TEST_F(OsdPageTest, PreviewColour_IsTheLiveColourOnATransparentBackground) {
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  for (COLORREF colour : {COLORREF{0x000000FF}, COLORREF{0x00FF0000}, COLORREF{0x00123456}}) {
    host->fake.live.color = colour;
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkMode(dc, OPAQUE);
    const LRESULT brush = SendMessageW(host->page.Hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(host->Item(IDC_OSD_PREVIEW)));
    EXPECT_NE(brush, 0);
    EXPECT_EQ(GetTextColor(dc), colour);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    // The labels keep the system's colours.
    SendMessageW(host->page.Hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(host->Item(IDC_OSD_FONT_LABEL)));
    EXPECT_NE(GetTextColor(dc), colour);
  }
  DeleteDC(dc);
}

TEST_F(OsdPageTest, SelectColour_TakesTheChosenColourAndKeepsItOnCancel) {
  struct Call {
    HWND owner;
    COLORREF initial;
    CustomColors custom;
  };
  std::vector<Call> calls;
  std::vector<std::optional<COLORREF>> answers{COLORREF{0x00FF0000}, std::nullopt, COLORREF{0x0000FFFF}};
  host->page.chooseColor = [&](HWND owner, COLORREF initial, CustomColors& custom) -> std::optional<COLORREF> {
    calls.push_back({owner, initial, custom});
    // The user adds a custom colour on each opening.
    custom[calls.size()] = RGB(10 * calls.size(), 0, 0);
    return answers[calls.size() - 1];
  };
  Show(ONSCREEN_DATA{1, u"Tahoma", 3, 0x000000FF});
  const COLORREF expected[] = {0x00FF0000, 0x00FF0000, 0x0000FFFF};
  for (size_t i = 0; i < 3; ++i) {
    SendMessageW(host->Item(IDC_OSD_SELECT), BM_CLICK, 0, 0);
    host->Pump();
    ASSERT_EQ(calls.size(), i + 1);
    EXPECT_EQ(host->fake.live.color, expected[i]) << i;
  }
  EXPECT_EQ(calls[0].owner, host->page.Hwnd());
  EXPECT_EQ(calls[0].initial, 0x000000FFu);
  EXPECT_EQ(calls[1].initial, 0x00FF0000u);
  EXPECT_EQ(calls[2].initial, 0x00FF0000u);  // Cancel left it
  // All black at first; what the user added stays for the next opening.
  EXPECT_EQ(calls[0].custom, CustomColors{});
  EXPECT_EQ(calls[1].custom[1], RGB(10, 0, 0));
  EXPECT_EQ(calls[2].custom[2], RGB(20, 0, 0));
  EXPECT_EQ(host->page.CustomColorTable()[3], RGB(30, 0, 0));
}

// Finds the colour dialog of this process (a dialog that is not the host), reads it, and presses Cancel.
struct ColourDialogWatch {
  HWND host = nullptr;
  std::atomic<HWND> found{nullptr};
  HWND owner = nullptr;
  std::wstring red, green, blue;

  void Run() {
    const ULONGLONG end = GetTickCount64() + 10000;
    while (GetTickCount64() < end && found == nullptr) {
      EnumWindows(
          [](HWND w, LPARAM l) -> BOOL {
            auto* self = reinterpret_cast<ColourDialogWatch*>(l);
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            wchar_t cls[32] = {};
            GetClassNameW(w, cls, 32);
            if (pid != GetCurrentProcessId() || w == self->host || !IsWindowVisible(w) ||
                std::wstring(cls) != L"#32770")
              return TRUE;
            self->owner = GetWindow(w, GW_OWNER);
            // The red, green and blue fields of the system's colour dialog.
            self->red = TextOf(GetDlgItem(w, 706));
            self->green = TextOf(GetDlgItem(w, 707));
            self->blue = TextOf(GetDlgItem(w, 708));
            self->found = w;
            return FALSE;
          },
          reinterpret_cast<LPARAM>(this));
      Sleep(50);
    }
    if (HWND w = found) ClickButton(w, IDCANCEL);
  }
};

TEST_F(OsdPageTest, SelectColour_OpensTheSystemColourDialogWithTheLiveColour) {
  Show(ONSCREEN_DATA{1, u"Tahoma", 3, RGB(153, 102, 51)});
  ColourDialogWatch watch;
  watch.host = host->Main();
  std::thread canceller([&] { watch.Run(); });
  SendMessageW(host->Item(IDC_OSD_SELECT), BM_CLICK, 0, 0);
  host->Pump();
  canceller.join();
  ASSERT_NE(watch.found.load(), nullptr);
  EXPECT_EQ(watch.owner, host->Main());
  EXPECT_EQ(watch.red, L"153");
  EXPECT_EQ(watch.green, L"102");
  EXPECT_EQ(watch.blue, L"51");
  EXPECT_EQ(host->fake.live.color, RGB(153, 102, 51));
  EXPECT_EQ(host->page.CustomColorTable(), CustomColors{});
}

TEST_F(OsdPageTest, Default_RestoresTheFactorySettingsThroughTheMainWindow) {
  Show(ONSCREEN_DATA{1, u"Tahoma", 5, 0x000000FF});
  host->fake.calls.clear();
  SendMessageW(host->Item(IDC_OSD_DEFAULT), BM_CLICK, 0, 0);
  host->Pump();
  EXPECT_EQ(host->fake.calls, std::vector<std::string>{"RestoreDefaults 2"});
  EXPECT_EQ(host->fake.live, host->fake.defaults);
  EXPECT_EQ(IsDlgButtonChecked(host->page.Hwnd(), IDC_OSD_DISPLAY), BST_UNCHECKED);
  EXPECT_EQ(SelectedText(host->Item(IDC_OSD_FONT)), L"Liberation Sans");
  EXPECT_EQ(SendMessageW(host->Item(IDC_OSD_SIZE), CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(std::wstring(PreviewFont(*host).lfFaceName), L"Liberation Sans");
}

TEST_F(OsdPageTest, EnterAndEscape_RunTheMainWindowsOkAndClose) {
  host->fake.calls.clear();
  Press(host->page.Hwnd(), IDOK);
  Press(host->page.Hwnd(), IDCANCEL);
  EXPECT_EQ(host->fake.calls, (std::vector<std::string>{"PageOk", "PageClose"}));
  // The page is still there: closing is the main window's business.
  EXPECT_TRUE(IsWindow(host->page.Hwnd()));
}

TEST_F(OsdPageTest, ActivateApp_IsReportedToTheMainWindow) {
  host->fake.calls.clear();
  SendMessageW(host->page.Hwnd(), WM_ACTIVATEAPP, TRUE, 0);
  SendMessageW(host->page.Hwnd(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_EQ(host->fake.calls, (std::vector<std::string>{"SetAppActive 1", "SetAppActive 0"}));
}

TEST_F(OsdPageTest, Mnemonics_MoveTheFocusAndAct) {
  struct Case {
    wchar_t key;
    uint8_t on;
    bool handled;
    int focus;  // 0: the focus stays where it was
    std::vector<std::string> calls;
    int chooserCalls;
    uint8_t onAfter;
  };
  // The keys are virtual-key codes: a letter is its capital; the codes of the small letters are F4 and keypad
  // keys, which the page leaves alone.
  const Case cases[] = {
      {L'F', 1, true, IDC_OSD_FONT, {}, 0, 1},
      {L'S', 1, true, IDC_OSD_SIZE, {}, 0, 1},
      {L'C', 1, true, IDC_OSD_SELECT, {}, 1, 1},
      {L'D', 1, true, IDC_OSD_DEFAULT, {"RestoreDefaults 2"}, 0, 0},  // the factory settings are off
      {L'O', 1, true, IDC_OSD_DISPLAY, {}, 0, 0},
      {L'O', 0, true, IDC_OSD_DISPLAY, {}, 0, 1},
      {VK_F4, 1, false, 0, {}, 0, 1},
      {VK_NUMPAD6, 1, false, 0, {}, 0, 1},
      {VK_NUMPAD4, 1, false, 0, {}, 0, 1},
      {VK_NUMPAD3, 1, false, 0, {}, 0, 1},
      {VK_DIVIDE, 1, false, 0, {}, 0, 1},
      // Switched off, the font, size and colour controls do not answer.
      {L'F', 0, true, 0, {}, 0, 0},
      {L'S', 0, true, 0, {}, 0, 0},
      {L'C', 0, true, 0, {}, 0, 0},
      {L'D', 0, true, IDC_OSD_DEFAULT, {"RestoreDefaults 2"}, 0, 0},
      {L'H', 1, false, 0, {}, 0, 1},
      {L'x', 1, false, 0, {}, 0, 1},
      {L'1', 1, false, 0, {}, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.key) + " on=" + std::to_string(c.on));
    int chooserCalls = 0;
    host->page.chooseColor = [&](HWND, COLORREF initial, CustomColors&) -> std::optional<COLORREF> {
      ++chooserCalls;
      return initial;
    };
    Show(ONSCREEN_DATA{c.on, u"Tahoma", 3, 0});
    host->fake.calls.clear();
    SetFocus(host->Tab());
    // The main window's filter decides; Help belongs to the main window, not to the page.
    const AltCommand command = DecideAltKey(c.key, kOnScreenPage, true, host->page.DisplayOn());
    const bool handled = command != AltCommand::kNotMine && command != AltCommand::kHelp;
    EXPECT_EQ(handled, c.handled);
    if (handled) host->page.RunAltCommand(command);
    host->Pump();
    EXPECT_EQ(GetFocus(), c.focus != 0 ? host->Item(c.focus) : host->Tab());
    EXPECT_EQ(host->fake.calls, c.calls);
    EXPECT_EQ(chooserCalls, c.chooserCalls);
    EXPECT_EQ(host->fake.live.on, c.onAfter);
    EXPECT_EQ(IsDlgButtonChecked(host->page.Hwnd(), IDC_OSD_DISPLAY), c.onAfter ? BST_CHECKED : BST_UNCHECKED);
    EXPECT_EQ(IsWindowEnabled(host->Item(IDC_OSD_FONT)) != FALSE, c.onAfter == 1);
  }
}

LONG ButtonType(HWND button) { return GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK; }

TEST_F(OsdPageTest, FirstPaint_PlacesTheFocusAsTheStartSwitchAsks) {
  struct Case {
    const char16_t* line;
    TabLayout::Kind layout;
    int selectedBefore;
    bool onDefault;
    int selectedAfter;
    int tabChanges;
  };
  constexpr auto kAll = TabLayout::kAllTabs, kNoDt = TabLayout::kNoDesktopTab, kNoNt = TabLayout::kNoNotebookTab,
                 kOsd = TabLayout::kOnScreenOnly;
  for (const Case& c :
       {Case{u"/t:2", kAll, 2, true, 2, 0}, Case{u"/T:2", kAll, 0, true, 2, 1}, Case{u"/t:2", kNoNt, 0, true, 1, 1},
        Case{u"/t:2", kNoDt, 1, true, 1, 0}, Case{u"/k", kOsd, 0, true, 0, 0}, Case{u"/t:1", kOsd, 0, true, 0, 0},
        Case{u"/k", kAll, 2, false, 2, 0}, Case{u"/t:1", kNoNt, 1, false, 1, 0}, Case{u"/t:0", kAll, 0, false, 0, 0}}) {
    SCOPED_TRACE(ToUtf8(c.line) + " layout " + std::to_string(c.layout));
    OsdHost fresh;
    fresh.fake.commandLine = c.line;
    fresh.fake.layout = c.layout;
    SendMessageW(fresh.Tab(), TCM_SETCURSEL, static_cast<WPARAM>(c.selectedBefore), 0);
    SetFocus(fresh.Ok());
    fresh.ShowPage();
    fresh.Pump();
    EXPECT_EQ(GetFocus(), c.onDefault ? fresh.Item(IDC_OSD_DEFAULT) : fresh.Tab());
    EXPECT_EQ(SendMessageW(fresh.Tab(), TCM_GETCURSEL, 0, 0), c.selectedAfter);
    EXPECT_EQ(fresh.tabChanges, c.tabChanges);
    EXPECT_EQ(ButtonType(fresh.Item(IDC_OSD_DEFAULT)), c.onDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    EXPECT_EQ(ButtonType(fresh.Ok()), c.onDefault ? BS_PUSHBUTTON : BS_DEFPUSHBUTTON);

    // A paint without a new showing leaves the focus alone, also after the tab change above.
    SetFocus(fresh.Ok());
    RedrawWindow(fresh.page.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(GetFocus(), fresh.Ok());

    // From the next showing on, the tab control takes the focus.
    fresh.ShowPage();
    fresh.Pump();
    EXPECT_EQ(GetFocus(), fresh.Tab());
    EXPECT_EQ(fresh.page.Activations(), 2);
  }
}

TEST_F(OsdPageTest, FontCombo_ListsTheFilteredFamiliesInTheirOrderUnsorted) {
  HWND combo = host->Item(IDC_OSD_FONT);
  const LONG style = GetWindowLongW(combo, GWL_STYLE);
  EXPECT_EQ(style & CBS_SORT, 0);
  EXPECT_EQ(style & 3, CBS_DROPDOWNLIST);
  const std::vector<std::u16string>& list = host->page.FontList();
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(list.size()));
  for (size_t i = 0; i < list.size(); ++i) {
    wchar_t text[LF_FACESIZE * 4] = {};
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(Utf16(text), list[i]) << i;
  }
  // The system enumerates a family once per character set; the list names it once.
  std::set<std::u16string> unique;
  for (const auto& face : list) EXPECT_TRUE(unique.insert(AsciiLower(face)).second) << ToUtf8(face);
  // Fonts the test prefix is known to hold: regular TrueType in the ANSI or Shift-JIS set are listed; symbol
  // sets, heavier weights and vertical families are not.
  struct Fact {
    const char16_t* face;
    bool listed;
  };
  for (const Fact& f : {Fact{u"Tahoma", true}, Fact{u"Liberation Sans", true}, Fact{u"MS UI Gothic", true},
                        Fact{u"IPAGothic", true}, Fact{u"Symbol", false}, Fact{u"Wingdings", false},
                        Fact{u"Marlett", false}, Fact{u"@MS UI Gothic", false}, Fact{u"@IPAGothic", false}}) {
    EXPECT_EQ(FindFont(list, f.face) >= 0, f.listed) << ToUtf8(f.face);
  }
}

// Every family the system offers only in forms that are not TrueType (PostScript outlines, bitmaps).
std::set<std::wstring> FamiliesWithoutTrueType() {
  struct Seen {
    std::set<std::wstring> any, trueType;
  } seen;
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(
      dc, &wanted,
      [](const LOGFONTW* lf, const TEXTMETRICW*, DWORD type, LPARAM l) -> int {
        auto* s = reinterpret_cast<Seen*>(l);
        s->any.insert(lf->lfFaceName);
        if (type & TRUETYPE_FONTTYPE) s->trueType.insert(lf->lfFaceName);
        return 1;
      },
      reinterpret_cast<LPARAM>(&seen), 0);
  ReleaseDC(nullptr, dc);
  std::set<std::wstring> out;
  for (const auto& f : seen.any)
    if (!seen.trueType.count(f)) out.insert(f);
  return out;
}

TEST_F(OsdPageTest, FontList_LeavesOutFamiliesThatAreNotTrueType) {
  const std::vector<std::u16string> list = EnumerateFontList();
  EXPECT_EQ(list, host->page.FontList());
  const std::set<std::wstring> others = FamiliesWithoutTrueType();
  // The PostScript outlines that ImageMagick's Ghostscript brings (fonts-urw-base35) are such families.
  ASSERT_FALSE(others.empty());
  for (const std::wstring& face : others) {
    EXPECT_LT(FindFont(list, Utf16(face)), 0) << ToUtf8(Utf16(face));
  }
}

}  // namespace
}  // namespace tapstart::test
