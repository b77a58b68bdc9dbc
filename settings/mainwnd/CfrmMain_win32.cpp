// The main dialog of Pantik.
#include "mainwnd/CfrmMain_win32.h"

#include <commctrl.h>
#include <shellapi.h>
#include <stdlib.h>

#include "app/CStdModule_win32.h"
#include "app/Help_win32.h"
#include "app/Helpers.h"
#include "app/Helpers_win32.h"
#include "mainwnd/ButtonImage.h"
#include "mainwnd/ButtonTabPage_win32.h"
#include "mainwnd/CtabMainOSDTab_win32.h"
#include "mainwnd/FontList_win32.h"
#include "manager/CfrmManager_win32.h"
#include "res/osd_ids.h"
#include "res/resource.h"
#include "store/Text.h"
#include "ui/Resources_win32.h"
#include "ui/SystemLibrary_win32.h"

namespace tapstart {
namespace {

std::u16string U16(const std::wstring& s) { return std::u16string(s.begin(), s.end()); }
std::wstring W(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }

std::vector<std::u16string> ProcessArguments() {
  std::vector<std::u16string> args;
  // The runtime has split the command line already when the program has a wide entry point; a test program
  // with a narrow one asks the shell.
  if (__wargv != nullptr) {
    for (int i = 1; i < __argc; ++i) args.push_back(U16(__wargv[i]));
    return args;
  }
  const auto split =
      SystemFunction<LPWSTR*(WINAPI*)(LPCWSTR, int*)>(L"shell32.dll", "CommandLineToArgvW");
  int argc = 0;
  LPWSTR* argv = split != nullptr ? split(GetCommandLineW(), &argc) : nullptr;
  if (argv == nullptr) return args;
  for (int i = 1; i < argc; ++i) args.push_back(U16(argv[i]));
  LocalFree(argv);
  return args;
}

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD n = GetModuleFileNameW(nullptr, path.data(), MAX_PATH);
  path.resize(n < MAX_PATH ? n : MAX_PATH);
  return path;
}

size_t AnsiByteCount(std::u16string_view text) {
  const std::wstring w = W(text);
  const int n = WideCharToMultiByte(CP_ACP, 0, w.c_str(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  return n > 0 ? static_cast<size_t>(n) : 0;
}

// The real window system behind the handler's notification.
class WindowLink final : public HandlerLink {
 public:
  uintptr_t Find(std::u16string_view cls) override {
    return reinterpret_cast<uintptr_t>(FindWindowW(W(cls).c_str(), nullptr));
  }
  void Post(uintptr_t w, uint32_t msg, uintptr_t wp, intptr_t lp) override {
    PostMessageW(reinterpret_cast<HWND>(w), msg, wp, lp);
  }
  void Send(uintptr_t w, uint32_t msg, uintptr_t wp, intptr_t lp) override {
    SendMessageW(reinterpret_cast<HWND>(w), msg, wp, lp);
  }
};
WindowLink g_windowLink;

// The main window whose keyboard filter runs in this thread's dialog loops.
thread_local CfrmMain* g_filterTarget = nullptr;

LRESULT CALLBACK MessageFilter(int code, WPARAM w, LPARAM l) {
  if (code == MSGF_DIALOGBOX && g_filterTarget != nullptr) {
    MSG* msg = reinterpret_cast<MSG*>(l);
    // Only the main window's own loop: a dialog opened on top runs its own keys.
    HWND root = GetAncestor(msg->hwnd, GA_ROOT);
    if (root == g_filterTarget->Hwnd() && g_filterTarget->PreTranslate(*msg)) return TRUE;
  }
  return CallNextHookEx(nullptr, code, w, l);
}

Font MakeFont(int height, const std::wstring& face) {
  LOGFONTW lf{};
  lf.lfHeight = height;
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  return Font(CreateFontIndirectW(&lf));
}

}  // namespace

CfrmMain::CfrmMain(CStdModule& app) : Dialog(IDD_MAIN), app_(app), model_(app.Store) {
  Arguments = ProcessArguments();
  Link = &g_windowLink;
  Ask = [](HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) {
    return MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
  };
}

CfrmMain::~CfrmMain() {
  // The window goes first, while the pages and the data they reach still exist.
  if (Hwnd() != nullptr && !IsModal()) DestroyWindow(Hwnd());
  if (g_filterTarget == this) g_filterTarget = nullptr;
  if (filterHook_ != nullptr) UnhookWindowsHookEx(filterHook_);
}

void CfrmMain::Run() {
  filterHook_ = SetWindowsHookExW(WH_MSGFILTER, MessageFilter, nullptr, GetCurrentThreadId());
  g_filterTarget = this;
  RunModal(nullptr, LoadStr(IDS_UI_FACE), 9);
  g_filterTarget = nullptr;
  if (filterHook_ != nullptr) UnhookWindowsHookEx(filterHook_);
  filterHook_ = nullptr;
}

bool CfrmMain::CheckStartup() {
  const StartRequest request = ParseStartSwitch(JoinArguments(Arguments));
  commandLineText_ = request.commandLineText;
  app_.Store.useIniFile = ReadUseIniFile(app_.Store);
  const std::u16string keyboard = ReadKeyboardType(app_.Store);
  keyboardBits_ = DecimalValue(keyboard);
  InitialTab = -1;

  const std::u16string eventName = StartupEventName(U16(ModulePath()));
  app_.StartupEvent.Reset(CreateEventW(nullptr, FALSE, FALSE, W(eventName).c_str()));
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    if (HWND first = FindWindowW(kMainWindowClass, LoadStr(IDS_TITLE).c_str())) {
      HWND popup = GetLastActivePopup(first);
      SetForegroundWindow(popup != nullptr ? popup : first);
    }
    return false;
  }
  if (!HasLaunchButtons(keyboard)) return false;
  if (!request.accepted) return false;
  InitialTab = request.initialTab;
  app_.WizardOnly = request.wizardOnly;
  WizardButton = request.wizardButton;
  PressAfterWizard = request.pressAfterWizard;
  return true;
}

std::u16string CfrmMain::CommandLineSwitch() const { return AsciiLower(commandLineText_); }

BOOL CfrmMain::OnInitDialog() {
  hovered_ = -1;
  dialogOpen_ = false;
  tabs_.Attach(Item(IDC_MAIN_TAB));
  model_.machine = ReadMachineSettings(app_.Store);
  const std::wstring face = LoadStr(IDS_UI_FACE);
  const bool created = tabs_.CreatePages(
      [this](int page, UINT) -> std::unique_ptr<Dialog> {
        if (page == kDesktopPage) {
          auto p = std::make_unique<CtabMainDTTab>(*this);
          desktop_ = p.get();
          return p;
        }
        if (page == kNotebookPage) {
          auto p = std::make_unique<CtabMainNTTab>(*this);
          notebook_ = p.get();
          return p;
        }
        auto p = std::make_unique<CtabMainOSDTab>(*this);
        onScreen_ = p.get();
        return p;
      },
      face);
  EnableItem(IDC_MAIN_APPLY, true);

  if (!created || !CheckStartup()) {
    // Ended inside initialisation, the dialog is never shown: the process ends quietly with exit code 0.
    refused_ = true;
    app_.StartupEvent.Reset();
    End(0);
    return TRUE;
  }
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAIN))));
  SetCaptions();
  SetFonts();
  const std::vector<std::u16string> fonts = onScreen_->FillFontList();
  model_.Load(U16(face), fonts);
  FillPatternList();
  ShowUserData();
  onScreen_->ShowSettings();
  SetupTabsForKeyboard();
  ApplyDispSetting();
  tabs_.ShowCurrentPage();
  if (ButtonTabPage* page = ButtonPage(SelectedPageIndex())) PostMessageW(page->Hwnd(), kMsgPageShown, 0, 0);
  if (SelectedPageIndex() == kOnScreenPage) PostMessageW(onScreen_->Hwnd(), kMsgPageShown, 0, 0);
  appActive_ = true;
  return TRUE;
}

