// The on-screen display page: copies the live on-screen settings into its controls and edits them in place.
#include "CtabMainOSDTab_win32.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>

#include "mainwnd/FontList_win32.h"
#include "mainwnd/OnScreenData.h"
#include "res/osd_ids.h"
#include "res/resource.h"
#include "store/Text.h"
#include "store/UserData.h"
#include "ui/Resources_win32.h"
#include "ui/SystemLibrary_win32.h"

namespace tapstart {
namespace {

// String table entries of the page.
constexpr UINT kIdsSizeFirst = 3005;  // "Minimum" to "Maximum": 3005 to 3009
constexpr UINT kIdsDefault = 3014;
constexpr UINT kIdsDisplay = 3030;
constexpr UINT kIdsFont = 3031;
constexpr UINT kIdsSize = 3032;
constexpr UINT kIdsColor = 3033;
constexpr UINT kIdsSelect = 3034;
constexpr UINT kIdsPreview = 3035;
constexpr int kSizeSteps = 5;

// The main window's controls that the page's first focus touches.
constexpr int kMainTabControl = 1043;
constexpr int kMainOk = 1042;

// The controls that follow the display switch.
constexpr int kDependents[] = {IDC_OSD_FONT,       IDC_OSD_SIZE,       IDC_OSD_SELECT,
                               IDC_OSD_FONT_LABEL, IDC_OSD_SIZE_LABEL, IDC_OSD_COLOR_LABEL};

std::wstring Wide(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }
std::u16string U16(std::wstring_view s) { return std::u16string(s.begin(), s.end()); }

// The bottom of the desktop's work area, or 0 when the system cannot say.
int WorkAreaBottom() {
  RECT area{};
  return SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0) ? area.bottom : 0;
}

// The colour dialog's own handling is kept: the hook lets every message through.
UINT_PTR CALLBACK ColorHook(HWND, UINT, WPARAM, LPARAM) { return 0; }

}  // namespace

std::optional<COLORREF> RunColorDialog(HWND owner, COLORREF initial, CustomColors& custom) {
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = owner != nullptr ? GetAncestor(owner, GA_ROOT) : nullptr;
  cc.rgbResult = initial;
  cc.lpCustColors = custom.data();
  cc.Flags = CC_RGBINIT | CC_ENABLEHOOK | CC_ANYCOLOR;
  cc.lpfnHook = ColorHook;
  const auto choose = SystemFunction<BOOL(WINAPI*)(LPCHOOSECOLORW)>(L"comdlg32.dll", "ChooseColorW");
  if (choose == nullptr || !choose(&cc)) return std::nullopt;
  return cc.rgbResult;
}

CtabMainOSDTab::CtabMainOSDTab(MainServices& services) : Dialog(IDD_OSD_TAB), services_(services) {}

CtabMainOSDTab::~CtabMainOSDTab() {
  // The preview must not keep a font that is about to be freed while its window still exists.
  if (hwnd_ != nullptr) SendItem(IDC_OSD_PREVIEW, WM_SETFONT, 0, FALSE);
}

BOOL CtabMainOSDTab::OnInitDialog() {
  SetFocus(Item(IDC_OSD_DEFAULT));
  return FALSE;  // the focus is placed
}

void CtabMainOSDTab::SetCaptions() {
  SetItemText(IDC_OSD_DEFAULT, LoadStr(kIdsDefault));
  SetItemText(IDC_OSD_DISPLAY, LoadStr(kIdsDisplay));
  SetItemText(IDC_OSD_FONT_LABEL, LoadStr(kIdsFont));
  SetItemText(IDC_OSD_SIZE_LABEL, LoadStr(kIdsSize));
  SetItemText(IDC_OSD_COLOR_LABEL, LoadStr(kIdsColor));
  SetItemText(IDC_OSD_SELECT, LoadStr(kIdsSelect));
  SetItemText(IDC_OSD_PREVIEW_LABEL, LoadStr(kIdsPreview));

  const LRESULT selected = SendItem(IDC_OSD_SIZE, CB_GETCURSEL);
  SendItem(IDC_OSD_SIZE, CB_RESETCONTENT);
  for (int i = 0; i < kSizeSteps; ++i) {
    const std::wstring text = LoadStr(kIdsSizeFirst + static_cast<UINT>(i));
    const LRESULT at =
        SendItem(IDC_OSD_SIZE, CB_INSERTSTRING, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.c_str()));
    if (at >= 0) SendItem(IDC_OSD_SIZE, CB_SETITEMDATA, static_cast<WPARAM>(at), i + 1);
  }
  SendItem(IDC_OSD_SIZE, CB_SETCURSEL, static_cast<WPARAM>(selected));
}

