// The on-screen display page: copies the live on-screen settings into its controls and edits them in place.
#include "CtabMainOSDTab_win32.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>

#include "mainwnd/CMainTabCtrl_win32.h"
#include "mainwnd/FontList_win32.h"
#include "mainwnd/OnScreenData.h"
#include "res/resource.h"
#include "store/Text.h"
#include "store/UserData.h"
#include "ui/Resources_win32.h"
#include "ui/SystemLibrary_win32.h"
#include "ui/Text_win32.h"

namespace tapstart {
namespace {

constexpr int kSizeSteps = 5;

// The controls that follow the display switch.
constexpr int kDependents[] = {IDC_OSD_FONT,       IDC_OSD_SIZE,       IDC_OSD_SELECT,
                               IDC_OSD_FONT_LABEL, IDC_OSD_SIZE_LABEL, IDC_OSD_COLOR_LABEL};

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
  ApplyCaptions(hwnd_, {{IDC_OSD_DEFAULT, IDS_DEFAULT},
                        {IDC_OSD_DISPLAY, IDS_OSD_DISPLAY},
                        {IDC_OSD_FONT_LABEL, IDS_OSD_FONT},
                        {IDC_OSD_SIZE_LABEL, IDS_OSD_SIZE},
                        {IDC_OSD_COLOR_LABEL, IDS_OSD_COLOR},
                        {IDC_OSD_SELECT, IDS_OSD_SELECT},
                        {IDC_OSD_PREVIEW_LABEL, IDS_OSD_PREVIEW}});
  const ComboBox sizes = ComboItem(IDC_OSD_SIZE);
  const int selected = sizes.Selected();
  std::vector<std::wstring> steps;
  for (UINT i = 0; i < kSizeSteps; ++i) steps.push_back(LoadStr(IDS_SIZE_MINIMUM + i));
  sizes.Fill(steps);
  for (int i = 0; i < kSizeSteps; ++i) sizes.SetData(i, i + 1);
  sizes.Select(selected);
}

void CtabMainOSDTab::ApplyFonts(HFONT uiFont, HFONT largeFont, BOOL redraw) {
  for (int id : {IDC_OSD_DEFAULT, IDC_OSD_DISPLAY, IDC_OSD_FONT_LABEL, IDC_OSD_SIZE_LABEL, IDC_OSD_COLOR_LABEL,
                 IDC_OSD_SELECT, IDC_OSD_PREVIEW_LABEL})
    SendItem(id, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont), redraw);
  for (int id : {IDC_OSD_FONT, IDC_OSD_SIZE}) SendItem(id, WM_SETFONT, reinterpret_cast<WPARAM>(largeFont), redraw);
}

const std::vector<std::u16string>& CtabMainOSDTab::FillFontList() {
  if (fontsFilled_) return fonts_;
  fontsFilled_ = true;
  fonts_ = EnumerateFontList();
  std::vector<std::wstring> faces;
  faces.reserve(fonts_.size());
  for (const std::u16string& face : fonts_) faces.push_back(Wide(face));
  ComboItem(IDC_OSD_FONT).Fill(faces);
  SelectLiveFont();
  return fonts_;
}

void CtabMainOSDTab::SelectLiveFont() {
  const ComboBox fonts = ComboItem(IDC_OSD_FONT);
  fonts.Select(fonts.FindExact(Wide(services_.LiveOnScreen().face)));
}