// Three fixed-width tabs of 199 pixels need a tab control that wide in every language's dialog units: a
// narrower one is widened with its dialog, and the bottom row keeps to the right edge.
void CfrmMain::FitTabsToWidth() {
  HWND tab = Item(IDC_MAIN_TAB);
  RECT r;
  GetWindowRect(tab, &r);
  const int needed = 3 * 199 + 8;
  const int delta = needed - (r.right - r.left);
  if (delta <= 0) return;
  SetWindowPos(tab, nullptr, 0, 0, r.right - r.left + delta, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
  for (int id : {IDC_MAIN_OK, IDCANCEL, IDC_MAIN_APPLY, IDC_MAIN_HELP}) {
    RECT b;
    GetWindowRect(Item(id), &b);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&b), 2);
    SetWindowPos(Item(id), nullptr, b.left + delta, b.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }
  RECT w;
  GetWindowRect(hwnd_, &w);
  SetWindowPos(hwnd_, nullptr, w.left - delta / 2, w.top, w.right - w.left + delta, w.bottom - w.top, SWP_NOZORDER);
}

void CfrmMain::SetCaptions() {
  SetWindowTextW(hwnd_, LoadStr(IDS_TITLE).c_str());
  SendItem(IDC_MAIN_TAB, TCM_SETITEMSIZE, 0, MAKELPARAM(199, 19));
  FitTabsToWidth();
  for (int i = 0; i < 3; ++i) {
    std::u16string caption = U16(LoadStr(i < 2 ? 3010 : 3011));
    if (i < 2) {
      const std::u16string over = app_.Store.GetRegString(Hive::LocalMachine, std::u16string(kUtlSettingKey) + u"\\TabName",
                                                          u"Tab" + DecimalText(i), u"");
      if (!over.empty()) caption = over;
    }
    std::wstring text = W(CutToAnsiBytes(caption, 28, AnsiByteCount));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendItem(IDC_MAIN_TAB, TCM_SETITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  const std::u16string buttonNames = std::u16string(kUtlSettingKey) + u"\\ButtonName";
  for (ButtonTabPage* page : {desktop_, notebook_}) {
    const ButtonPageIds& ids = page->Ids();
    page->SetItemText(ids.group, LoadStr(3017));
    page->SetItemText(ids.patternLabel, LoadStr(3012));
    page->SetItemText(ids.manager, LoadStr(3013));
    page->SetItemText(ids.wizard, LoadStr(3015));
    page->SetItemText(ids.defaults, LoadStr(3014));
    for (int i = 0; i < ids.positions; ++i) {
      std::wstring label = LoadStr(3016) + std::to_wstring(i + 1);
      if (page == notebook_ && model_.machine.qstart == 1 && i < 2) label = LoadStr(3275) + std::to_wstring(i + 1);
      const std::u16string over =
          app_.Store.GetRegString(Hive::LocalMachine, buttonNames, u"AppKey" + DecimalText(ids.firstRecord + i + 1), u"");
      if (!over.empty()) label = W(over);
      page->SetItemText(ids.labels[i], label);
    }
  }
  SetItemText(IDC_MAIN_OK, LoadStr(3020));
  SetItemText(IDCANCEL, LoadStr(3021));
  SetItemText(IDC_MAIN_APPLY, LoadStr(3022));
  SetItemText(IDC_MAIN_HELP, LoadStr(3023));
  onScreen_->SetCaptions();
}

void CfrmMain::SetFonts() {
  const std::wstring face = LoadStr(IDS_UI_FACE);
  uiFont_ = MakeFont(LoadRcInt(IDR_HEIGHT_UI, 14), face);
  largeFont_ = MakeFont(LoadRcInt(IDR_HEIGHT_LARGE, 16), face);
  // Before the window is first shown nothing needs repainting, and under Wine every redraw request costs.
  const BOOL redraw = IsWindowVisible(hwnd_);
  const auto setFont = [redraw](HWND w, HFONT f) { SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(f), redraw); };
  setFont(Item(IDC_MAIN_TAB), uiFont_.Get());
  for (ButtonTabPage* page : {desktop_, notebook_}) {
    const ButtonPageIds& ids = page->Ids();
    for (int id : {ids.group, ids.patternLabel, ids.manager, ids.wizard, ids.defaults}) setFont(page->Item(id), uiFont_.Get());
    for (int i = 0; i < ids.positions; ++i) {
      setFont(page->Item(ids.labels[i]), uiFont_.Get());
      setFont(page->Item(ids.edits[i]), uiFont_.Get());
    }
    setFont(page->Item(ids.pattern), largeFont_.Get());
  }
  onScreen_->ApplyFonts(uiFont_.Get(), largeFont_.Get(), redraw);
  for (int id : {IDC_MAIN_OK, IDCANCEL, IDC_MAIN_APPLY, IDC_MAIN_HELP}) setFont(Item(id), uiFont_.Get());
}

void CfrmMain::SetupTabsForKeyboard() {
  plan_ = PlanTabs(keyboardBits_, model_.machine, InitialTab, model_.defaults);
  for (int index : plan_.removeTabs) {
    if (TabCtrl_GetCurSel(Item(IDC_MAIN_TAB)) == index) TabCtrl_SetCurSel(Item(IDC_MAIN_TAB), index == 0 ? 1 : 0);
    (void)tabs_.RemovePage(index);
  }
  TabCtrl_SetCurSel(Item(IDC_MAIN_TAB), plan_.selectTab);
  if (plan_.layout != 1 && plan_.layout != -2)
    for (int pos = 2; pos >= plan_.notebookShown; --pos) notebook_->HidePosition(pos);
  if (plan_.desktopOverride)
    for (int pos = 4; pos >= plan_.desktopCount; --pos) desktop_->HidePosition(pos);
  if (plan_.namedKeys)
    for (int i = 0; i < 5; ++i) desktop_->SetItemText(desktop_->Ids().labels[i], LoadStr(3130 + i));
}

void CfrmMain::ApplyDispSetting() {
  if (!model_.machine.hidePatternControls) return;
  for (ButtonTabPage* page : {desktop_, notebook_})
    for (int id : {page->Ids().patternLabel, page->Ids().pattern, page->Ids().manager}) {
      page->ShowItem(id, false);
      page->EnableItem(id, false);
    }
}

ButtonTabPage* CfrmMain::ButtonPage(int page) const {
  if (page == kDesktopPage) return desktop_;
  if (page == kNotebookPage) return notebook_;
  return nullptr;
}

int CfrmMain::SelectedPageIndex() const {
  const int sel = TabCtrl_GetCurSel(Item(IDC_MAIN_TAB));
  switch (plan_.layout) {
    case 0:
      return sel + 1;
    case 1:
      return sel == 1 ? kOnScreenPage : sel;
    case -2:
      return kOnScreenPage;
    default:
      return sel;
  }
}

void CfrmMain::SelectTab(int index) {
  TabCtrl_SetCurSel(Item(IDC_MAIN_TAB), index);
  tabs_.ShowCurrentPage();
}

void CfrmMain::FillPatternList() {
  const std::vector<std::u16string> names = model_.PatternNames();
  for (ButtonTabPage* page : {desktop_, notebook_}) {
    if ((plan_.layout == 0 && page == desktop_) || (plan_.layout == 1 && page == notebook_)) continue;
    HWND combo = page->Item(page->Ids().pattern);
    SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (size_t n = 0; n < names.size(); ++n)
      SendMessageW(combo, CB_INSERTSTRING, n, reinterpret_cast<LPARAM>(W(names[n]).c_str()));
    SendMessageW(combo, CB_SETCURSEL, model_.currUser - 1, 0);
    SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(combo, nullptr, TRUE);
  }
}

void CfrmMain::ShowUserData() {
  for (ButtonTabPage* page : {desktop_, notebook_}) {
    if ((plan_.layout == 0 && page == desktop_) || (plan_.layout == 1 && page == notebook_)) continue;
    const ButtonPageIds& ids = page->Ids();
    for (int i = 0; i < ids.positions; ++i) {
      page->ShowName(i, model_.live.buttons[ids.firstRecord + i].name);
      SetButtonImage(ids.firstRecord + i, kPictureNormal);
    }
  }
}

void CfrmMain::SetButtonImage(int record, int state) {
  if (record < 0 || record >= kButtonSlots) return;
  APPKEY_DATA& rec = model_.live.buttons[record];
  const ButtonPicture picture = ChooseButtonPicture(
      {rec.code, rec.count, state, model_.machine.imageMode, model_.machine.qstart, record});
  if (picture.codeBecomesM) {
    rec.code = u"M";
    model_.saved.buttons[record].code = u"M";
  }
  ButtonTabPage* page = record < 5 ? desktop_ : notebook_;
  const int pos = record < 5 ? record : record - 5;
  if (page != nullptr && pos < page->Ids().positions) page->Button(pos).SetBitmapId(picture.bitmapId);
}

void CfrmMain::SetHoverImage(int state) {
  if (hovered_ < 0) return;
  SetButtonImage(hovered_, state);
  if (state == kPictureHovered) {
    ButtonTabPage* page = hovered_ < 5 ? desktop_ : notebook_;
    TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, page->Button(hovered_ < 5 ? hovered_ : hovered_ - 5).Hwnd(), 0};
    TrackMouseEvent(&t);
  }
}

