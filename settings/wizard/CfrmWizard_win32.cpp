// The wizard sheet: the step machine's views shown on a wizard-mode property sheet, the sheet's commands
// routed back to it, and the sheet's own keyboard and mouse handling.
#include "wizard/CfrmWizard_win32.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <array>
#include <utility>

#include "app/Help_win32.h"
#include "app/Helpers_win32.h"
#include "registration/DatFile_win32.h"
#include "registration/ListSources.h"
#include "registration/RegistrationSources.h"
#include "res/resource.h"
#include "shell/DiskFileSystem_win32.h"
#include "shell/InternetShortcut_win32.h"
#include "ui/Controls_win32.h"
#include "ui/Resources_win32.h"
#include "ui/Text_win32.h"
#include "wizard/WizardPageRules.h"

namespace tapstart {
namespace {

constexpr UINT_PTR kSheetSubclass = 1;
// Every page's template is this large, in the dialog units of the UI font.
constexpr int kPageWidthUnits = 398;
constexpr int kPageHeightUnits = 213;
// The bottom buttons in their visual order, the sheet's Finish standing in Next's place when shown.
constexpr int kBottomOrder[] = {IDC_WIZ_OWN_FINISH, IDC_WIZ_BACK, IDC_WIZ_NEXT, IDCANCEL, IDC_WIZ_HELP};

// The sheet being created: its callback has no parameter of its own.
thread_local CfrmWizard* g_creating = nullptr;

bool Usable(HWND w) { return w != nullptr && IsWindowVisible(w) && IsWindowEnabled(w); }

// The sheet's template: created hidden, so that laying it out costs no painting (it is shown once ready), and
// in a wizard-only run with a task-bar button of its own.
void AdjustSheetTemplate(void* dialogTemplate, bool appWindow) {
  AdjustTemplateStyles(static_cast<BYTE*>(dialogTemplate), WS_VISIBLE, appWindow ? WS_EX_APPWINDOW : 0);
}

}  // namespace

CfrmWizard::CfrmWizard(SettingsStore& store, WizardRequest request) : store_(store), request_(std::move(request)) {
  LoadSources();
}

// The fonts the pages and the sheet's buttons take, for a scale; the caller keeps the old ones until no control
// uses them.
void CfrmWizard::MakeFonts(int dpi) {
  dpi_ = dpi;
  textFont_ = MakeUiFont(IDS_UI_FACE, IDR_HEIGHT_TEXT, 14, dpi);
  treeFont_ = MakeUiFont(IDS_UI_FACE, IDR_HEIGHT_TREE, 15, dpi);
}

CfrmWizard::~CfrmWizard() {
  if (sheet_ != nullptr) DestroyWindow(sheet_);
}

// Everything the pages offer is read once, before the sheet exists: the machine's switches and the lists.
void CfrmWizard::LoadSources() {
  machine_ = ReadWizardMachine(store_);
  DatFileNames names;
  names.commandList = Utf16(LoadStr(IDS_COMMAND_LIST_FILE));
  names.mediaCenter = Utf16(LoadStr(IDS_MEDIA_CENTER_FILE));
  names.ime = Utf16(LoadStr(IDS_IME_FILE));
  const RegistrationSources lists = LoadRegistrationSources(
      store_, request_.japaneseUi, [](std::u16string_view name) { return ReadDatFile(name); }, names);
  setup_.wizardOnly = request_.wizardOnly;
  setup_.buttonKind = request_.buttons.buttonKind;
  setup_.japaneseUi = request_.japaneseUi;
  setup_.sources = machine_.sources;
  // A Media Center list that gave no entry would leave its page without a choice and Next disabled for good.
  if (!lists.offerMediaCenter) setup_.sources.mcMenu = 0;
  setup_.ownSetup = machine_.ownSetup;
  setup_.mediaCenter = lists.mediaCenter;
  setup_.shortcutNames = lists.keys.names;
  setup_.shortcutCommands = lists.keys.commands;
  setup_.imeEntries = lists.ime;
  setup_.myComputerName = Utf16(GetMyComputerName());
  setup_.favoritesRoot = Utf16(LoadStr(IDS_SOURCE_FAVORITES));
  for (const std::u16string& line : ListLines(lists.mediaCenter)) sourceData_.mediaCenter.push_back(Wide(line));
  for (const std::u16string& line : lists.keys.lines) sourceData_.shortcutKeys.push_back(Wide(line));
  sourceData_.favorites = setup_.sources.ieMenu == 1;
  sourceData_.computerName = Wide(setup_.myComputerName);
  SetImeChangerPath(lists.ime, sourceData_.driveRules.changer);
  if (!lists.ime.empty()) result_.imeChangerCommand = lists.ime.front().command;
  model_ = std::make_unique<WizardModel>(setup_, static_cast<const WizardSystem&>(*this));
}

bool CfrmWizard::Create(HWND owner) {
  owner_ = owner;
  // The sheet opens on its owner's monitor: its pages take fonts for that scale when they are made.
  MakeFonts(WindowDpi(owner));
  const std::wstring face = LoadStr(IDS_UI_FACE);
  // The sheet shows and enables its Help button only for a sheet and pages that say they have help.
  helpShown_ = PlanBottomButtons(machine_.addHelp).helpShown;
  PROPSHEETPAGEW first = selectButton_.Describe(face, 9, PageFlags());
  HPROPSHEETPAGE pages[] = {CreatePropertySheetPageW(&first)};
  if (pages[0] == nullptr) return false;
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_WIZARD | PSH_MODELESS | PSH_USECALLBACK | (helpShown_ ? PSH_HASHELP : 0);
  header.hwndParent = owner;
  header.hInstance = GetModuleHandleW(nullptr);
  header.nPages = 1;
  header.phpage = pages;
  header.pfnCallback = SheetCallback;
  g_creating = this;
  sheet_ = reinterpret_cast<HWND>(PropertySheetW(&header));
  g_creating = nullptr;
  if (sheet_ == nullptr || sheet_ == reinterpret_cast<HWND>(-1)) {
    sheet_ = nullptr;
    return false;
  }
  if (!AddOtherPages()) return false;
  Initialise();
  ShowWindow(sheet_, SW_SHOW);
  return true;
}

// The sheet starts with the button page; the others join with their windows made at once, so that every
// page's controls can be read and written before it is first shown.
bool CfrmWizard::AddOtherPages() {
  const std::wstring face = LoadStr(IDS_UI_FACE);
  for (PropertyPage* page : std::initializer_list<PropertyPage*>{&launchMethod_, &selectMenu_, &singleProgram_,
                                                                 &finish_, &buttonName_, &somePrograms_}) {
    PROPSHEETPAGEW description = page->Describe(face, 9, PSP_PREMATURE | PageFlags());
    HPROPSHEETPAGE handle = CreatePropertySheetPageW(&description);
    if (handle == nullptr || !PropSheet_AddPage(sheet_, handle) || page->Hwnd() == nullptr) return false;
  }
  return true;
}

int CALLBACK CfrmWizard::SheetCallback(HWND sheet, UINT msg, LPARAM l) {
  CfrmWizard* self = g_creating;
  if (self == nullptr) return 0;
  if (msg == PSCB_PRECREATE && l != 0) AdjustSheetTemplate(reinterpret_cast<void*>(l), self->request_.wizardOnly);
  if (msg == PSCB_INITIALIZED) {
    self->sheet_ = sheet;
    SetWindowSubclass(sheet, SheetProc, kSheetSubclass, reinterpret_cast<DWORD_PTR>(self));
  }
  return 0;
}

// The sheet's initialisation, in order: the bottom row, the own Finish button, the icon, the sources, the
// name limit, the first page, the tab order.
void CfrmWizard::Initialise() {
  FitSheetToPages();
  LayOutButtons();
  CreateOwnFinish();
  SendMessageW(sheet_, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAIN))));
  singleProgram_.Sources().FillLists(sourceData_);
  somePrograms_.Sources().FillLists(sourceData_);
  buttonName_.SendItem(IDC_WIZN_EDIT, EM_LIMITTEXT, kNameLimit);
  Show(model_->Start());
  SetTabOrder();
}