void CtabMainOSDTab::ShowSettings() {
  const ONSCREEN_DATA& live = services_.LiveOnScreen();
  ButtonItem(IDC_OSD_DISPLAY).SetChecked(live.on != 0);
  EnableDependents(live.on != 0);
  // Before the list is filled there is nothing to select: the fill selects the live face.
  if (fontsFilled_) SelectLiveFont();
  ComboItem(IDC_OSD_SIZE).Select(static_cast<int>(live.size) - 1);
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

void CtabMainOSDTab::RunAltCommand(AltCommand command) {
  switch (command) {
    case AltCommand::kFocusFont:
      SetFocus(Item(IDC_OSD_FONT));
      break;
    case AltCommand::kFocusSize:
      SetFocus(Item(IDC_OSD_SIZE));
      break;
    case AltCommand::kChooseColor:
      SetFocus(Item(IDC_OSD_SELECT));
      ChooseColorForPreview();
      break;
    case AltCommand::kRunDefault:
      SetFocus(Item(IDC_OSD_DEFAULT));
      services_.RestoreDefaults(kOnScreenPage);
      break;
    case AltCommand::kToggleDisplay:
      SetFocus(Item(IDC_OSD_DISPLAY));
      ButtonItem(IDC_OSD_DISPLAY).SetChecked(!DisplayOn());
      DisplayClicked();
      break;
    default:
      break;
  }
}

bool CtabMainOSDTab::DisplayOn() const { return ButtonItem(IDC_OSD_DISPLAY).IsChecked(); }

void CtabMainOSDTab::ClearDefaultLook() {
  for (int id : {IDC_OSD_DEFAULT, IDC_OSD_SELECT}) ButtonItem(id).SetDefaultLook(false);
}

bool CtabMainOSDTab::OnCommand(int id, int code, HWND) {
  if (id == IDC_OSD_FONT && code == CBN_SELCHANGE) {
    FontChosen();
    return true;
  }
  if (id == IDC_OSD_SIZE && code == CBN_SELCHANGE) {
    SizeChosen();
    return true;
  }
  return false;
}

bool CtabMainOSDTab::OnButtonClicked(int id) {
  switch (id) {
    case IDC_OSD_DISPLAY:
      DisplayClicked();
      return true;
    case IDC_OSD_DEFAULT:
      services_.RestoreDefaults(kOnScreenPage);
      return true;
    case IDC_OSD_SELECT:
      ChooseColorForPreview();
      return true;
    default:
      return false;
  }
}

void CtabMainOSDTab::FontChosen() {
  const ComboBox fonts = ComboItem(IDC_OSD_FONT);
  const int sel = fonts.Selected();
  if (sel < 0) return;
  services_.LiveOnScreen().face = Utf16(fonts.Text(sel));
  RefreshPreview();
}

void CtabMainOSDTab::SizeChosen() {
  const ComboBox sizes = ComboItem(IDC_OSD_SIZE);
  const int sel = sizes.Selected();
  const LPARAM step = sel >= 0 ? sizes.Data(sel) : CB_ERR;
  if (step < 1 || step > kSizeSteps) return;
  services_.LiveOnScreen().size = static_cast<uint8_t>(step);
  RedrawWindow(Item(IDC_OSD_PREVIEW), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
  RefreshPreview();
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
      firstPaintArmed_ = true;
      result = 0;
      return true;
    case WM_PAINT:
      // The paint itself is the dialog manager's; the page only acts on it once after being shown.
      if (firstPaintArmed_) PlaceFirstFocus();
      return false;
    case WM_WINDOWPOSCHANGED:
      // The first showing fills the font list; the move itself is the dialog manager's.
      if ((reinterpret_cast<const WINDOWPOS*>(l)->flags & SWP_SHOWWINDOW) != 0) FillFontList();
      return false;
    default:
      return false;
  }
}

void CtabMainOSDTab::DisplayClicked() {
  const bool on = DisplayOn();
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
  const FirstFocus focus = DecideOnScreenFirstFocus(activations_, services_.CommandLineText(), services_.Layout());
  if (!focus.onPage) {
    services_.FocusTabControl();
    return;
  }
  if (focus.selectTab >= 0) services_.ShowTab(focus.selectTab);
  services_.TakeDefaultLookFromOk();
  ButtonItem(IDC_OSD_DEFAULT).SetDefaultLook(true);
  SetFocus(Item(IDC_OSD_DEFAULT));
}

}  // namespace tapstart