void CfrmMain::MarkFocus(int labelId, bool focused) {
  ButtonTabPage* page = SelectedPageIndex() == kNotebookPage ? notebook_ : desktop_;
  if (focused) {
    buttonHasFocus_ = true;
    focusedLabel_ = labelId;
  } else if (appActive_) {
    buttonHasFocus_ = false;
  } else {
    return;
  }
  for (ButtonTabPage* p : {page, page == desktop_ ? notebook_ : desktop_})
    if (HWND label = p->Item(labelId)) InvalidateRect(label, nullptr, TRUE);
}

void CfrmMain::EditButton(int record) {
  const int b = record + 1;
  // In the Japanese interface the maker's own set-up program may take such a button over: it is started and
  // this program ends. When it cannot be started nothing further happens.
  if (app_.UiLanguage == 1041 && IsOwnSetupButton(app_.Store, b)) {
    if (LaunchOwnSetup(b)) {
      app_.StartupEvent.Reset();
      ExitProcess(0);
    }
    return;
  }
}

void CfrmMain::Notify() { NotifyButtonHandler(*Link); }

bool CfrmMain::AskToSave(int& answer) {
  answer = Ask(hwnd_, LoadStr(3110), LoadStr(3111), MB_YESNOCANCEL | MB_ICONQUESTION);
  return answer == IDYES;
}