// The sheet sizes its page area from the pages' dialog units in its own font, but the pages use the UI font:
// the sheet grows to hold a page at its real size and the bottom row (616 pixels with Help), the buttons and
// the line above them moving down with the page's bottom.
void CfrmWizard::FitSheetToPages() {
  PropertyPage* const pages[] = {&selectButton_, &launchMethod_, &selectMenu_,  &singleProgram_,
                                 &finish_,       &buttonName_,   &somePrograms_};
  RECT wanted{0, 0, kPageWidthUnits, kPageHeightUnits};
  MapDialogRect(selectButton_.Hwnd(), &wanted);
  const RECT page = ChildRect(sheet_, selectButton_.Hwnd());
  RECT client{};
  GetClientRect(sheet_, &client);
  const BottomButtonLayout plan = PlanBottomButtons(machine_.addHelp, dpi_);
  const int rowRight = (plan.helpShown ? plan.help : plan.cancel) + plan.width + ScaleToDpi(8, dpi_);
  const int widen = std::max(
      {0, static_cast<int>(wanted.right - (page.right - page.left)), static_cast<int>(rowRight - client.right)});
  const int lower = std::max(0, static_cast<int>(wanted.bottom - (page.bottom - page.top)));
  pagePlace_ = {page.left, page.top, page.left + wanted.right, page.top + wanted.bottom};
  for (PropertyPage* p : pages) PlacePage(p->Hwnd());
  if (widen == 0 && lower == 0) return;
  RECT outer{};
  GetWindowRect(sheet_, &outer);
  SetWindowPos(sheet_, nullptr, 0, 0, outer.right - outer.left + widen, outer.bottom - outer.top + lower,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (HWND child = GetWindow(sheet_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetParent(child) != sheet_ || (GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0) continue;
    const RECT r = ChildRect(sheet_, child);
    if (r.top < page.bottom) continue;  // the pages and the hidden tab control stay
    // The line above the buttons runs the sheet's width; the buttons keep their size.
    const bool line = r.bottom - r.top <= 2;
    SetWindowPos(child, nullptr, r.left, r.top + lower, r.right - r.left + (line ? widen : 0), r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// Every page at the first page's place and at its real size; the sheet sets a page's size again when it shows
// it, so a page shown is placed once more.
void CfrmWizard::PlacePage(HWND page) const {
  SetWindowPos(page, nullptr, pagePlace_.left, pagePlace_.top, pagePlace_.right - pagePlace_.left,
               pagePlace_.bottom - pagePlace_.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CfrmWizard::LayOutButtons() {
  const BottomButtonLayout plan = PlanBottomButtons(machine_.addHelp, dpi_);
  const auto place = [this, &plan](int id, int x) {
    HWND button = GetDlgItem(sheet_, id);
    if (button == nullptr) return;
    const RECT r = ChildRect(sheet_, button);
    SetWindowPos(button, nullptr, x, r.top, plan.width, plan.height, SWP_NOZORDER | SWP_NOACTIVATE);
  };
  place(IDC_WIZ_OWN_FINISH, plan.ownFinish);  // not made yet at the first layout
  place(IDC_WIZ_BACK, plan.back);
  place(IDC_WIZ_NEXT, plan.next);
  place(IDC_WIZ_FINISH, plan.next);
  place(IDCANCEL, plan.cancel);
  place(IDC_WIZ_HELP, plan.help);
  HWND help = GetDlgItem(sheet_, IDC_WIZ_HELP);
  if (help == nullptr) return;
  if (plan.helpShown) {
    SendMessageW(help, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.Get()), FALSE);
    SetWindowTextW(help, LoadStr(IDS_HELP).c_str());
  }
  ShowWindow(help, plan.helpShown ? SW_SHOW : SW_HIDE);
  EnableWindow(help, plan.helpShown ? TRUE : FALSE);
}

void CfrmWizard::CreateOwnFinish() {
  const RECT back = ChildRect(sheet_, GetDlgItem(sheet_, IDC_WIZ_BACK));
  const BottomButtonLayout plan = PlanBottomButtons(machine_.addHelp, dpi_);
  HWND own = CreateWindowExW(0, L"BUTTON", LoadStr(IDS_WIZ_FINISH).c_str(),
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, plan.ownFinish, back.top, plan.width,
                             plan.height, sheet_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_WIZ_OWN_FINISH)),
                             GetModuleHandleW(nullptr), nullptr);
  SendMessageW(own, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.Get()), FALSE);
  ShowWindow(own, SW_HIDE);
}

// Tab goes own Finish, Back, Next, Finish, Cancel, Help.
void CfrmWizard::SetTabOrder() {
  HWND previous = GetWindow(GetDlgItem(sheet_, IDC_WIZ_BACK), GW_HWNDPREV);
  HWND after = previous != nullptr ? previous : HWND_TOP;
  for (int id : {IDC_WIZ_OWN_FINISH, IDC_WIZ_BACK, IDC_WIZ_NEXT, IDC_WIZ_FINISH, IDCANCEL, IDC_WIZ_HELP}) {
    HWND button = GetDlgItem(sheet_, id);
    if (button == nullptr) continue;
    SetWindowPos(button, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    after = button;
  }
}

void CfrmWizard::PrepareSheet(bool) {
  if (sheet_ == nullptr) return;
  const struct {
    int id;
    UINT text;
  } buttons[] = {{IDCANCEL, IDS_WIZ_CANCEL},
                 {IDC_WIZ_NEXT, IDS_WIZ_NEXT},
                 {IDC_WIZ_BACK, IDS_WIZ_BACK},
                 {IDC_WIZ_FINISH, IDS_WIZ_FINISH}};
  for (const auto& b : buttons) {
    HWND button = GetDlgItem(sheet_, b.id);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.Get()), FALSE);
    SetWindowTextW(button, LoadStr(b.text).c_str());
  }
}

void CfrmWizard::Show(const WizardView& view) {
  if (sheet_ == nullptr) return;
  if (view.show) {
    PropSheet_SetCurSel(sheet_, nullptr, static_cast<int>(*view.show));
    PlacePage(PropSheet_GetCurrentPageHwnd(sheet_));
    // The sheet titles a wizard after the page shown, whose template has no caption: the title is set after.
    SetWindowTextW(sheet_, (LoadStr(IDS_TITLE) + L" " + LoadStr(IDS_WIZ_TITLE)).c_str());
  }
  PropSheet_SetWizButtons(sheet_, view.buttons);
  if (HWND own = GetDlgItem(sheet_, IDC_WIZ_OWN_FINISH)) {
    ShowWindow(own, view.ownFinish == OwnFinishButton::Hidden ? SW_HIDE : SW_SHOW);
    EnableWindow(own, view.ownFinish == OwnFinishButton::Enabled ? TRUE : FALSE);
  }
  if (view.step == WizardStep::SeveralPrograms)
    somePrograms_.ShowProgramNames(model_->ProgramNames(), model_->WritableSlot());
  switch (view.end) {
    case WizardEnd::Finished:
      End(true);
      break;
    case WizardEnd::Cancelled:
      End(false);
      break;
    case WizardEnd::AskToCancel:
      AskToCancel();
      break;
    case WizardEnd::HandOver:
      HandOver(view.handOverButton);
      break;
    case WizardEnd::None:
      break;
  }
}

void CfrmWizard::AskToCancel() {
  const int answer = Ask(sheet_, LoadStr(IDS_WIZ_CANCEL_QUESTION), LoadStr(IDS_TITLE) + L" " + LoadStr(IDS_WIZ_TITLE),
                         MB_YESNO | MB_ICONQUESTION);
  Show(model_->AnswerCancel(answer == IDYES));
}

// The button page stays when nothing was handed over; a hand-over that happened ends the wizard with nothing
// taken over (the process normally ends with it).
void CfrmWizard::HandOver(int button) {
  if (request_.handOver && request_.handOver(sheet_, button)) End(false);
}

void CfrmWizard::End(bool finished) {
  result_.finished = finished;
  if (finished) {
    result_.record = model_->Record();
    result_.selectedButton = model_->SelectedButton();
  }
  ended_ = true;
  if (sheet_ != nullptr) PostMessageW(sheet_, WM_NULL, 0, 0);
}

void CfrmWizard::Command(WizardDirection direction) {
  if (ended_) return;
  if (direction == WizardDirection::Next) FillTreesAhead();
  Show(model_->Press(direction));
}

// The trees are filled, to their first level, when a program page is about to be shown for the first time:
// the first page never waits for folders and drives.
void CfrmWizard::FillTreesAhead() {
  const WizardStep step = model_->Step();
  if (step != WizardStep::Source && step != WizardStep::ButtonName) return;
  if (!drivesRead_) {
    drivesRead_ = true;
    (void)sourceData_.drives.Refresh(DiskFileSystem());  // no drive leaves the computer's root without children
  }
  if (step == WizardStep::Source) {
    singleProgram_.Sources().FillTrees(sourceData_, false);
  } else {
    // The drives tree of the several-programs page leaves the IME changer out: it cannot be one of several.
    somePrograms_.Sources().FillTrees(sourceData_, true);
  }
}

// A command from a button, a key or PSM_PRESSBUTTON; a button that is hidden or disabled presses nothing.
void CfrmWizard::PressButtonOf(int id) {
  if (ended_ || !Usable(GetDlgItem(sheet_, id))) return;
  switch (id) {
    case IDC_WIZ_NEXT:
    case IDC_WIZ_FINISH:
      Command(WizardDirection::Next);
      break;
    case IDC_WIZ_BACK:
      Command(WizardDirection::Back);
      break;
    case IDC_WIZ_OWN_FINISH:
      Command(WizardDirection::OwnFinish);
      break;
    case IDCANCEL:
      Show(model_->Cancel());
      break;
    case IDC_WIZ_HELP:
      OpenHelp(HelpTopic::Wizard);
      break;
    default:
      break;
  }
}

void CfrmWizard::FocusSheetButton(int id) {
  HWND button = GetDlgItem(sheet_, id);
  if (id == IDC_WIZ_NEXT && !Usable(button)) button = GetDlgItem(sheet_, IDC_WIZ_FINISH);
  if (Usable(button)) SendMessageW(sheet_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), TRUE);
}

void CfrmWizard::MakeNextDefault() {
  const bool finish = Usable(GetDlgItem(sheet_, IDC_WIZ_FINISH));
  SendMessageW(sheet_, DM_SETDEFID, finish ? IDC_WIZ_FINISH : IDC_WIZ_NEXT, 0);
}

LRESULT CALLBACK CfrmWizard::SheetProc(HWND sheet, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<CfrmWizard*>(data);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(sheet, SheetProc, kSheetSubclass);
    self->sheet_ = nullptr;
    return DefSubclassProc(sheet, msg, w, l);
  }
  LRESULT result = 0;
  // No exception may cross into the system's window procedures.
  try {
    if (self->OnSheetMessage(msg, w, l, result)) return result;
  } catch (...) {
    return 0;
  }
  return DefSubclassProc(sheet, msg, w, l);
}