void CtabMainOSDTab::ApplyFonts(HFONT uiFont, HFONT largeFont, BOOL redraw) {
  for (int id : {IDC_OSD_DEFAULT, IDC_OSD_DISPLAY, IDC_OSD_FONT_LABEL, IDC_OSD_SIZE_LABEL, IDC_OSD_COLOR_LABEL,
                 IDC_OSD_SELECT, IDC_OSD_PREVIEW_LABEL})
    SendItem(id, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont), redraw);
  for (int id : {IDC_OSD_FONT, IDC_OSD_SIZE}) SendItem(id, WM_SETFONT, reinterpret_cast<WPARAM>(largeFont), redraw);
}

const std::vector<std::u16string>& CtabMainOSDTab::FillFontList() {
  fonts_ = EnumerateFontList();
  SendItem(IDC_OSD_FONT, WM_SETREDRAW, FALSE);
  SendItem(IDC_OSD_FONT, CB_RESETCONTENT);
  // Inserted by index: the combo keeps the order of enumeration.
  for (size_t i = 0; i < fonts_.size(); ++i) {
    const std::wstring face = Wide(fonts_[i]);
    SendItem(IDC_OSD_FONT, CB_INSERTSTRING, i, reinterpret_cast<LPARAM>(face.c_str()));
  }
  SendItem(IDC_OSD_FONT, WM_SETREDRAW, TRUE);
  return fonts_;
}

void CtabMainOSDTab::ShowSettings() {
  const ONSCREEN_DATA& live = services_.LiveOnScreen();
  CheckDlgButton(hwnd_, IDC_OSD_DISPLAY, live.on != 0 ? BST_CHECKED : BST_UNCHECKED);
  EnableDependents(live.on != 0);
  const std::wstring face = Wide(live.face);
  const LRESULT font = face.empty() ? CB_ERR
                                    : SendItem(IDC_OSD_FONT, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                               reinterpret_cast<LPARAM>(face.c_str()));
  SendItem(IDC_OSD_FONT, CB_SETCURSEL, static_cast<WPARAM>(font));
  SendItem(IDC_OSD_SIZE, CB_SETCURSEL, static_cast<WPARAM>(static_cast<int>(live.size) - 1));
  RefreshPreview();
}

