// The program registration dialog: copies the model's view onto the controls after every action, and turns the
// controls' clicks, menus, keys and drops into the model's calls.
#include "CfrmSetAp_win32.h"

#include <commctrl.h>

#include <utility>
#include <vector>

#include "app/Contrast_win32.h"
#include "app/Help_win32.h"
#include "app/Helpers_win32.h"
#include "registration/DatFile_win32.h"
#include "registration/TabKeys.h"
#include "res/resource.h"
#include "ui/Controls_win32.h"
#include "ui/Resources_win32.h"
#include "ui/Text_win32.h"

namespace tapstart {
namespace {

constexpr UINT_PTR kTabSubclassId = 1;

constexpr int kSlotIds[kProgramsPerButton] = {IDC_SETAP_SLOT1, IDC_SETAP_SLOT2, IDC_SETAP_SLOT3, IDC_SETAP_SLOT4,
                                              IDC_SETAP_SLOT5};
constexpr int kLabelIds[kProgramsPerButton] = {IDC_SETAP_LABEL1, IDC_SETAP_LABEL2, IDC_SETAP_LABEL3, IDC_SETAP_LABEL4,
                                               IDC_SETAP_LABEL5};
constexpr int kMethodIds[] = {IDC_SETAP_SINGLE, IDC_SETAP_SEQUENTIAL, IDC_SETAP_SIMULTANEOUS};

// Each tab shows one source control, found again by the tab's text.
struct SourceTab {
  UINT text;
  int control;
};
constexpr SourceTab kSourceTabs[] = {
    {IDS_SOURCE_START_MENU, IDC_SETAP_START_MENU},     {IDS_SOURCE_MEDIA_CENTER, IDC_SETAP_MEDIA_CENTER},
    {IDS_SOURCE_FAVORITES, IDC_SETAP_FAVORITES},       {IDS_SOURCE_ALL_FILES, IDC_SETAP_ALL_FILES},
    {IDS_SOURCE_SHORTCUT_KEY, IDC_SETAP_SHORTCUT_KEY}, {IDS_SOURCE_IME, IDC_SETAP_IME}};

int ListControl(ListKind list) {
  if (list == ListKind::MediaCenter) return IDC_SETAP_MEDIA_CENTER;
  return list == ListKind::ShortcutKey ? IDC_SETAP_SHORTCUT_KEY : IDC_SETAP_IME;
}

std::vector<std::wstring> WideLines(const std::vector<std::u16string>& lines) {
  std::vector<std::wstring> wide;
  wide.reserve(lines.size());
  for (const std::u16string& line : lines) wide.push_back(Wide(line));
  return wide;
}

std::optional<ArrowKey> ArrowOf(WPARAM key) {
  switch (key) {
    case VK_LEFT:
      return ArrowKey::Left;
    case VK_RIGHT:
      return ArrowKey::Right;
    case VK_UP:
      return ArrowKey::Up;
    case VK_DOWN:
      return ArrowKey::Down;
    default:
      return std::nullopt;
  }
}

// A "Send" popup whose submenu lists the program numbers as "Program1" to "Program5".
Menu SendMenu(const std::vector<int>& programs) {
  Menu menu(CreatePopupMenu());
  HMENU send = CreatePopupMenu();
  for (const int n : programs)
    AppendMenuW(send, MF_STRING, static_cast<UINT_PTR>(n), LoadStr(IDS_MENU_PROGRAM1 + n - 1).c_str());
  AppendMenuW(menu.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(send), LoadStr(IDS_MENU_SEND).c_str());
  return menu;
}

SetApSetup MakeSetup(const APPKEY_DATA& record, const RegistrationContext& context) {
  SetApSetup setup;
  setup.record = record;
  const DatFileNames names{Utf16(LoadStr(IDS_COMMAND_LIST_FILE)), Utf16(LoadStr(IDS_MEDIA_CENTER_FILE)),
                           Utf16(LoadStr(IDS_IME_FILE))};
  setup.sources = LoadRegistrationSources(context.store, context.japaneseUi, ReadDatFile, names);
  setup.switches = ReadDispSwitches(context.store);
  setup.computerName = Utf16(GetMyComputerName());
  SetImeChangerPath(setup.sources.ime, context.changer);
  setup.changer = context.changer;
  return setup;
}

void MoveTo(HWND control, const RECT& r) {
  SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

CfrmSetAp::CfrmSetAp(const APPKEY_DATA& record, RegistrationContext context, MenuFn menu, InputBoxFn inputBox)
    : Dialog(IDD_SETAP),
      context_(context),
      model_(MakeSetup(record, context), context.flags, system_),
      menu_(std::move(menu)),
      inputBox_(std::move(inputBox)) {
  for (int i = 0; i < kProgramsPerButton; ++i)
    slots_[static_cast<size_t>(i)] = std::make_unique<CDDEdit>(static_cast<SlotOwner&>(*this), i);
}

CfrmSetAp::~CfrmSetAp() {
  // The slots revoke their drop targets while their windows still exist.
  for (auto& slot : slots_) slot.reset();
}

CTreeViewUtl& CfrmSetAp::Tree(TreeKind kind) {
  if (kind == TreeKind::Favorites) return favorites_;
  return kind == TreeKind::AllFiles ? allFiles_ : startMenu_;
}

BOOL CfrmSetAp::OnInitDialog() {
  SetBigIcon(IDI_MAIN);
  AttachControls();
  SizeTabs();
  InsertTabs();
  SetFonts();
  SetTexts();
  FillSources();
  FitSourcesToTabs();
  ShowView();
  ApplyDelSerial();
  ApplyAddHelp();
  return TRUE;
}

void CfrmSetAp::AttachControls() {
  for (auto& slot : slots_) (void)slot->Attach(Item(kSlotIds[slot->Slot()]));  // a slot without OLE takes no drops
  (void)startMenu_.Attach(Item(IDC_SETAP_START_MENU), this);                   // the template holds every control
  (void)favorites_.Attach(Item(IDC_SETAP_FAVORITES), this);
  (void)allFiles_.Attach(Item(IDC_SETAP_ALL_FILES), this);
  (void)mediaCenter_.Attach(Item(IDC_SETAP_MEDIA_CENTER), this);
  (void)keys_.Attach(Item(IDC_SETAP_SHORTCUT_KEY), this);
  (void)ime_.Attach(Item(IDC_SETAP_IME), this);
  SetWindowSubclass(Item(IDC_SETAP_TAB), TabSubclass, kTabSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

// Three fixed-width tabs to a row across the source lists' width; the height keeps the tabs' proportions.
void CfrmSetAp::SizeTabs() {
  RECT list{}, tab{};
  GetWindowRect(Item(IDC_SETAP_MEDIA_CENTER), &list);
  GetWindowRect(Item(IDC_SETAP_TAB), &tab);
  const int cx = (list.right - tab.left + 1) / 3;
  TabItem(IDC_SETAP_TAB).SetItemSize(cx, cx * 19 / 120);
}

// The sources that have nothing to show get no tab; the IME list is the Japanese interface's alone.
void CfrmSetAp::InsertTabs() {
  offerFavorites_ = ReadProgramGroups(context_.store).ieMenu && !FavoritesFolder().empty();
  const RegistrationSources& sources = model_.Sources();
  const TabControl tab = TabItem(IDC_SETAP_TAB);
  for (const SourceTab& s : kSourceTabs) {
    if (s.control == IDC_SETAP_MEDIA_CENTER && !sources.offerMediaCenter) continue;
    if (s.control == IDC_SETAP_FAVORITES && !offerFavorites_) continue;
    if (s.control == IDC_SETAP_IME && !(context_.japaneseUi && sources.offerIme)) continue;
    (void)tab.Insert(tab.Count(), LoadStr(s.text));  // a tab that cannot be made leaves its source unreachable
  }
  tab.Select(0);
  ShowSelectedSource();
}

// The fonts for the dialog's scale; the old ones go only once no control uses them.
void CfrmSetAp::SetFonts() {
  Font tab = MakeUiFont(IDS_UI_FACE, IDR_HEIGHT_TAB, 14, Dpi());
  Font text = MakeUiFont(IDS_UI_FACE, IDR_HEIGHT_TEXT, 14, Dpi());
  Font tree = MakeUiFont(IDS_UI_FACE, IDR_HEIGHT_TREE, 15, Dpi());
  SetItemFonts(hwnd_, {IDC_SETAP_TAB}, tab.Get());
  SetItemFonts(hwnd_, {IDC_SETAP_START_MENU, IDC_SETAP_FAVORITES, IDC_SETAP_ALL_FILES}, tree.Get());
  SetItemFonts(hwnd_,
               {IDC_SETAP_MEDIA_CENTER, IDC_SETAP_SHORTCUT_KEY, IDC_SETAP_IME, IDC_SETAP_PROGRAMS_GROUP,
                IDC_SETAP_METHOD_GROUP, IDC_SETAP_SINGLE, IDC_SETAP_SEQUENTIAL, IDC_SETAP_SIMULTANEOUS, IDC_SETAP_OK,
                IDC_SETAP_CANCEL, IDC_SETAP_HELP, IDC_SETAP_HINT},
               text.Get());
  for (int i = 0; i < kProgramsPerButton; ++i) SetItemFonts(hwnd_, {kSlotIds[i], kLabelIds[i]}, text.Get());
  tabFont_ = std::move(tab);
  textFont_ = std::move(text);
  treeFont_ = std::move(tree);
}

// Moved to a monitor of another scale: the controls were scaled in proportion; the fonts, the tabs' size and the
// source lists' place in the tab control follow.
void CfrmSetAp::OnDpiChanged() {
  SetFonts();
  SizeTabs();
  FitSourcesToTabs();
}

void CfrmSetAp::SetTexts() {
  SetWindowTextW(hwnd_, LoadStr(IDS_SETAP_TITLE).c_str());
  ApplyCaptions(hwnd_, {{IDC_SETAP_PROGRAMS_GROUP, IDS_SETAP_PROGRAMS_GROUP},
                        {IDC_SETAP_METHOD_GROUP, IDS_SETAP_METHOD_GROUP},
                        {IDC_SETAP_SINGLE, IDS_SETAP_SINGLE},
                        {IDC_SETAP_SEQUENTIAL, IDS_SETAP_SEQUENTIAL},
                        {IDC_SETAP_SIMULTANEOUS, IDS_SETAP_SIMULTANEOUS},
                        {IDC_SETAP_OK, IDS_SETAP_OK},
                        {IDC_SETAP_CANCEL, IDS_SETAP_CANCEL},
                        {IDC_SETAP_HELP, IDS_HELP}});
  const std::wstring program = LoadStr(IDS_SETAP_PROGRAM);
  for (int i = 0; i < kProgramsPerButton; ++i) SetItemText(kLabelIds[i], program + std::to_wstring(i + 1));
  SetItemText(IDC_SETAP_HINT, L" " + LoadStr(IDS_SETAP_HINT));
  // The hint's own light blue; with high contrast the hint takes a system brush instead.
  hintBrush_.Reset(CreateSolidBrush(ColourOf(PaintFor(PaintedElement::kRegistrationHint, false).background)));
}

void CfrmSetAp::FillSources() {
  startMenu_.FillStartMenu(UserStartMenuFolder(), LoadStr(IDS_START_MENU_ROOT));
  if (offerFavorites_) favorites_.FillFavorites(FavoritesFolder(), LoadStr(IDS_SOURCE_FAVORITES));
  const DiskFileSystem fs;
  CSystemDrive drives;
  drives.Refresh(fs);
  allFiles_.FillAllFiles(drives, GetMyComputerName(), DriveFolderRules{context_.changer, false});
  const RegistrationSources& sources = model_.Sources();
  const std::pair<CDDListBox*, std::vector<std::u16string>> lists[] = {
      {&mediaCenter_, ListLines(sources.mediaCenter)}, {&keys_, sources.keys.lines}, {&ime_, ListLines(sources.ime)}};
  for (const auto& [list, lines] : lists) {
    list->View().Fill(WideLines(lines));
    if (!lines.empty()) list->View().Select(0);
  }
}

// The source controls fill the tab control's display area, which depends on how many rows of tabs there are.
void CfrmSetAp::FitSourcesToTabs() {
  HWND tab = Item(IDC_SETAP_TAB);
  RECT area = TabItem(IDC_SETAP_TAB).DisplayArea();
  MapWindowPoints(tab, hwnd_, reinterpret_cast<POINT*>(&area), 2);
  InflateRect(&area, -Scaled(2), -Scaled(2));
  for (const SourceTab& s : kSourceTabs) MoveTo(Item(s.control), area);
}

// Without the sequential method its radio goes, and the simultaneous radio takes its place.
void CfrmSetAp::ApplyDelSerial() {
  if (context_.flags.SequentialHidden == 0) return;
  const RECT place = ChildRect(hwnd_, Item(IDC_SETAP_SEQUENTIAL));
  EnableItem(IDC_SETAP_SEQUENTIAL, false);
  ShowItem(IDC_SETAP_SEQUENTIAL, false);
  MoveTo(Item(IDC_SETAP_SIMULTANEOUS), place);
}

// Without Help, OK and Cancel move one place to the right into the places of Cancel and Help.
void CfrmSetAp::ApplyAddHelp() {
  if (ReadDispSwitches(context_.store).addHelp) return;
  const RECT cancel = ChildRect(hwnd_, Item(IDC_SETAP_CANCEL));
  const RECT help = ChildRect(hwnd_, Item(IDC_SETAP_HELP));
  EnableItem(IDC_SETAP_HELP, false);
  ShowItem(IDC_SETAP_HELP, false);
  MoveTo(Item(IDC_SETAP_OK), cancel);
  MoveTo(Item(IDC_SETAP_CANCEL), help);
}

void CfrmSetAp::Present(const APPKEY_DATA& record) {
  model_.Open(record);
  ShowView();
}

void CfrmSetAp::ShowSelectedSource() {
  const TabControl tab = TabItem(IDC_SETAP_TAB);
  const std::wstring text = tab.Text(tab.Selected());
  for (const SourceTab& s : kSourceTabs) ShowItem(s.control, LoadStr(s.text) == text);
}

void CfrmSetAp::ShowView() {
  const SetApView& view = model_.View();
  for (size_t i = 0; i < kProgramsPerButton; ++i) {
    const std::wstring text = Wide(view.slotText[i]);
    if (ItemText(kSlotIds[i]) != text) SetItemText(kSlotIds[i], text);
    EnableItem(kSlotIds[i], view.slotEnabled[i]);
    EnableItem(kLabelIds[i], view.slotEnabled[i]);
  }
  for (int m = kSingle; m <= kSimultaneous; ++m) {
    ButtonItem(kMethodIds[m - 1]).SetChecked(view.checkedMethod == m);
    EnableItem(kMethodIds[m - 1], view.methodEnabled && !(m == kSequential && context_.flags.SequentialHidden));
  }
  EnableItem(IDC_SETAP_METHOD_GROUP, view.methodEnabled);
  EnableItem(IDC_SETAP_OK, view.okEnabled);
  // OK that comes on takes the default-button place.
  if (view.okEnabled && !okShownEnabled_) SendMessageW(hwnd_, DM_SETDEFID, IDC_SETAP_OK, 0);
  okShownEnabled_ = view.okEnabled;
}

bool CfrmSetAp::OnCommand(int id, int code, HWND) {
  if (code != LBN_SELCHANGE) return false;
  for (const CDDListBox* list : {&mediaCenter_, &keys_, &ime_})
    if (id == ListControl(list->Kind())) model_.SelectListLine(list->Kind(), list->View().Selected());
  return true;
}

bool CfrmSetAp::OnButtonClicked(int id) {
  switch (id) {
    case IDC_SETAP_OK:
      cmdOK_Click();
      return true;
    case IDC_SETAP_CANCEL:
      cmdCancel_Click();
      return true;
    case IDC_SETAP_HELP:
      OpenHelp(HelpTopic::Registration);
      return true;
    case IDC_SETAP_SINGLE:
    case IDC_SETAP_SEQUENTIAL:
    case IDC_SETAP_SIMULTANEOUS:
      optMethod_Click(id);
      return true;
    default:
      return false;
  }
}

// Enter reaches the dialog as IDOK only when the default button cannot take it: OK then acts only when enabled.
void CfrmSetAp::OnOK() {
  if (IsWindowEnabled(Item(IDC_SETAP_OK))) cmdOK_Click();
}

void CfrmSetAp::cmdOK_Click() {
  result_ = model_.Record();
  for (CTreeViewUtl* tree : {&startMenu_, &favorites_, &allFiles_}) tree->DeleteAll();
  End(IDOK);
}

void CfrmSetAp::cmdCancel_Click() {
  for (CTreeViewUtl* tree : {&startMenu_, &favorites_, &allFiles_}) tree->DeleteAll();
  End(IDCANCEL);
}

void CfrmSetAp::optMethod_Click(int id) {
  model_.ClickMethod(id - IDC_SETAP_SINGLE + kSingle);
  ShowView();
}

bool CfrmSetAp::OnNotify(NMHDR* header, LRESULT& result) {
  for (CTreeViewUtl* tree : {&startMenu_, &favorites_, &allFiles_})
    if (tree->OnNotify(*header, result)) return true;
  if (header->idFrom == IDC_SETAP_TAB && header->code == static_cast<UINT>(TCN_SELCHANGE)) {
    ShowSelectedSource();
    return true;
  }
  return false;
}

bool CfrmSetAp::OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) {
  if (msg == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(l) == Item(IDC_SETAP_HINT)) {
    result = HintColour(reinterpret_cast<HDC>(w));
    return true;
  }
  // High contrast on or off, or other system colours: the hint's colours are chosen anew as it repaints.
  FollowColourChange(hwnd_, msg, w, {IDC_SETAP_TAB, IDC_SETAP_START_MENU, IDC_SETAP_FAVORITES, IDC_SETAP_ALL_FILES});
  return false;
}

INT_PTR CfrmSetAp::HintColour(HDC dc) const {
  const ElementPaint paint = PaintFor(PaintedElement::kRegistrationHint, HighContrastOn());
  return reinterpret_cast<INT_PTR>(ApplyPaint(dc, paint, hintBrush_.Get()));
}

void CfrmSetAp::OnDestroy() {
  RemoveWindowSubclass(Item(IDC_SETAP_TAB), TabSubclass, kTabSubclassId);
  for (auto& slot : slots_) slot.reset();
}

void CfrmSetAp::RememberTreeItem(CTreeViewUtl& tree, HTREEITEM item) {
  model_.RememberTreeItem({tree.Kind(), Utf16(tree.ItemPath(item)), Utf16(tree.ItemText(item)),
                           tree.RootText() == LoadStr(IDS_SOURCE_FAVORITES)});
}

void CfrmSetAp::ShowTreeSendMenu(POINT screen) {
  const std::vector<int> programs = model_.TreeSendMenu();
  if (programs.empty()) return;
  const Menu menu = SendMenu(programs);
  const int chosen = menu_(hwnd_, menu.Get(), screen);
  if (chosen < 1) return;
  model_.SendTreeItem(chosen);
  ShowView();
}

void CfrmSetAp::TreeRightClick(CTreeViewUtl& tree, HTREEITEM item, POINT screen) {
  RememberTreeItem(tree, item);
  ShowTreeSendMenu(screen);
}

void CfrmSetAp::TreeAppsKey(CTreeViewUtl& tree, HTREEITEM item, POINT screen) {
  RememberTreeItem(tree, item);
  ShowTreeSendMenu(screen);
}

bool CfrmSetAp::TreeDragBegins(CTreeViewUtl& tree, HTREEITEM item) {
  RememberTreeItem(tree, item);
  return model_.BeginTreeDrag();
}

void CfrmSetAp::TreeDragEnded(CTreeViewUtl&) {
  model_.EndDrag();
  ShowView();
}

std::optional<std::wstring> CfrmSetAp::ListDragBegins(ListKind list, int line) {
  model_.SelectListLine(list, line);
  const std::optional<std::u16string> text = model_.BeginListDrag(list);
  if (!text) return std::nullopt;
  return Wide(*text);
}

void CfrmSetAp::ListDragEnded(ListKind) {
  model_.EndDrag();
  ShowView();
}

void CfrmSetAp::ListSendMenu(ListKind list, POINT screen) {
  model_.SelectListLine(list, ListItem(ListControl(list)).Selected());
  if (!model_.ListSendMenuOffered(list)) return;
  const Menu menu = SendMenu({1});
  if (menu_(hwnd_, menu.Get(), screen) != IDM_SEND_PROGRAM1) return;
  model_.SendListEntry(list);
  ShowView();
}

bool CfrmSetAp::SlotDragBegins(int slot) { return model_.BeginSlotDrag(slot); }

void CfrmSetAp::SlotDragEnded() {
  model_.EndDrag();
  ShowView();
}

// The menu of a slot that shows a program: Delete, Parameter Setting (grayed where parameters cannot be given),
// and Cancel.
void CfrmSetAp::SlotMenu(int slot, POINT screen) {
  if (slot < 0 || slot >= kProgramsPerButton || model_.View().slotText[static_cast<size_t>(slot)].empty()) return;
  const Menu menu(CreatePopupMenu());
  AppendMenuW(menu.Get(), MF_STRING, IDM_SLOT_DELETE, LoadStr(IDS_MENU_DELETE).c_str());
  AppendMenuW(menu.Get(), MF_STRING | (model_.ParameterGrayed(slot) ? MF_GRAYED : 0), IDM_SLOT_PARAMETERS,
              LoadStr(IDS_PARAMETER_SETTING).c_str());
  AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu.Get(), MF_STRING, IDM_SLOT_CANCEL, LoadStr(IDS_MENU_CANCEL).c_str());
  const int chosen = menu_(hwnd_, menu.Get(), screen);
  if (chosen == IDM_SLOT_DELETE) {
    model_.DeleteSlot(slot);
    ShowView();
  } else if (chosen == IDM_SLOT_PARAMETERS) {
    RunParameterSetting(slot);
  }
}

void CfrmSetAp::RunParameterSetting(int slot) {
  const std::optional<ParameterRequest> request = model_.ParameterFor(slot);
  if (!request) return;
  InputBoxRequest box;
  box.parameterMode = true;
  box.startText = request->text;
  box.maxLength = static_cast<size_t>(request->maxLength);
  const std::optional<std::u16string> entered = inputBox_(hwnd_, box);
  if (!entered) return;
  model_.SetParameter(slot, *entered);
  ShowView();
}

void CfrmSetAp::SlotDeleteKey(int slot) {
  model_.DeleteKey(slot);
  ShowView();
}

bool CfrmSetAp::SlotAccepts(int slot, bool offersText) { return model_.CanDropOnSlot(slot, offersText); }

void CfrmSetAp::SlotDropped(int slot, const std::wstring& text) {
  model_.DropOnSlot(slot, Utf16(text));
  ShowView();
}

// Arrow keys move between the tabs by the table of a three-to-a-row layout; true when the key was taken.
bool CfrmSetAp::OnTabKey(WPARAM key) {
  if (key == VK_RETURN) return true;  // Enter on the tabs closes nothing
  const std::optional<ArrowKey> arrow = ArrowOf(key);
  if (!arrow) return false;
  const TabControl tab = TabItem(IDC_SETAP_TAB);
  const TabMove move = TabArrowMove(tab.Count(), tab.Selected(), *arrow);
  switch (move.kind) {
    case TabMove::kOwnHandling:
      return false;
    case TabMove::kFocusOk:
      FocusItem(IDC_SETAP_OK);
      return true;
    case TabMove::kFocusCancel:
      FocusItem(IDC_SETAP_CANCEL);
      return true;
    case TabMove::kSelectTab:
      tab.Select(move.tab);
      ShowSelectedSource();
      return true;
    default:
      return true;
  }
}

LRESULT CALLBACK CfrmSetAp::TabSubclass(HWND tab, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<CfrmSetAp*>(data);
  switch (msg) {
    case WM_GETDLGCODE: {
      // Enter comes to the tabs instead of pressing the default button.
      const auto* m = reinterpret_cast<const MSG*>(l);
      const LRESULT code = DefSubclassProc(tab, msg, w, l);
      return m != nullptr && m->message == WM_KEYDOWN && m->wParam == VK_RETURN ? code | DLGC_WANTMESSAGE : code;
    }
    case WM_KEYDOWN:
      if (self->OnTabKey(w)) return 0;
      break;
    case WM_SETFOCUS: {
      const LRESULT r = DefSubclassProc(tab, msg, w, l);
      self->ButtonItem(IDC_SETAP_OK).SetDefaultLook(false);
      return r;
    }
    default:
      break;
  }
  return DefSubclassProc(tab, msg, w, l);
}

std::unique_ptr<CfrmSetAp> PrepareRegistration(HWND owner, RegistrationContext context) {
  auto dialog = std::make_unique<CfrmSetAp>(APPKEY_DATA{}, context);
  if (!dialog->CreateHidden(owner, LoadStr(IDS_UI_FACE), 9)) return nullptr;
  return dialog;
}

std::optional<APPKEY_DATA> RunRegistration(HWND owner, const APPKEY_DATA& record, RegistrationContext context,
                                           std::unique_ptr<CfrmSetAp> prepared) {
  if (prepared == nullptr || prepared->Hwnd() == nullptr) prepared = PrepareRegistration(owner, context);
  if (prepared == nullptr) return std::nullopt;
  prepared->Present(record);
  prepared->RunShown();
  return prepared->Result();
}

}  // namespace tapstart