bool CfrmWizard::OnSheetMessage(UINT msg, WPARAM w, LPARAM l, LRESULT& result) {
  result = 0;
  switch (msg) {
    case WM_COMMAND: {
      const int id = LOWORD(w);
      const bool button = HIWORD(w) == BN_CLICKED;
      for (int own : {IDC_WIZ_NEXT, IDC_WIZ_FINISH, IDC_WIZ_BACK, IDC_WIZ_OWN_FINISH, IDCANCEL, IDC_WIZ_HELP}) {
        if (id != own || !button) continue;
        PressButtonOf(id);
        return true;
      }
      return false;
    }
    case PSM_PRESSBUTTON: {
      static constexpr int kIds[] = {IDC_WIZ_BACK, IDC_WIZ_NEXT, IDC_WIZ_FINISH, IDOK, 0, IDCANCEL, IDC_WIZ_HELP};
      if (w < std::size(kIds) && kIds[w] != 0) PressButtonOf(kIds[w]);
      return true;
    }
    case WM_SYSCOMMAND:
      if ((w & 0xFFF0) != SC_CLOSE) return false;
      [[fallthrough]];
    case WM_CLOSE:
      // Close from the system menu or the title bar leaves without asking.
      if (!ended_) Show(model_->Close());
      return true;
    case WM_NCRBUTTONDOWN:
      ShowSystemMenu({static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))});
      return true;
    case WM_NCRBUTTONUP:
      return true;
    case WM_DPICHANGED:
      OnDpiChanged(LOWORD(w), reinterpret_cast<const RECT*>(l));
      return true;
    default:
      return false;
  }
}