void CfrmMain::cmdOK_Click() {
  if (hovered_ >= 0) {
    SetButtonImage(hovered_, kPictureNormal);
    hovered_ = -1;
  }
  (void)model_.PrepareOk();  // a store that cannot be written loses nothing of the live copy, which stays open
  if (!model_.IsChanged()) {
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    return;
  }
  int answer = 0;
  if (AskToSave(answer)) {
    (void)model_.SaveAll();
    Notify();
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
  } else if (answer == IDNO) {
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
  }
}

void CfrmMain::cmdApply_Click() {
  (void)model_.SavePatternNumbers();
  (void)model_.SaveAll();
  Notify();
}

void CfrmMain::cmdHelp_Click() { OpenHelp(HelpTopic::MainWindow); }

void CfrmMain::ChangePattern(int page) {
  ButtonTabPage* self = ButtonPage(page);
  if (self == nullptr) return;
  const int s = static_cast<int>(self->SendItem(self->Ids().pattern, CB_GETCURSEL));
  if (s < 0 || s + 1 == model_.currUser) return;
  // Only the buttons belong to a pattern: on-screen changes stay pending for Apply or OK.
  if (!IsUserDataEqual(model_.live, model_.saved, model_.machine.recordsInUse)) {
    int answer = 0;
    if (AskToSave(answer)) {
      (void)app_.Store.SaveUserData(model_.currUser, model_.live);
    } else if (answer != IDNO) {
      self->SendItem(self->Ids().pattern, CB_SETCURSEL, model_.currUser - 1);
      return;
    }
  }
  model_.SwitchPattern(s + 1);
  ButtonTabPage* other = self == desktop_ ? notebook_ : desktop_;
  const bool otherRemoved = (other == desktop_ && plan_.layout == 0) || (other == notebook_ && plan_.layout == 1);
  if (!otherRemoved) other->SendItem(other->Ids().pattern, CB_SETCURSEL, s);
  ShowUserData();
  Notify();
  onScreen_->RefreshPreview();
}

