// The main dialog of Pantik.
#include "mainwnd/CfrmMain_win32.h"

#include <commctrl.h>
#include <shellapi.h>
#include <stdlib.h>

#include <utility>

#include "app/Contrast_win32.h"
#include "app/Help_win32.h"
#include "app/Helpers.h"
#include "app/Helpers_win32.h"
#include "mainwnd/ButtonImage.h"
#include "mainwnd/ButtonTabPage_win32.h"
#include "mainwnd/CtabMainOSDTab_win32.h"
#include "mainwnd/FontList_win32.h"
#include "manager/CfrmManager_win32.h"
#include "registration/CfrmSetAp_win32.h"
#include "res/resource.h"
#include "shell/IconCache_win32.h"
#include "store/Text.h"
#include "ui/Resources_win32.h"
#include "ui/SystemLibrary_win32.h"
#include "ui/Text_win32.h"
#include "wizard/CfrmWizard_win32.h"
#include "wizard/WizardRun.h"

namespace tapstart {
namespace {

// Three fixed-width tabs of 199 by 19 pixels at 96 DPI; a caption longer than 28 bytes in the ANSI code page is cut.
constexpr int kTabWidth = 199;
constexpr int kTabHeight = 19;
constexpr int kTabMargin = 8;
constexpr size_t kTabCaptionBytes = 28;
// The timer that starts the shell's icons after the window's first paint, and the one that makes the registration
// dialog ahead: once the user moves the pointer over the window or brings the focus to a round button (a click
// on one is then near), and again after the dialog closed.
constexpr UINT_PTR kShellIconsTimer = 1;
constexpr UINT_PTR kPrepareRegistrationTimer = 2;
constexpr UINT kPrepareRegistrationDelayMs = 300;
// The pages not shown at the start are made one at a time once the window has painted.
constexpr UINT_PTR kMakePagesTimer = 3;
constexpr UINT kMakeFirstPageDelayMs = 100;
constexpr UINT kMakeNextPageDelayMs = 10;

constexpr int kBottomRow[] = {IDC_MAIN_OK, IDCANCEL, IDC_MAIN_APPLY, IDC_MAIN_HELP};

std::vector<std::u16string> ProcessArguments() {
  std::vector<std::u16string> args;
  // The runtime has split the command line already when the program has a wide entry point; a test program
  // with a narrow one asks the shell.
  if (__wargv != nullptr) {
    for (int i = 1; i < __argc; ++i) args.push_back(Utf16(__wargv[i]));
    return args;
  }
  const auto split = SystemFunction<LPWSTR*(WINAPI*)(LPCWSTR, int*)>(L"shell32.dll", "CommandLineToArgvW");
  int argc = 0;
  LPWSTR* argv = split != nullptr ? split(GetCommandLineW(), &argc) : nullptr;
  if (argv == nullptr) return args;
  for (int i = 1; i < argc; ++i) args.push_back(Utf16(argv[i]));
  LocalFree(argv);
  return args;
}

// The real window system behind the handler's notification.
class WindowLink final : public HandlerLink {
 public:
  uintptr_t Find(std::u16string_view cls) override {
    return reinterpret_cast<uintptr_t>(FindWindowW(Wide(cls).c_str(), nullptr));
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

// The control of a page that Tab stops at last: the last one in the page's order that is a visible, enabled tab stop.
HWND LastTabStop(HWND page) {
  HWND last = nullptr;
  for (HWND c = GetWindow(page, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    const LONG_PTR style = GetWindowLongPtrW(c, GWL_STYLE);
    if ((style & WS_TABSTOP) != 0 && (style & WS_VISIBLE) != 0 && (style & WS_DISABLED) == 0) last = c;
  }
  return last;
}

}  // namespace

CfrmMain::CfrmMain(ProcessValues& process) : Dialog(IDD_MAIN), process_(process), model_(process.Store) {
  Arguments = ProcessArguments();
  Link = &g_windowLink;
}

CfrmMain::~CfrmMain() {
  // The window goes first, while the pages and the data they reach still exist.
  if (Hwnd() != nullptr && !IsModal()) DestroyWindow(Hwnd());
  if (g_filterTarget == this) g_filterTarget = nullptr;
}

void CfrmMain::Run() {
  // A wizard-only run ends the process in the wizard: the window itself is never made.
  model_.machine = ReadMachineSettings(process_.Store);
  started_ = CheckStartup();
  if (!*started_) {
    // Refused (a second start, no launch buttons, a switch not understood): nothing is shown, exit code 0.
    refused_ = true;
    process_.StartupEvent.Reset();
    return;
  }
  if (process_.WizardOnly) RunWizardOnly(LoadStr(IDS_UI_FACE));
  filterHook_.Reset(SetWindowsHookExW(WH_MSGFILTER, MessageFilter, nullptr, GetCurrentThreadId()));
  g_filterTarget = this;
  RunModal(nullptr, LoadStr(IDS_UI_FACE), 9);
  g_filterTarget = nullptr;
  filterHook_.Reset();
}

bool CfrmMain::CheckStartup() {
  const StartRequest request = ParseStartSwitch(JoinArguments(Arguments));
  commandLineText_ = request.commandLineText;
  process_.Store.useIniFile = ReadUseIniFile(process_.Store);
  const std::u16string keyboard = ReadKeyboardType(process_.Store);
  keyboardBits_ = DecimalValue(keyboard);
  InitialTab = -1;

  const std::u16string eventName = StartupEventName(Utf16(ProgramPath().substr(0, MAX_PATH)), FileSystemUpperCase);
  process_.StartupEvent.Reset(CreateEventW(nullptr, FALSE, FALSE, Wide(eventName).c_str()));
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
  process_.WizardOnly = request.wizardOnly;
  WizardButton = request.wizardButton;
  PressAfterWizard = request.pressAfterWizard;
  return true;
}

bool CfrmMain::CreatePages(const std::wstring& face) {
  return tabs_.CreatePages(
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
}

BOOL CfrmMain::OnInitDialog() {
  hovered_ = -1;
  dialogOpen_ = false;
  tabs_.Attach(Item(IDC_MAIN_TAB));
  const std::wstring face = LoadStr(IDS_UI_FACE);
  if (!started_) {
    // Made without Run (a test's window): the start-up check happens here.
    model_.machine = ReadMachineSettings(process_.Store);
    started_ = CheckStartup();
  }
  const bool started = *started_;
  // A wizard-only run shows nothing of this window: it runs before any page is made.
  if (started && process_.WizardOnly) RunWizardOnly(face);
  EnableItem(IDC_MAIN_APPLY, true);
  const auto refuse = [this] {
    // Ended inside initialisation, the dialog is never shown: the process ends quietly with exit code 0.
    refused_ = true;
    process_.StartupEvent.Reset();
    End(0);
    return TRUE;
  };
  if (!started || !CreatePages(face)) return refuse();
  SetBigIcon(IDI_MAIN);
  SetCaptions();
  SetFonts();
  // The on-screen page fills its font list when it is first shown: the user waits for nothing else as long.
  model_.Load(Utf16(face), ScreenFontLookup());
  // No page is made yet: the pattern names are kept for the pages, and every button's picture is chosen.
  FillPatternList();
  ShowUserData();
  SetupTabsForKeyboard();
  // Only the page of the selected tab is made now, filled as it is made. The others follow once the window has
  // painted, then the shell's icons for the registration dialog's trees.
  tabs_.OnPageMade([this](int page) { FillPage(static_cast<PageIndex>(page)); });
  if (!MakeShownPage()) return refuse();
  tabs_.ShowCurrentPage();
  PostPageShown();
  SetTimer(hwnd_, kMakePagesTimer, kMakeFirstPageDelayMs, nullptr);
  POINT pointer{};
  if (GetCursorPos(&pointer)) firstPointer_ = pointer;
  appActive_ = true;
  return TRUE;
}

// Tells the page of the selected tab that it was shown; its next paint places the focus.
void CfrmMain::PostPageShown() {
  if (Dialog* target = ShownPage()) PostMessageW(target->Hwnd(), kMsgPageShown, 0, 0);
}

Dialog* CfrmMain::ShownPage() const {
  const PageIndex page = SelectedPage();
  if (page == kNoPage) return nullptr;
  return page == kOnScreenPage ? static_cast<Dialog*>(onScreen_) : ButtonPage(page);
}

// Three fixed-width tabs need a tab control that wide in every language's dialog units: a narrower one is
// widened with its dialog, and the bottom row keeps to the right edge.
void CfrmMain::FitTabsToWidth() {
  HWND tab = Item(IDC_MAIN_TAB);
  RECT r;
  GetWindowRect(tab, &r);
  const int needed = 3 * Scaled(kTabWidth) + Scaled(kTabMargin);
  const int delta = needed - (r.right - r.left);
  if (delta <= 0) return;
  SetWindowPos(tab, nullptr, 0, 0, r.right - r.left + delta, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
  for (int id : kBottomRow) {
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
  SetTabCaptions();
  ApplyCaptions(
      hwnd_, {{IDC_MAIN_OK, IDS_OK}, {IDCANCEL, IDS_CANCEL}, {IDC_MAIN_APPLY, IDS_APPLY}, {IDC_MAIN_HELP, IDS_HELP}});
}

// A page just made shows what the window shows so far: captions and labels, the keyboard's plan, the patterns as
// last read, the live buttons or the on-screen settings.
void CfrmMain::FillPage(PageIndex index) {
  if (index == kOnScreenPage) {
    onScreen_->SetCaptions();
    onScreen_->ShowSettings();
    return;
  }
  ButtonTabPage* page = ButtonPage(index);
  if (!IsMade(page)) return;
  const ButtonPageIds& ids = page->Ids();
  ApplyCaptions(page->Hwnd(), {{ids.group, IDS_BUTTON_GROUP},
                               {ids.patternLabel, IDS_PATTERN_LABEL},
                               {ids.manager, IDS_SETTING_MANAGER},
                               {ids.wizard, IDS_WIZARD},
                               {ids.defaults, IDS_DEFAULT}});
  SetButtonLabels(*page);
  const std::vector<ButtonTabPage*> filled = FilledButtonPages();
  if (std::find(filled.begin(), filled.end(), page) != filled.end()) {
    FillPatternCombo(*page);
    for (int i = 0; i < ids.positions; ++i) {
      page->ShowName(i, model_.live.buttons[ids.firstRecord + i].name);
      // The picture chosen when the buttons were last shown: choosing again could differ, as a choice may
      // rewrite the record's code.
      const int shown = shownPictures_[static_cast<size_t>(ids.firstRecord + i)];
      if (shown != 0)
        page->Button(i).SetBitmapId(shown);
      else
        SetButtonImage(ids.firstRecord + i, kPictureNormal);
    }
  }
  const TabPlan& plan = model_.plan;
  if (page == notebook_ && plan.layout.Has(kNotebookPage))
    for (int pos = 2; pos >= plan.notebookShown; --pos) notebook_->HidePosition(pos);
  if (page == desktop_ && plan.desktopOverride)
    for (int pos = 4; pos >= plan.desktopCount; --pos) desktop_->HidePosition(pos);
  if (page == desktop_ && plan.namedKeys)
    for (UINT i = 0; i < 5; ++i) desktop_->SetLabel(static_cast<int>(i), LoadStr(IDS_KEY_MAIL + i));
  if (model_.machine.hidePatternControls) page->HidePatternControls();
}

// The page of the selected tab made (and filled), with the window's fonts; false when it could not be made.
bool CfrmMain::MakeShownPage() {
  const PageIndex page = SelectedPage();
  if (page == kNoPage || !tabs_.MakePage(static_cast<int>(page))) return false;
  ApplyPageFonts(page);
  return true;
}

void CfrmMain::SetTabCaptions() {
  const TabControl tab = TabItem(IDC_MAIN_TAB);
  tab.SetItemSize(Scaled(kTabWidth), Scaled(kTabHeight));
  FitTabsToWidth();
  for (int i = 0; i < 3; ++i) {
    std::u16string caption = Utf16(LoadStr(i < 2 ? IDS_TAB_BUTTONS : IDS_TAB_ONSCREEN));
    if (i < 2) {
      const std::u16string over = process_.Store.GetRegString(
          Hive::LocalMachine, std::u16string(kUtlSettingKey) + u"\\TabName", u"Tab" + DecimalText(i), u"");
      if (!over.empty()) caption = over;
    }
    tab.SetText(i, Wide(CutToAnsiBytes(caption, kTabCaptionBytes, AnsiByteCount)));
  }
}

// "Button n", or "Fn + n" for the first two notebook buttons with QSTART 1; a machine's ButtonName wins.
void CfrmMain::SetButtonLabels(ButtonTabPage& page) {
  const ButtonPageIds& ids = page.Ids();
  const std::u16string buttonNames = std::u16string(kUtlSettingKey) + u"\\ButtonName";
  for (int i = 0; i < ids.positions; ++i) {
    const bool fn = &page == notebook_ && model_.machine.qstart == 1 && i < 2;
    std::wstring label = LoadStr(fn ? IDS_FN_PREFIX : IDS_BUTTON_PREFIX) + std::to_wstring(i + 1);
    const std::u16string over = process_.Store.GetRegString(Hive::LocalMachine, buttonNames,
                                                            u"AppKey" + DecimalText(ids.firstRecord + i + 1), u"");
    if (!over.empty()) label = Wide(over);
    page.SetLabel(i, label);
  }
}

// The fonts for the window's scale; the old ones go only once no control uses them. A page takes them when it is
// first shown (under Wine each font set on a control costs, a combo box's most): the pages that have them take the
// new ones at once.
void CfrmMain::SetFonts() {
  Font ui = MakeUiFont(IDS_UI_FACE, IDR_HEIGHT_UI, 14, Dpi());
  Font large = MakeUiFont(IDS_UI_FACE, IDR_HEIGHT_LARGE, 16, Dpi());
  std::swap(uiFont_, ui);  // the old fonts go at the end, once no control uses them
  std::swap(largeFont_, large);
  SetItemFonts(hwnd_, {IDC_MAIN_TAB, IDC_MAIN_OK, IDCANCEL, IDC_MAIN_APPLY, IDC_MAIN_HELP}, uiFont_.Get());
  for (PageIndex page : {kDesktopPage, kNotebookPage, kOnScreenPage})
    if (pageFonts_[static_cast<size_t>(page)]) ApplyPageFonts(page, true);
}

// The window's fonts on a page's controls; again only when told to.
void CfrmMain::ApplyPageFonts(PageIndex page, bool again) {
  if (page == kNoPage || (pageFonts_[static_cast<size_t>(page)] && !again)) return;
  pageFonts_[static_cast<size_t>(page)] = true;
  // A page not shown yet needs no repainting, and under Wine every redraw request costs.
  if (page == kOnScreenPage) {
    onScreen_->ApplyFonts(uiFont_.Get(), largeFont_.Get(), IsWindowVisible(onScreen_->Hwnd()));
    return;
  }
  ButtonTabPage* p = ButtonPage(page);
  const ButtonPageIds& ids = p->Ids();
  SetItemFonts(p->Hwnd(), {ids.group, ids.patternLabel, ids.manager, ids.wizard, ids.defaults}, uiFont_.Get());
  for (int i = 0; i < ids.positions; ++i) SetItemFonts(p->Hwnd(), {ids.labels[i], ids.edits[i]}, uiFont_.Get());
  SetItemFonts(p->Hwnd(), {ids.pattern}, largeFont_.Get());
}

// Moved to a monitor of another scale: the controls were scaled in proportion; the fonts, the tabs' fixed size
// and the pages' place in the tab control follow.
void CfrmMain::OnDpiChanged() {
  SetFonts();
  TabItem(IDC_MAIN_TAB).SetItemSize(Scaled(kTabWidth), Scaled(kTabHeight));
  FitTabsToWidth();
  tabs_.PlacePages();
}

// The tabs this keyboard has, and the selected one; the pages take the plan's hidden positions and labels as they
// are made.
void CfrmMain::SetupTabsForKeyboard() {
  model_.PlanTabs(keyboardBits_, InitialTab);
  const TabPlan& plan = model_.plan;
  const TabControl tab = TabItem(IDC_MAIN_TAB);
  for (int index : plan.removeTabs) {
    if (tab.Selected() == index) tab.Select(index == 0 ? 1 : 0);
    (void)tabs_.RemovePage(index);  // the plan only names tabs that are there
  }
  tab.Select(plan.selectTab);
}

bool CfrmMain::IsMade(const Dialog* page) { return page != nullptr && page->Hwnd() != nullptr; }

ButtonTabPage* CfrmMain::ButtonPage(PageIndex page) const {
  if (page == kDesktopPage) return desktop_;
  if (page == kNotebookPage) return notebook_;
  return nullptr;
}

// The button pages that show the live data: a page whose tab was taken away for the other button tab is left
// alone; with the on-screen tab alone both stay filled, as when every tab is there.
std::vector<ButtonTabPage*> CfrmMain::FilledButtonPages() const {
  switch (model_.plan.layout.kind()) {
    case TabLayout::kNoDesktopTab:
      return {notebook_};
    case TabLayout::kNoNotebookTab:
      return {desktop_};
    default:
      return {desktop_, notebook_};
  }
}

ButtonTabPage* CfrmMain::PageOfRecord(int record, int& position) const {
  ButtonTabPage* page = record < 5 ? desktop_ : notebook_;
  position = record < 5 ? record : record - 5;
  return IsMade(page) && position < page->Ids().positions ? page : nullptr;
}

PageIndex CfrmMain::SelectedPage() const { return model_.plan.layout.PageAt(TabItem(IDC_MAIN_TAB).Selected()); }

void CfrmMain::ShowTab(int index) {
  const TabControl tab = TabItem(IDC_MAIN_TAB);
  if (tab.Selected() == index) return;
  tab.Select(index);
  (void)MakeShownPage();  // a page that cannot be made leaves its tab empty
  tabs_.ShowCurrentPage();
}

void CfrmMain::FocusTabControl() { SetFocus(Item(IDC_MAIN_TAB)); }

void CfrmMain::TakeDefaultLookFromOk() { ButtonItem(IDC_MAIN_OK).SetDefaultLook(false); }

void CfrmMain::FillPatternList() {
  patternNames_ = model_.PatternNames();
  for (ButtonTabPage* page : FilledButtonPages())
    if (IsMade(page)) FillPatternCombo(*page);
}

void CfrmMain::FillPatternCombo(ButtonTabPage& page) const {
  std::vector<std::wstring> items;
  for (const std::u16string& name : patternNames_) items.push_back(Wide(name));
  const ComboBox combo = page.ComboItem(page.Ids().pattern);
  combo.Fill(items);
  combo.Select(model_.currUser - 1);
}

// The live buttons on the pages made; a page made later shows them then. The pictures are chosen for every
// button all the same: the choice may rewrite a record's code.
void CfrmMain::ShowUserData() {
  for (ButtonTabPage* page : FilledButtonPages()) {
    const ButtonPageIds& ids = page->Ids();
    for (int i = 0; i < ids.positions; ++i) {
      if (IsMade(page)) page->ShowName(i, model_.live.buttons[ids.firstRecord + i].name);
      SetButtonImage(ids.firstRecord + i, kPictureNormal);
    }
  }
}

void CfrmMain::SetButtonImage(int record, int state) {
  if (record < 0 || record >= kButtonSlots) return;
  APPKEY_DATA& rec = model_.live.buttons[record];
  const ButtonPicture picture =
      ChooseButtonPicture({rec.code, rec.count, state, model_.machine.imageMode, model_.machine.qstart, record});
  if (picture.codeBecomesM) {
    rec.code = u"M";
    model_.saved.buttons[record].code = u"M";
  }
  shownPictures_[static_cast<size_t>(record)] = picture.bitmapId;
  int pos = 0;
  if (ButtonTabPage* page = PageOfRecord(record, pos)) page->Button(pos).SetBitmapId(picture.bitmapId);
}

void CfrmMain::SetHoverImage(int state) {
  if (hovered_ < 0) return;
  SetButtonImage(hovered_, state);
  int pos = 0;
  ButtonTabPage* page = PageOfRecord(hovered_, pos);
  if (state == kPictureHovered && page != nullptr) {
    TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, page->Button(pos).Hwnd(), 0};
    TrackMouseEvent(&t);
  }
}

void CfrmMain::MarkFocus(int labelId, bool focused) {
  ButtonTabPage* page = SelectedPage() == kNotebookPage ? notebook_ : desktop_;
  if (focused) {
    AskForRegistrationDialog();
    buttonHasFocus_ = true;
    focusedLabel_ = labelId;
  } else if (appActive_) {
    buttonHasFocus_ = false;
  } else {
    return;
  }
  for (ButtonTabPage* p : {page, page == desktop_ ? notebook_ : desktop_})
    if (IsMade(p))
      if (HWND label = p->Item(labelId)) InvalidateRect(label, nullptr, TRUE);
}

void CfrmMain::EditButton(int record) {
  const int b = record + 1;
  // In the Japanese interface the maker's own set-up program may take such a button over: it is started and
  // this program ends. When it cannot be started, or the user keeps unsaved edits here, nothing further happens.
  if (process_.JapaneseUi() && IsOwnSetupButton(process_.Store, b)) {
    (void)HandOverToOwnSetup(hwnd_, b);  // staying here needs nothing more
    return;
  }
  if (record < 0 || record >= kButtonSlots) return;
  SetButtonImage(record, kPictureDialogOpen);
  APPKEY_DATA& live = model_.live.buttons[record];
  const std::u16string firstPath = live.command[0];
  const std::u16string firstTitle = live.title[0];
  dialogOpen_ = true;
  const std::optional<APPKEY_DATA> edited =
      RunRegistration(hwnd_, live, RegistrationContextOfRun(), std::move(preparedSetAp_));
  dialogOpen_ = false;
  SetTimer(hwnd_, kPrepareRegistrationTimer, kPrepareRegistrationDelayMs, nullptr);
  if (edited) live = *edited;
  // The dialog names the button after its first program: a new first program shows its name in the page.
  if (live.command[0] != firstPath || live.title[0] != firstTitle) {
    live.name = CutUnits(live.name, kNameLimit);
    int position = 0;
    if (ButtonTabPage* page = PageOfRecord(record, position)) page->ShowName(position, live.name);
  }
  SetButtonImage(record, kPictureNormal);
}

// Before the process ends for the maker's set-up program, edits not saved yet are asked about as OK asks:
// Yes saves them, No drops them, Cancel stays here and hands nothing over.
bool CfrmMain::HandOverToOwnSetup(HWND owner, int b) {
  if (model_.IsChanged()) {
    const int answer =
        Ask(owner, LoadStr(IDS_SAVE_QUESTION), LoadStr(IDS_SAVE_CAPTION), MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer != IDYES && answer != IDNO) return false;
    // A save that failed was reported; nothing is handed over while the edits are pending.
    if (answer == IDYES && !SaveAndNotify()) return false;
  }
  if (!LaunchOwnSetup(b)) return false;
  process_.EndProcess();
}

void CfrmMain::Notify() { NotifyButtonHandler(*Link); }

bool CfrmMain::AskToSave(int& answer) {
  answer = Ask(hwnd_, LoadStr(IDS_SAVE_QUESTION), LoadStr(IDS_SAVE_CAPTION), MB_YESNOCANCEL | MB_ICONQUESTION);
  return answer == IDYES;
}

void CfrmMain::ReportFailedSave(UINT message) {
  (void)Ask(hwnd_, LoadStr(message), LoadStr(IDS_SAVE_CAPTION), MB_OK | MB_ICONWARNING);
}

bool CfrmMain::SaveAndNotify(bool withPatternNumbers) {
  const SaveResult result = model_.SaveAll(withPatternNumbers);
  if (!result.Ok()) {
    ReportFailedSave(FailedSaveMessage(result));
    return false;
  }
  Notify();
  return true;
}

void CfrmMain::cmdOK_Click() {
  if (hovered_ >= 0) {
    SetButtonImage(hovered_, kPictureNormal);
    hovered_ = -1;
  }
  // Nothing of the user's own is lost when the preparation cannot write: with no change the window closes, and a
  // change is saved with the pattern numbers once more, which reports the failure then.
  const bool prepared = model_.PrepareOk();
  if (!model_.IsChanged()) {
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    return;
  }
  int answer = 0;
  if (AskToSave(answer)) {
    // A save that failed keeps the window open with the changes pending.
    if (SaveAndNotify(!prepared)) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
  } else if (answer == IDNO) {
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
  }
}

void CfrmMain::cmdApply_Click() { (void)SaveAndNotify(true); }  // a failure was reported, the edits stay pending

void CfrmMain::cmdHelp_Click() { OpenHelp(HelpTopic::MainWindow); }

void CfrmMain::ChangePattern(PageIndex pageIndex) {
  ButtonTabPage* self = ButtonPage(pageIndex);
  if (self == nullptr) return;
  const int s = self->ComboItem(self->Ids().pattern).Selected();
  if (s < 0 || s + 1 == model_.currUser) return;
  const auto stay = [&] { self->ComboItem(self->Ids().pattern).Select(model_.currUser - 1); };
  bool saved = false;
  // Only the buttons belong to a pattern: on-screen changes stay pending for Apply or OK.
  if (!IsUserDataEqual(model_.live, model_.saved, model_.machine.recordsInUse)) {
    int answer = 0;
    if (AskToSave(answer)) {
      if (!model_.SaveLiveSet()) {
        // Loading the other pattern now would drop the changes that could not be saved.
        ReportFailedSave(IDS_SAVE_FAILED_BUTTONS);
        stay();
        return;
      }
      saved = true;
    } else if (answer != IDNO) {
      stay();
      return;
    }
  }
  if (!model_.SwitchPattern(s + 1)) {
    ReportFailedSave(IDS_SAVE_FAILED_PATTERN);
    stay();
    if (saved) Notify();
    return;
  }
  for (ButtonTabPage* other : FilledButtonPages())
    if (other != self && IsMade(other)) other->ComboItem(other->Ids().pattern).Select(s);
  ShowUserData();
  Notify();
  if (IsMade(onScreen_)) onScreen_->RefreshPreview();
}

WizardRequest CfrmMain::WizardRequestFor(int buttonKind) {
  WizardRequest request;
  request.wizardOnly = process_.WizardOnly;
  request.japaneseUi = process_.JapaneseUi();
  request.buttons = {buttonKind, model_.machine.desktopCount, model_.defaults};
  request.handOver = [this](HWND sheet, int b) { return HandOverToOwnSetup(sheet, b); };
  return request;
}

void CfrmMain::RunWizard(PageIndex page) {
  const bool notebook = page == kNotebookPage;
  dialogOpen_ = true;
  const WizardResult result =
      RunWizardSheet(hwnd_, process_.Store, WizardRequestFor(WizardButtonKind(notebook, model_.machine.notebookCount)));
  dialogOpen_ = false;
  if (!result.finished) return;
  const int record = WizardResultRecord(notebook, result.selectedButton);
  if (record < 0 || record >= kButtonSlots) return;
  model_.live.buttons[record] = result.record;
  (void)SaveAndNotify();  // a failure was reported; the button stays pending for Apply or OK
  int position = 0;
  if (ButtonTabPage* shown = PageOfRecord(record, position)) shown->ShowName(position, result.record.name);
  SetButtonImage(record, kPictureNormal);
}

// "/w:N": the wizard alone for button N, never the main window; the process ends here on every path. Only what
// the run needs is loaded: the current set and the tab plan. The on-screen settings are neither shown nor
// changed here, so they are read without the font list and not written back.
void CfrmMain::RunWizardOnly(const std::wstring& face) {
  model_.Load(Utf16(face), LookupIn({}));
  (void)model_.PatternNames();  // a current set beyond the sets stored is set 1, as the main window has it
  model_.PlanTabs(keyboardBits_, InitialTab);
  const int n = WizardButton;
  const TabPlan& plan = model_.plan;
  if (AcceptWizardOnlyButton(n, plan.wizardLimit, plan.layout, model_.machine.recordsInUse)) {
    const bool notebook = n >= kDesktopButtonKind;
    const WizardResult result = RunWizardSheet(
        nullptr, process_.Store, WizardRequestFor(WizardButtonKind(notebook, model_.machine.notebookCount)));
    if (result.finished) {
      model_.live.buttons[model_.WizardRecord(n)] = result.record;
      if (!model_.SaveLiveSet()) {
        // No window stays open to keep the button pending: the user hears what was not saved, and nothing
        // is started as if it had been.
        ReportFailedSave(IDS_SAVE_FAILED_BUTTONS);
      } else {
        Notify();
        if (PressAfterWizardOnly(PressAfterWizard, result.record, result.imeChangerCommand)) PressButton(*Link, n);
      }
    }
  }
  process_.EndProcess();
}

void CfrmMain::RunSettingManager() {
  // The setting manager writes the store itself; the window then reads back the pattern numbers and names.
  ShowSettingManager(hwnd_, process_.Store);
  model_.ReloadAfterManager();
  FillPatternList();
}

void CfrmMain::RestoreDefaults(PageIndex page) {
  if (page == kOnScreenPage) {
    model_.RestoreOnScreenDefaults();
    onScreen_->ShowSettings();
    return;
  }
  model_.RestoreButtonDefaults();
  ShowUserData();
}

bool CfrmMain::OnButtonClicked(int id) {
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
  // The tab already shows the new selection: its page is made, if it is not yet, and takes its fonts before it
  // is shown.
  if (header->hwndFrom == Item(IDC_MAIN_TAB) && header->code == static_cast<UINT>(TCN_SELCHANGE))
    (void)MakeShownPage();  // a page that cannot be made leaves its tab empty
  if (!tabs_.OnNotify(*header, result)) return false;
  if (header->code == static_cast<UINT>(TCN_SELCHANGE)) PostPageShown();
  return true;
}

bool CfrmMain::OnMessage(UINT msg, WPARAM w, LPARAM, INT_PTR& result) {
  if (msg == WM_ACTIVATEAPP) {
    // The system tells only top-level windows, so the pages learn it from here.
    SetAppActive(w != FALSE);
    return false;
  }
  if (msg == WM_TIMER && w == kMakePagesTimer) {
    // One page per tick, so that a click in between waits for one page at most; then the shell's icons.
    KillTimer(hwnd_, w);
    if (tabs_.MakeWaitingPage())
      SetTimer(hwnd_, kMakePagesTimer, kMakeNextPageDelayMs, nullptr);
    else
      SetTimer(hwnd_, kShellIconsTimer, kMakeNextPageDelayMs, nullptr);
    result = 0;
    return true;
  }
  if (msg == WM_TIMER && (w == kShellIconsTimer || w == kPrepareRegistrationTimer)) {
    KillTimer(hwnd_, w);
    if (w == kShellIconsTimer)
      PrepareShellIcons();
    else
      PrepareRegistrationDialog();
    result = 0;
    return true;
  }
  if (msg == WM_CLOSE) {
    End(IDCANCEL);
    result = 0;
    return true;
  }
  // High contrast on or off, or other system colours: the labels' colours are chosen anew as they repaint.
  FollowColourChange(hwnd_, msg, w, {IDC_MAIN_TAB});
  return false;
}

void CfrmMain::OnDestroy() {
  // The dialog made ahead goes while its owner and its windows still exist.
  preparedSetAp_.reset();
  process_.StartupEvent.Reset();
}

// A window that appears under a resting pointer hears of it too: only a move from there is the user's.
void CfrmMain::NoticePointer(POINT screen) {
  if (!firstPointer_) {
    firstPointer_ = screen;
  } else if (firstPointer_->x != screen.x || firstPointer_->y != screen.y) {
    AskForRegistrationDialog();
  }
}

// The user is about to reach a round button: the dialog is made as soon as nothing else waits.
void CfrmMain::AskForRegistrationDialog() {
  if (preparedSetAp_ == nullptr && !dialogOpen_) SetTimer(hwnd_, kPrepareRegistrationTimer, 0, nullptr);
}

// A click on a round button shows the registration dialog at once: it is made hidden, with its sources read, while
// the user moves towards the button.
void CfrmMain::PrepareRegistrationDialog() {
  if (preparedSetAp_ != nullptr || dialogOpen_ || hwnd_ == nullptr || !IsWindowEnabled(hwnd_)) return;
  preparedSetAp_ = PrepareRegistration(hwnd_, RegistrationContextOfRun());
}

RegistrationContext CfrmMain::RegistrationContextOfRun() {
  return {process_.Store, process_.JapaneseUi(), registrationFlags_, imeChanger_};
}

void CfrmMain::ClearDefaultLook() {
  for (ButtonTabPage* page : {desktop_, notebook_})
    if (IsMade(page)) page->ClearDefaultLook();
  if (IsMade(onScreen_)) onScreen_->ClearDefaultLook();
}

bool CfrmMain::PreTranslate(MSG& msg) {
  switch (msg.message) {
    case WM_MOUSEMOVE:
      NoticePointer(msg.pt);
      OnHoverMessage(msg);
      return false;
    case WM_MOUSELEAVE:
      OnHoverMessage(msg);
      return false;
    case WM_LBUTTONDOWN:
      OnLeftButtonDown(msg);
      return false;
    case WM_RBUTTONUP:
      return OnRightButtonUp(msg);
    case WM_SYSKEYDOWN:
      return OnAltKey(msg);
    case WM_KEYDOWN:
      return msg.wParam == VK_TAB && OnTabKey(msg);
    default:
      return false;
  }
}

// Hover pictures, image mode 1 only: at most one button is hovered at a time.
void CfrmMain::OnHoverMessage(const MSG& msg) {
  if (model_.machine.imageMode != 1) return;
  if (msg.message == WM_MOUSEMOVE && hovered_ < 0) {
    ButtonTabPage* page = ButtonPage(SelectedPage());
    const int pos = page != nullptr ? page->PositionOf(msg.hwnd) : -1;
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

// A press on the main window's own buttons or its tab control takes the default-button look off the pages.
void CfrmMain::OnLeftButtonDown(const MSG& msg) {
  if (GetParent(msg.hwnd) != hwnd_) return;
  const int id = GetDlgCtrlID(msg.hwnd);
  for (int own : {IDC_MAIN_OK, IDCANCEL, IDC_MAIN_APPLY, IDC_MAIN_HELP, IDC_MAIN_TAB})
    if (id == own) ClearDefaultLook();
}

// A right-button release over a round button of the page shown gives it the focus and runs its click.
bool CfrmMain::OnRightButtonUp(const MSG& msg) {
  const PageIndex pageIndex = SelectedPage();
  ButtonTabPage* page = ButtonPage(pageIndex);
  if (page == nullptr) return false;
  POINT pt{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
  ClientToScreen(msg.hwnd, &pt);
  const int shown = model_.RightClickPositions(pageIndex);
  for (int pos = 0; pos < shown && pos < page->Ids().positions; ++pos) {
    HWND button = page->Item(page->Ids().buttons[pos]);
    if (page->Button(pos).Hits(pt, model_.machine.qstart != 0)) {
      SetFocus(button);
      EditButton(page->Ids().firstRecord + pos);
      return true;
    }
  }
  return false;
}

bool CfrmMain::OnAltKey(const MSG& msg) {
  const PageIndex pageIndex = SelectedPage();
  ButtonTabPage* page = ButtonPage(pageIndex);
  const bool managerShown = page != nullptr && IsWindowVisible(page->Item(page->Ids().manager));
  const AltCommand command =
      DecideAltKey(static_cast<uint32_t>(msg.wParam), pageIndex, managerShown, model_.liveOnScreen.on != 0);
  if (command == AltCommand::kNotMine) return false;
  RunAltCommand(command, page);
  return true;
}

void CfrmMain::RunAltCommand(AltCommand command, ButtonTabPage* page) {
  if (command == AltCommand::kHelp) {
    ClearDefaultLook();
    SetFocus(Item(IDC_MAIN_HELP));
    cmdHelp_Click();
    return;
  }
  if (page == nullptr) {
    onScreen_->RunAltCommand(command);
    return;
  }
  const ButtonPageIds& ids = page->Ids();
  switch (command) {
    case AltCommand::kFocusPattern:
      SetFocus(page->Item(ids.pattern));
      break;
    case AltCommand::kFocusButtons:
      SetFocus(page->Item(ids.buttons[0]));
      break;
    case AltCommand::kRunDefault:
      page->RunCommand(ids.defaults);
      break;
    case AltCommand::kRunWizard:
      page->RunCommand(ids.wizard);
      break;
    case AltCommand::kRunManager:
      page->RunCommand(ids.manager);
      break;
    default:
      break;
  }
}

FocusAt CfrmMain::WhereIsFocus(HWND focus) const {
  if (focus == Item(IDC_MAIN_TAB)) return FocusAt::kTabControl;
  if (const Dialog* page = ShownPage(); page != nullptr && GetParent(focus) == page->Hwnd())
    return focus == LastTabStop(page->Hwnd()) ? FocusAt::kPageLastStop : FocusAt::kElsewhere;
  if (GetParent(focus) != hwnd_) return FocusAt::kElsewhere;
  const int id = GetDlgCtrlID(focus);
  if (id == IDC_MAIN_OK) return FocusAt::kOk;
  if (id == IDC_MAIN_HELP) return FocusAt::kHelp;
  return FocusAt::kElsewhere;
}

// Tab and Shift+Tab between the page and the main window's own controls: the pages are child dialogs.
bool CfrmMain::OnTabKey(const MSG& msg) {
  const PageIndex pageIndex = SelectedPage();
  const TabMove move =
      DecideTabMove(GetKeyState(VK_SHIFT) < 0, WhereIsFocus(msg.hwnd), pageIndex, model_.machine.hidePatternControls);
  ButtonTabPage* page = ButtonPage(pageIndex);
  switch (move) {
    case TabMove::kToTabControl:
      FocusTabControl();
      return true;
    case TabMove::kToPattern:
      SetFocus(page->Item(page->Ids().pattern));
      return true;
    case TabMove::kToDefaultWithLook:
      TakeDefaultLookFromOk();
      page->ButtonItem(page->Ids().defaults).SetDefaultLook(true);
      SetFocus(page->Item(page->Ids().defaults));
      return true;
    case TabMove::kToFirstOnScreen:
      SetFocus(GetNextDlgTabItem(onScreen_->Hwnd(), nullptr, FALSE));
      return true;
    case TabMove::kToOk:
      ClearDefaultLook();
      ButtonItem(IDC_MAIN_OK).SetDefaultLook(true);
      SetFocus(Item(IDC_MAIN_OK));
      return true;
    case TabMove::kToLastButtonWithLook: {
      Dialog& target = page != nullptr ? static_cast<Dialog&>(*page) : *onScreen_;
      const int last = page != nullptr ? page->Ids().wizard : IDC_OSD_SELECT;
      TakeDefaultLookFromOk();
      target.ButtonItem(last).SetDefaultLook(true);
      SetFocus(target.Item(last));
      return true;
    }
    default:
      return false;
  }
}

}  // namespace tapstart