// Moved to a monitor of another scale: the sheet takes the suggested size, everything in it is scaled in
// proportion, the pages take the new fonts, and the bottom row is laid out again for the new scale.
void CfrmWizard::OnDpiChanged(int dpi, const RECT* suggested) {
  if (dpi <= 0 || dpi == dpi_) return;
  const Font oldText = std::move(textFont_);
  const Font oldTree = std::move(treeFont_);
  MakeFonts(dpi);
  ApplyDpiChange(sheet_, dpi, suggested);
  for (int id : {IDC_WIZ_BACK, IDC_WIZ_NEXT, IDC_WIZ_FINISH, IDCANCEL, IDC_WIZ_HELP, IDC_WIZ_OWN_FINISH})
    if (HWND button = GetDlgItem(sheet_, id))
      SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.Get()), TRUE);
  if (HWND page = PropSheet_GetCurrentPageHwnd(sheet_)) pagePlace_ = ChildRect(sheet_, page);
  LayOutButtons();
}

// A right click on the title bar or frame: the system menu at the cursor, Move and Close carried out.
void CfrmWizard::ShowSystemMenu(POINT at) {
  HMENU menu = GetSystemMenu(sheet_, FALSE);
  if (menu == nullptr) return;
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, at.x, at.y, 0, sheet_, nullptr));
  if (chosen == SC_MOVE || chosen == SC_CLOSE) SendMessageW(sheet_, WM_SYSCOMMAND, chosen, 0);
}