void CfrmMain::RunWizard(int page) {
  // The set-up wizard is opened from here once it exists; until then the command changes nothing.
  (void)page;
}

void CfrmMain::RunSettingManager() {
  // The setting manager writes the store itself; the window then reads back the pattern numbers and names.
  ShowSettingManager(hwnd_, app_.Store);
  model_.currUser = app_.Store.ReadMainNumber(u"CurrUser");
  model_.numUser = app_.Store.ReadMainNumber(u"NumUser");
  model_.live.name = app_.Store.GetProfileText(u"USER" + DecimalText(model_.currUser), u"UserName", u"");
  FillPatternList();
}

void CfrmMain::RestoreDefaults(int page) {
  if (page == kOnScreenPage) {
    model_.RestoreOnScreenDefaults();
    onScreen_->ShowSettings();
    return;
  }
  model_.RestoreButtonDefaults();
  ShowUserData();
}

bool CfrmMain::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_MAIN_OK:
      cmdOK_Click();
      return true;
    case IDC_MAIN_APPLY:
      cmdApply_Click();
      return true;
    case IDC_MAIN_HELP:
      cmdHelp_Click();
      return true;
    default:
      return false;
  }
}

bool CfrmMain::OnNotify(NMHDR* header, LRESULT& result) {
  if (!tabs_.OnNotify(*header, result)) return false;
  if (header->code == TCN_SELCHANGE) {
    const int page = SelectedPageIndex();
    HWND target = page == kOnScreenPage ? onScreen_->Hwnd() : ButtonPage(page)->Hwnd();
    PostMessageW(target, kMsgPageShown, 0, 0);
  }
  return true;
}

