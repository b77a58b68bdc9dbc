// The setting manager: a modal dialog that lists the setting sets and adds, copies, renames and deletes them.
#include "CfrmManager_win32.h"

#include <commctrl.h>

#include <utility>

#include "res/manager_ids.h"
#include "res/resource.h"
#include "ui/Resources_win32.h"

namespace tapstart {
namespace {

constexpr UINT_PTR kCloseSubclassId = 1;

bool IsFocusArrow(WPARAM key) { return key == VK_RIGHT || key == VK_DOWN; }

}  // namespace

CfrmManager::CfrmManager(SettingsStore& store, MessageBoxFn messageBox, InputBoxFn inputBox)
    : Dialog(IDD_MANAGER), model_(store), messageBox_(std::move(messageBox)), inputBox_(std::move(inputBox)) {}

BOOL CfrmManager::OnInitDialog() {
  listFont_ = MakeUiFont(IDR_HEIGHT_LARGE, 16);
  textFont_ = MakeUiFont(IDR_HEIGHT_136, 14);
  SetControlFont(Item(IDC_MGR_LIST), listFont_);
  for (int id : {IDC_MGR_LABEL, IDC_MGR_ADD, IDC_MGR_DELETE, IDC_MGR_COPY, IDC_MGR_RENAME, IDC_MGR_CLOSE})
    SetControlFont(Item(id), textFont_);

  SetWindowTextW(hwnd_, LoadStr(3040).c_str());
  SetItemText(IDC_MGR_LABEL, LoadStr(3041));
  // Button texts are a word and its access key, kept apart in the string table.
  SetItemText(IDC_MGR_ADD, LoadStr(3042) + LoadStr(3060));
  SetItemText(IDC_MGR_DELETE, LoadStr(3043) + LoadStr(3061));
  SetItemText(IDC_MGR_COPY, LoadStr(3044) + LoadStr(3062));
  SetItemText(IDC_MGR_RENAME, LoadStr(3045) + LoadStr(3063));
  SetItemText(IDC_MGR_CLOSE, LoadStr(3046) + LoadStr(3064));
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAIN))));
  SetWindowSubclass(Item(IDC_MGR_CLOSE), CloseButtonProc, kCloseSubclassId, reinterpret_cast<DWORD_PTR>(this));

  for (const USER_DATA& set : model_.Sets())
    SendItem(IDC_MGR_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(set.name).c_str()));
  SendItem(IDC_MGR_LIST, LB_SETCURSEL, static_cast<WPARAM>(model_.Selected()));
  EnableItem(IDC_MGR_ADD, model_.CanAdd());
  EnableItem(IDC_MGR_COPY, model_.CanAdd());
  EnableDelete();
  return TRUE;
}

void CfrmManager::OnDestroy() { RemoveWindowSubclass(Item(IDC_MGR_CLOSE), CloseButtonProc, kCloseSubclassId); }

bool CfrmManager::OnCommand(int id, int code, HWND) {
  if (id == IDC_MGR_LIST) {
    if (code == LBN_SELCHANGE) lstNames_SelChange();
    return true;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDOK:
      // Enter where no button has the focus (the list): the manager has no default button.
      return true;
    case IDCANCEL:  // Esc and the close box
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
  // A failed write is not reported: the settings program shows no errors, and the list shows the user's intent.
  (void)model_.Add(*name);
  ShowAppended();
}

void CfrmManager::cmdCopy_Click() {
  if (!model_.CanAdd()) return;
  const std::optional<std::u16string> name =
      inputBox_(hwnd_, NameRequest(InputBoxMode::Copy, model_.CopyStartText(Utf16(LoadStr(3044)))));
  if (!name) return;
  (void)model_.Copy(*name);  // failures are not reported, as above
  ShowAppended();
}

void CfrmManager::ShowAppended() {
  SendItem(IDC_MGR_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(model_.Sets().back().name).c_str()));
  SendItem(IDC_MGR_LIST, LB_SETCURSEL, static_cast<WPARAM>(model_.Selected()));
  EnableDelete();
  const bool canAdd = model_.CanAdd();
  if (!canAdd) FocusControl(hwnd_, Item(IDC_MGR_DELETE));
  EnableItem(IDC_MGR_ADD, canAdd);
  EnableItem(IDC_MGR_COPY, canAdd);
}

void CfrmManager::cmdRename_Click() {
  const int selected = model_.Selected();
  if (selected < 0 || selected >= model_.Count()) return;
  const std::optional<std::u16string> name =
      inputBox_(hwnd_, NameRequest(InputBoxMode::Rename, model_.Sets()[static_cast<size_t>(selected)].name));
  if (!name) return;
  (void)model_.Rename(*name);  // failures are not reported, as above
  SendItem(IDC_MGR_LIST, LB_INSERTSTRING, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(Wide(*name).c_str()));
  SendItem(IDC_MGR_LIST, LB_DELETESTRING, static_cast<WPARAM>(selected + 1));
  SendItem(IDC_MGR_LIST, LB_SETCURSEL, static_cast<WPARAM>(selected));
}

void CfrmManager::cmdDelete_Click() {
  if (!model_.CanDelete()) return;
  const int selected = model_.Selected();
  const int answer = messageBox_(hwnd_, Wide(model_.DeleteQuestion(Utf16(LoadStr(3047)))), LoadStr(3043),
                                 MB_OKCANCEL | MB_ICONQUESTION);
  if (answer != IDOK) return;
  (void)model_.Delete();  // failures are not reported, as above
  EnableItem(IDC_MGR_ADD, true);
  EnableItem(IDC_MGR_COPY, true);
  SendItem(IDC_MGR_LIST, LB_DELETESTRING, static_cast<WPARAM>(selected));
  SendItem(IDC_MGR_LIST, LB_SETCURSEL, static_cast<WPARAM>(model_.Selected()));
  if (!model_.CanDelete()) FocusControl(hwnd_, Item(IDC_MGR_COPY));
  EnableDelete();
}

void CfrmManager::lstNames_SelChange() {
  const LRESULT index = SendItem(IDC_MGR_LIST, LB_GETCURSEL);
  if (index != LB_ERR) model_.Select(static_cast<int>(index));
  EnableDelete();
}

void CfrmManager::EnableDelete() { EnableItem(IDC_MGR_DELETE, model_.CanDelete()); }

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
        FocusControl(self->hwnd_, self->Item(IDC_MGR_LIST));
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
  manager.RunModal(owner, LoadStr(3002), 9);
}

}  // namespace tapstart