bool CfrmWizard::PreTranslate(MSG& msg) {
  if (sheet_ == nullptr || msg.message != WM_KEYDOWN) return false;
  switch (msg.wParam) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      return MoveAmongButtons(msg);
    case VK_RETURN:
      // Enter on a tree opens or closes its item instead of moving on.
      return singleProgram_.Sources().ToggleCaret(msg.hwnd) || somePrograms_.Sources().ToggleCaret(msg.hwnd);
    default:
      return false;
  }
}

bool CfrmWizard::MoveAmongButtons(const MSG& msg) {
  std::array<HWND, 5> buttons{};
  std::array<bool, 5> usable{};
  int current = -1;
  for (size_t i = 0; i < buttons.size(); ++i) {
    buttons[i] = GetDlgItem(sheet_, kBottomOrder[i]);
    // Next and the sheet's Finish share a place: whichever is shown stands there.
    if (kBottomOrder[i] == IDC_WIZ_NEXT && !IsWindowVisible(buttons[i]))
      buttons[i] = GetDlgItem(sheet_, IDC_WIZ_FINISH);
    usable[i] = Usable(buttons[i]) && (kBottomOrder[i] != IDC_WIZ_HELP || helpShown_);
    if (buttons[i] == msg.hwnd) current = static_cast<int>(i);
  }
  if (current < 0) return false;
  const int step = msg.wParam == VK_LEFT || msg.wParam == VK_UP ? -1 : 1;
  const int target = NextBottomButton(usable, current, step);
  if (target != current) SendMessageW(sheet_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(buttons[target]), TRUE);
  return true;
}