bool CfrmMain::OnMessage(UINT msg, WPARAM w, LPARAM, INT_PTR& result) {
  if (msg == WM_ACTIVATEAPP) {
    // The system tells only top-level windows, so the pages learn it from here.
    SetAppActive(w != FALSE);
    return false;
  }
  if (msg == WM_CLOSE) {
    End(IDCANCEL);
    result = 0;
    return true;
  }
  return false;
}

void CfrmMain::OnDestroy() { app_.StartupEvent.Reset(); }

void CfrmMain::ClearDefaultLook() {
  for (ButtonTabPage* page : {desktop_, notebook_})
    for (int id : {page->Ids().manager, page->Ids().wizard, page->Ids().defaults})
      page->SendItem(id, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  for (int id : {IDC_OSD_DEFAULT, IDC_OSD_SELECT}) onScreen_->SendItem(id, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
}

void CfrmMain::RunPageCommand(ButtonTabPage& page, int id) {
  SetFocus(page.Item(id));
  SendMessageW(page.Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(page.Item(id)));
}

bool CfrmMain::PreTranslate(MSG& msg) {
  const int pageIndex = SelectedPageIndex();
  ButtonTabPage* page = ButtonPage(pageIndex);

  // Hover pictures, image mode 1 only.
  if (model_.machine.imageMode == 1) {
    if (msg.message == WM_MOUSEMOVE && hovered_ < 0 && page != nullptr) {
      const int pos = page->PositionOf(msg.hwnd);
      if (pos >= 0) {
        hovered_ = page->Ids().firstRecord + pos;
        SetHoverImage(kPictureHovered);
      }
    } else if (msg.message == WM_MOUSELEAVE && hovered_ >= 0) {
      // The leave may come after the keyboard has changed the page: the hovered button is restored all the same.
      if (!dialogOpen_) SetButtonImage(hovered_, kPictureNormal);
      hovered_ = -1;
    }
  }

  if (msg.message == WM_LBUTTONDOWN) {
    const int id = GetDlgCtrlID(msg.hwnd);
    if (GetParent(msg.hwnd) == hwnd_ &&
        (id == IDC_MAIN_OK || id == IDCANCEL || id == IDC_MAIN_APPLY || id == IDC_MAIN_HELP || id == IDC_MAIN_TAB))
      ClearDefaultLook();
    return false;
  }

  if (msg.message == WM_RBUTTONUP && page != nullptr) {
    POINT pt{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
    ClientToScreen(msg.hwnd, &pt);
    int shown = page == desktop_ ? model_.machine.desktopCount : plan_.notebookShown;
    if (page == desktop_ && shown == 0) shown = model_.machine.desktopCount = 5;
    if (page == notebook_ && shown == 0) shown = plan_.notebookShown = 2;
    for (int pos = 0; pos < shown && pos < page->Ids().positions; ++pos) {
      HWND b = page->Item(page->Ids().buttons[pos]);
      RECT r;
      GetWindowRect(b, &r);
      bool hit = PtInRect(&r, pt) != FALSE;
      if (hit && model_.machine.qstart == 0) {
        const double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
        const double dx = pt.x - cx, dy = pt.y - cy, half = (r.right - r.left) / 2.0;
        hit = dx * dx + dy * dy <= half * half;
      }
      if (hit) {
        SetFocus(b);
        EditButton(page->Ids().firstRecord + pos);
        return true;
      }
    }
    return false;
  }

  if (msg.message == WM_SYSKEYDOWN) {
    const wchar_t key = static_cast<wchar_t>(msg.wParam);
    if (key == L'H') {
      ClearDefaultLook();
      SetFocus(Item(IDC_MAIN_HELP));
      cmdHelp_Click();
      return true;
    }
    if (page != nullptr) {
      const ButtonPageIds& ids = page->Ids();
      switch (key) {
        case L'N':
          SetFocus(page->Item(ids.pattern));
          return true;
        case L'B':
          SetFocus(page->Item(ids.buttons[0]));
          return true;
        case L'D':
          RunPageCommand(*page, ids.defaults);
          return true;
        case L'W':
          RunPageCommand(*page, ids.wizard);
          return true;
        case L'M':
          if (IsWindowVisible(page->Item(ids.manager))) RunPageCommand(*page, ids.manager);
          return true;
        default:
          return false;
      }
    }
    if (pageIndex == kOnScreenPage) return onScreen_->HandleMnemonic(key);
    return false;
  }

  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB) {
    const bool back = GetKeyState(VK_SHIFT) < 0;
    const int id = GetDlgCtrlID(msg.hwnd);
    const bool own = GetParent(msg.hwnd) == hwnd_;
    if (!back && own && id == IDC_MAIN_HELP) {
      SetFocus(Item(IDC_MAIN_TAB));
      return true;
    }
    if (!back && msg.hwnd == Item(IDC_MAIN_TAB)) {
      if (page != nullptr) {
        if (model_.machine.hidePatternControls) {
          SendItem(IDC_MAIN_OK, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
          page->SendItem(page->Ids().defaults, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
          SetFocus(page->Item(page->Ids().defaults));
        } else {
          SetFocus(page->Item(page->Ids().pattern));
        }
        return true;
      }
      if (pageIndex == kOnScreenPage) {
        SetFocus(GetNextDlgTabItem(onScreen_->Hwnd(), nullptr, FALSE));
        return true;
      }
    }
    if (back && own && id == IDC_MAIN_OK) {
      // The page's last button takes the focus and, with it, the default-button look from OK.
      Dialog* target = nullptr;
      int targetId = 0;
      if (page != nullptr) {
        target = page;
        targetId = page->Ids().wizard;
      } else if (pageIndex == kOnScreenPage) {
        target = onScreen_;
        targetId = IDC_OSD_SELECT;
      }
      if (target != nullptr) {
        SendItem(IDC_MAIN_OK, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        target->SendItem(targetId, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        SetFocus(target->Item(targetId));
        return true;
      }
    }
  }
  return false;
}

}  // namespace tapstart
