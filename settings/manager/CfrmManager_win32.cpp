// The setting manager: a modal dialog that lists the setting sets and adds, copies, renames and deletes them.
#include "CfrmManager_win32.h"

#include <commctrl.h>

#include <utility>

#include "res/resource.h"
#include "ui/Resources_win32.h"
#include "ui/Text_win32.h"

namespace tapstart {
namespace {

constexpr UINT_PTR kCloseSubclassId = 1;

bool IsFocusArrow(WPARAM key) { return key == VK_RIGHT || key == VK_DOWN; }

// The buttons' texts are a word and its access key, kept apart in the string table.
struct ButtonText {
  int control;
  UINT word, key;
};
constexpr ButtonText kButtonTexts[] = {{IDC_MGR_ADD, IDS_MGR_ADD, IDS_MGR_ADD_KEY},
                                       {IDC_MGR_DELETE, IDS_MGR_DELETE, IDS_MGR_DELETE_KEY},
                                       {IDC_MGR_COPY, IDS_MGR_COPY, IDS_MGR_COPY_KEY},
                                       {IDC_MGR_RENAME, IDS_MGR_RENAME, IDS_MGR_RENAME_KEY},
                                       {IDC_MGR_CLOSE, IDS_MGR_CLOSE, IDS_MGR_CLOSE_KEY}};

}  // namespace

CfrmManager::CfrmManager(SettingsStore& store, MessageBoxFn messageBox, InputBoxFn inputBox)
    : Dialog(IDD_MANAGER), model_(store), messageBox_(std::move(messageBox)), inputBox_(std::move(inputBox)) {}

// The fonts for the dialog's scale; the old ones go only once no control uses them.
void CfrmManager::SetFonts() {
  Font list = MakeUiFont(IDS_UI_FACE, IDR_HEIGHT_LARGE, 16, Dpi());
  Font text = MakeUiFont(IDS_UI_FACE, IDR_HEIGHT_TEXT, 14, Dpi());
  SetItemFonts(hwnd_, {IDC_MGR_LIST}, list.Get());
  SetItemFonts(hwnd_, {IDC_MGR_LABEL, IDC_MGR_ADD, IDC_MGR_DELETE, IDC_MGR_COPY, IDC_MGR_RENAME, IDC_MGR_CLOSE},
               text.Get());
  listFont_ = std::move(list);
  textFont_ = std::move(text);
}

BOOL CfrmManager::OnInitDialog() {
  SetFonts();

  SetWindowTextW(hwnd_, LoadStr(IDS_MGR_TITLE).c_str());
  ApplyCaptions(hwnd_, {{IDC_MGR_LABEL, IDS_MGR_LIST_LABEL}});
  for (const ButtonText& b : kButtonTexts) SetItemText(b.control, LoadStr(b.word) + LoadStr(b.key));
  SetBigIcon(IDI_MAIN);
  SetWindowSubclass(Item(IDC_MGR_CLOSE), CloseButtonProc, kCloseSubclassId, reinterpret_cast<DWORD_PTR>(this));

  ShowSets();
  return TRUE;
}

void CfrmManager::OnDestroy() { RemoveWindowSubclass(Item(IDC_MGR_CLOSE), CloseButtonProc, kCloseSubclassId); }

bool CfrmManager::OnCommand(int id, int code, HWND) {
  if (id != IDC_MGR_LIST) return false;
  if (code == LBN_SELCHANGE) lstNames_SelChange();
  return true;
}

bool CfrmManager::OnButtonClicked(int id) {
  switch (id) {
    case IDC_MGR_CLOSE:
      End(IDCANCEL);
      return true;
    case IDC_MGR_ADD:
      cmdAdd_Click();
      return true;
    case IDC_MGR_DELETE:
      cmdDelete_Click();
      return true;
    case IDC_MGR_COPY:
      cmdCopy_Click();
      return true;
    case IDC_MGR_RENAME:
      cmdRename_Click();
      return true;
    default:
      return false;
  }
}

InputBoxRequest CfrmManager::NameRequest(InputBoxMode mode, std::u16string startText) const {
  InputBoxRequest request;
  request.mode = mode;
  request.startText = std::move(startText);
  request.existingNames = model_.Names();
  return request;
}

void CfrmManager::cmdAdd_Click() {
  if (!model_.CanAdd()) return;
  const std::optional<std::u16string> name = inputBox_(hwnd_, NameRequest(InputBoxMode::Add, {}));
  if (!name) return;
  const bool saved = model_.Add(*name);
  ShowSets();
  if (!saved)
    ReportFailedSave();
  else if (!model_.CanAdd())
    FocusItem(IDC_MGR_DELETE);
}

void CfrmManager::cmdCopy_Click() {
  if (!model_.CanAdd()) return;
  const std::optional<std::u16string> name = inputBox_(
      hwnd_, NameRequest(InputBoxMode::Copy, model_.CopyStartText(Utf16(LoadStr(IDS_MGR_COPY_SUFFIX)), AnsiByteCount)));
  if (!name) return;
  const bool saved = model_.Copy(*name);
  ShowSets();
  if (!saved)
    ReportFailedSave();
  else if (!model_.CanAdd())
    FocusItem(IDC_MGR_DELETE);
}

void CfrmManager::cmdRename_Click() {
  const int selected = model_.Selected();
  if (selected < 0 || selected >= model_.Count()) return;
  const std::optional<std::u16string> name =
      inputBox_(hwnd_, NameRequest(InputBoxMode::Rename, model_.Sets()[static_cast<size_t>(selected)].name));
  if (!name) return;
  const bool saved = model_.Rename(*name);
  ShowSets();
  if (!saved) ReportFailedSave();
}

void CfrmManager::cmdDelete_Click() {
  if (!model_.CanDelete()) return;
  const int answer = messageBox_(hwnd_, Wide(model_.DeleteQuestion(Utf16(LoadStr(IDS_MGR_DELETE_QUESTION)))),
                                 LoadStr(IDS_MGR_DELETE), MB_OKCANCEL | MB_ICONQUESTION);
  if (answer != IDOK) return;
  const bool saved = model_.Delete();
  ShowSets();
  if (!saved)
    ReportFailedSave();
  else if (!model_.CanDelete())
    FocusItem(IDC_MGR_COPY);
}

// The list as the model holds it after an operation: the operation's result, or after a failure, or a change by
// another program, the sets as the store holds them.
void CfrmManager::ShowSets() {
  std::vector<std::wstring> names;
  for (const USER_DATA& set : model_.Sets()) names.push_back(Wide(set.name));
  const ListBox list = ListItem(IDC_MGR_LIST);
  list.Fill(names);
  list.Select(model_.Selected());
  EnableAdding();
  EnableDelete();
}

void CfrmManager::ReportFailedSave() {
  (void)messageBox_(hwnd_, LoadStr(IDS_SAVE_FAILED_SETS), LoadStr(IDS_SAVE_CAPTION), MB_OK | MB_ICONWARNING);
}

void CfrmManager::lstNames_SelChange() {
  const int index = ListItem(IDC_MGR_LIST).Selected();
  if (index >= 0) model_.Select(index);
  EnableDelete();
}

void CfrmManager::EnableDelete() { EnableItem(IDC_MGR_DELETE, model_.CanDelete()); }

void CfrmManager::EnableAdding() {
  EnableItem(IDC_MGR_ADD, model_.CanAdd());
  EnableItem(IDC_MGR_COPY, model_.CanAdd());
}

// Right and Down on the Close button go to the list, where the dialog manager would go on to the next control.
LRESULT CALLBACK CfrmManager::CloseButtonProc(HWND button, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<CfrmManager*>(data);
  switch (msg) {
    case WM_GETDLGCODE: {
      const auto* m = reinterpret_cast<const MSG*>(l);
      if (m != nullptr && m->message == WM_KEYDOWN && IsFocusArrow(m->wParam))
        return DefSubclassProc(button, msg, w, l) | DLGC_WANTMESSAGE;
      break;
    }
    case WM_KEYDOWN:
      if (IsFocusArrow(w)) {
        self->FocusItem(IDC_MGR_LIST);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefSubclassProc(button, msg, w, l);
}

void ShowSettingManager(HWND owner, SettingsStore& store) {
  CfrmManager manager(store);
  manager.RunModal(owner, LoadStr(IDS_UI_FACE), 9);
}

}  // namespace tapstart