bool CfrmWizard::IsDirectory(std::u16string_view path) const {
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::u16string CfrmWizard::ReadShortcutUrl(std::u16string_view path) const {
  const std::wstring file = Wide(path);
  const std::wstring url = ResolveInternetShortcut(file);
  // The reader gives the path back when the shortcut holds no address.
  return url == file ? std::u16string() : Utf16(url);
}

const WizardSourcePane* CfrmWizard::PaneOfStep() const {
  switch (model_->Step()) {
    case WizardStep::Source:
    case WizardStep::SingleProgram:
      return &singleProgram_.Sources();
    case WizardStep::ButtonName:
    case WizardStep::SeveralPrograms:
      return &somePrograms_.Sources();
    default:
      return nullptr;
  }
}

std::optional<TreeSelection> CfrmWizard::SelectedTreeItem(int source) const {
  const WizardSourcePane* pane = PaneOfStep();
  return pane != nullptr ? pane->SelectedTreeItem(source) : std::nullopt;
}

int CfrmWizard::SelectedListLine(int source) const {
  const WizardSourcePane* pane = PaneOfStep();
  return pane != nullptr ? pane->SelectedLine(source) : -1;
}

WizardResult CfrmWizard::RunModal(HWND owner) {
  if (!Create(owner)) return result_;
  if (owner != nullptr) EnableWindow(owner, FALSE);
  MSG msg{};
  while (!ended_ && sheet_ != nullptr) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      // A quit request ends the wizard and goes on to the caller's loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got == -1) break;
    if (PreTranslate(msg) || PropSheet_IsDialogMessage(sheet_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  // The owner is enabled before the sheet goes, so that it gets the activation back.
  if (owner != nullptr) EnableWindow(owner, TRUE);
  if (sheet_ != nullptr) DestroyWindow(sheet_);
  return result_;
}

WizardResult RunWizardSheet(HWND owner, SettingsStore& store, WizardRequest request) {
  CfrmWizard wizard(store, std::move(request));
  return wizard.RunModal(owner);
}

}  // namespace tapstart
