// The floor of opening the registration dialog: the main dialog and its desktop page, and on a click of round
// button 2 template 40000 with its three trees filled as the dialog fills them (the Start Menu's first level with
// the all-users folder's, the Favorites' first level, the drives with their labels), unsorted, without icons,
// and nothing else behind it.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <set>
#include <string>

#include "res/resource.h"

namespace {

std::wstring Folder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  return SUCCEEDED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : L"";
}

HTREEITEM Insert(HWND tree, HTREEITEM parent, const std::wstring& text, bool folder) {
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_CHILDREN;
  insert.item.pszText = const_cast<wchar_t*>(text.c_str());
  insert.item.cChildren = folder ? 1 : 0;
  return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

// The folders' entries as they come, a name in both only once.
void InsertEntries(HWND tree, HTREEITEM parent, std::initializer_list<std::wstring> folders) {
  std::set<std::wstring> seen;
  for (const std::wstring& folder : folders) {
    WIN32_FIND_DATAW found{};
    HANDLE find =
        FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE) continue;
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L".." || (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) ||
          !seen.insert(name).second)
        continue;
      Insert(tree, parent, name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileW(find, &found));
    FindClose(find);
  }
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
}

void InsertDrives(HWND tree, HTREEITEM parent) {
  const DWORD drives = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if ((drives & (1u << i)) == 0) continue;
    const wchar_t root[] = {static_cast<wchar_t>(L'a' + i), L':', L'\\', 0};
    const UINT type = GetDriveTypeW(root);
    if (type != DRIVE_REMOVABLE && type != DRIVE_FIXED && type != DRIVE_CDROM) continue;
    wchar_t label[MAX_PATH + 1] = {};
    GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
    const std::wstring drive(root, 2);
    Insert(tree, parent, *label ? drive + L"[" + label + L"]" : drive, true);
  }
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
}

INT_PTR CALLBACK SetAp(HWND hwnd, UINT msg, WPARAM w, LPARAM) {
  if (msg == WM_INITDIALOG) {
    HWND start = GetDlgItem(hwnd, IDC_SETAP_START_MENU);
    InsertEntries(start, Insert(start, TVI_ROOT, L"Start Menu", true),
                  {Folder(CSIDL_STARTMENU), Folder(CSIDL_COMMON_STARTMENU)});
    HWND favorites = GetDlgItem(hwnd, IDC_SETAP_FAVORITES);
    InsertEntries(favorites, Insert(favorites, TVI_ROOT, L"IE Favorites", true), {Folder(CSIDL_FAVORITES)});
    HWND all = GetDlgItem(hwnd, IDC_SETAP_ALL_FILES);
    InsertDrives(all, Insert(all, TVI_ROOT, L"My Computer", true));
    return TRUE;
  }
  if ((msg == WM_COMMAND && (LOWORD(w) == IDCANCEL || LOWORD(w) == IDC_SETAP_CANCEL)) || msg == WM_CLOSE) {
    EndDialog(hwnd, 0);
    return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK Page(HWND hwnd, UINT msg, WPARAM w, LPARAM) {
  if (msg == WM_COMMAND && LOWORD(w) == IDC_DT_BUTTON2 && HIWORD(w) == BN_CLICKED) {
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SETAP), GetParent(hwnd), SetAp, 0);
    return TRUE;
  }
  return msg == WM_INITDIALOG;
}

INT_PTR CALLBACK Main(HWND hwnd, UINT msg, WPARAM w, LPARAM) {
  if (msg == WM_INITDIALOG) {
    ShowWindow(CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_DT_TAB), hwnd, Page, 0), SW_SHOW);
    return TRUE;
  }
  if ((msg == WM_COMMAND && (LOWORD(w) == IDCANCEL || LOWORD(w) == IDOK)) || msg == WM_CLOSE) {
    EndDialog(hwnd, 0);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  GetClassInfoExW(nullptr, L"#32770", &wc);
  wc.hInstance = instance;
  wc.lpszClassName = L"ThunderRT6FormDC";
  RegisterClassExW(&wc);
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  OleInitialize(nullptr);
  DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, Main, 0);
  return 0;
}