void CtabMainOSDTab::RefreshPreview() {
  HWND preview = Item(IDC_OSD_PREVIEW);
  if (preview == nullptr) return;
  const ONSCREEN_DATA& live = services_.LiveOnScreen();
  const std::u16string& previewText = services_.PreviewText();
  const std::u16string text = previewText.empty() ? services_.LiveUserData().name : previewText;

  // The font starts from the one selected into the preview's device context; face, set, width and height
  // are the settings'.
  LOGFONTW lf{};
  {
    WindowDC dc(preview);
    HGDIOBJ current = dc.Get() != nullptr ? GetCurrentObject(dc.Get(), OBJ_FONT) : nullptr;
    if (current == nullptr || GetObjectW(current, sizeof lf, &lf) != static_cast<int>(sizeof lf)) lf = LOGFONTW{};
  }
  const std::u16string face = CutUnits(live.face, LF_FACESIZE - 1);
  std::fill(std::begin(lf.lfFaceName), std::end(lf.lfFaceName), L'\0');
  std::copy(face.begin(), face.end(), lf.lfFaceName);
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfWidth = 0;
  lf.lfHeight = PreviewHeight(WorkAreaBottom(), live.size);

  Font font(CreateFontIndirectW(&lf));
  if (font) {
    SendMessageW(preview, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    previewFont_ = std::move(font);  // the previous font is freed once the control no longer uses it
  }
  SetWindowTextW(preview, Wide(text).c_str());
  // The text's colour and transparent background come from WM_CTLCOLORSTATIC as the control repaints.
  InvalidateRect(preview, nullptr, TRUE);
}

bool CtabMainOSDTab::HandleMnemonic(wchar_t key) {
  int id = 0;
  // Virtual-key codes: the letters are their capitals, and F4 or the keypad keys must not pass for them.
  switch (key) {
    case L'F':
      id = IDC_OSD_FONT;
      break;
    case L'S':
      id = IDC_OSD_SIZE;
      break;
    case L'C':
      id = IDC_OSD_SELECT;
      break;
    case L'D':
      id = IDC_OSD_DEFAULT;
      break;
    case L'O':
      id = IDC_OSD_DISPLAY;
      break;
    default:
      return false;
  }
  HWND control = Item(id);
  // A control switched off with the display does not answer its mnemonic, as the dialog manager's would not.
  if (control == nullptr || !IsWindowEnabled(control)) return true;
  SetFocus(control);
  switch (id) {
    case IDC_OSD_SELECT:
      ChooseColorForPreview();
      break;
    case IDC_OSD_DEFAULT:
      services_.RestoreDefaults(kOnScreenPage);
      break;
    case IDC_OSD_DISPLAY:
      CheckDlgButton(hwnd_, IDC_OSD_DISPLAY,
                     IsDlgButtonChecked(hwnd_, IDC_OSD_DISPLAY) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
      DisplayClicked();
      break;
    default:
      break;
  }
  return true;
}

bool CtabMainOSDTab::OnCommand(int id, int code, HWND) {
  switch (id) {
    case IDOK:
      services_.PageOk();
      return true;
    case IDCANCEL:
      services_.PageClose();
      return true;
    case IDC_OSD_DISPLAY:
      if (code == BN_CLICKED) DisplayClicked();
      return true;
    case IDC_OSD_DEFAULT:
      if (code == BN_CLICKED) services_.RestoreDefaults(kOnScreenPage);
      return true;
    case IDC_OSD_SELECT:
      if (code == BN_CLICKED) ChooseColorForPreview();
      return true;
    case IDC_OSD_FONT:
      if (code == CBN_SELCHANGE) {
        const LRESULT sel = SendItem(IDC_OSD_FONT, CB_GETCURSEL);
        const LRESULT len = sel >= 0 ? SendItem(IDC_OSD_FONT, CB_GETLBTEXTLEN, static_cast<WPARAM>(sel)) : CB_ERR;
        if (len < 0) return true;
        std::wstring face(static_cast<size_t>(len) + 1, L'\0');
        const LRESULT got =
            SendItem(IDC_OSD_FONT, CB_GETLBTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(face.data()));
        face.resize(got > 0 ? static_cast<size_t>(got) : 0);
        services_.LiveOnScreen().face = U16(face);
        RefreshPreview();
      }
      return true;
    case IDC_OSD_SIZE:
      if (code == CBN_SELCHANGE) {
        const LRESULT sel = SendItem(IDC_OSD_SIZE, CB_GETCURSEL);
        const LRESULT step = sel >= 0 ? SendItem(IDC_OSD_SIZE, CB_GETITEMDATA, static_cast<WPARAM>(sel)) : CB_ERR;
        if (step < 1 || step > kSizeSteps) return true;
        services_.LiveOnScreen().size = static_cast<uint8_t>(step);
        RedrawWindow(Item(IDC_OSD_PREVIEW), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
        RefreshPreview();
      }
      return true;
    default:
      return false;
  }
}

bool CtabMainOSDTab::OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) {
  switch (msg) {
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(l) != Item(IDC_OSD_PREVIEW)) return false;
      SetTextColor(reinterpret_cast<HDC>(w), services_.LiveOnScreen().color);
      SetBkMode(reinterpret_cast<HDC>(w), TRANSPARENT);
      result = reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    case WM_ACTIVATEAPP:
      services_.SetAppActive(w != FALSE);
      result = 0;
      return true;
    case kMsgPageShown:
      ++activations_;
      // The showing that answers the page's own tab selection belongs to the paint that made it.
      firstPaintArmed_ = !ownTabChange_;
      ownTabChange_ = false;
      result = 0;
      return true;
    case WM_PAINT:
      // The paint itself is the dialog manager's; the page only acts on it once after being shown.
      if (firstPaintArmed_) PlaceFirstFocus();
      return false;
    default:
      return false;
  }
}

void CtabMainOSDTab::DisplayClicked() {
  const bool on = IsDlgButtonChecked(hwnd_, IDC_OSD_DISPLAY) == BST_CHECKED;
  services_.LiveOnScreen().on = on ? 1 : 0;
  EnableDependents(on);
}

void CtabMainOSDTab::EnableDependents(bool enable) {
  for (int id : kDependents) EnableItem(id, enable);
}

void CtabMainOSDTab::ChooseColorForPreview() {
  ONSCREEN_DATA& live = services_.LiveOnScreen();
  if (chooseColor) {
    if (const auto chosen = chooseColor(hwnd_, live.color, customColors_)) live.color = *chosen;
  }
  RefreshPreview();
}

void CtabMainOSDTab::PlaceFirstFocus() {
  firstPaintArmed_ = false;
  HWND main = GetParent(hwnd_);
  HWND tab = main != nullptr ? GetDlgItem(main, kMainTabControl) : nullptr;
  const OnScreenFirstFocus focus =
      DecideOnScreenFirstFocus(activations_, services_.CommandLineText(), services_.TabLayout());
  if (!focus.onPage) {
    if (tab != nullptr) SetFocus(tab);
    return;
  }
  if (tab != nullptr && SendMessageW(tab, TCM_GETCURSEL, 0, 0) != focus.tabIndex) {
    SendMessageW(tab, TCM_SETCURSEL, static_cast<WPARAM>(focus.tabIndex), 0);
    // The main window shows the selected tab's page when its tab control reports the change, and tells the
    // page so, at once or later.
    ownTabChange_ = true;
    NMHDR change{tab, static_cast<UINT_PTR>(kMainTabControl), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(main, WM_NOTIFY, kMainTabControl, reinterpret_cast<LPARAM>(&change));
  }
  if (HWND ok = GetDlgItem(main, kMainOk)) SendMessageW(ok, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  SendItem(IDC_OSD_DEFAULT, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  SetFocus(Item(IDC_OSD_DEFAULT));
}

}  // namespace tapstart
