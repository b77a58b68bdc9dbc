// A program source tree: filling, lazy expansion, icons on first drawing, drags, right clicks and the Apps key.
#include "CTreeViewUtl_win32.h"

#include <shlobj.h>

#include "ui/Controls_win32.h"
#include "ui/DragDrop_win32.h"
#include "ui/Handles_win32.h"
#include "ui/SystemLibrary_win32.h"
#include "ui/Text_win32.h"

namespace tapstart {
namespace {

ImageList MakeSmallIconList() {
  return ImageList(
      ImageList_Create(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), ILC_COLOR32 | ILC_MASK, 16, 16));
}

std::wstring ShellFolder(int csidl) {
  const auto folderPath = SystemFunction<decltype(&SHGetFolderPathW)>(L"shell32.dll", "SHGetFolderPathW");
  wchar_t path[MAX_PATH] = {};
  if (folderPath == nullptr || FAILED(folderPath(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  return path;
}

std::u16string LogonName() {
  wchar_t name[256 + 1] = {};
  DWORD size = static_cast<DWORD>(std::size(name));
  return GetUserNameW(name, &size) ? Utf16(name) : std::u16string();
}

std::wstring WindowsFolder() {
  wchar_t folder[MAX_PATH] = {};
  const DWORD n = GetEnvironmentVariableW(L"windir", folder, MAX_PATH);
  if (n > 0 && n < MAX_PATH) return folder;
  const UINT m = GetWindowsDirectoryW(folder, MAX_PATH);
  return m > 0 && m < MAX_PATH ? std::wstring(folder) : std::wstring();
}

}  // namespace

void PostOnRightClick::TreeRightClick(CTreeViewUtl&, HTREEITEM, POINT) { PostMessageW(target_, message_, command_, 0); }

std::wstring UserStartMenuFolder() {
  wchar_t path[MAX_PATH * 2] = {};
  DWORD size = sizeof path;
  if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                   L"Start Menu", RRF_RT_REG_SZ, nullptr, path, &size) != ERROR_SUCCESS)
    return {};
  return path;
}

std::wstring FavoritesFolder() { return ShellFolder(CSIDL_FAVORITES); }

CTreeViewUtl::CTreeViewUtl(TreeKind kind) : source_(kind, fs_, sorter_), icons_(MakeSmallIconList()) {}

bool CTreeViewUtl::Attach(HWND tree, TreeOwner* owner) {
  if (tree == nullptr) return false;
  tree_ = tree;
  owner_ = owner;
  View().SetImageList(icons_.Handle());
  return true;
}

HTREEITEM CTreeViewUtl::InsertRoot(const TreeEntry& entry, int image) {
  return View().Insert(TVI_ROOT, {Wide(entry.text), image, entry.folder, static_cast<LPARAM>(entry.path)});
}

void CTreeViewUtl::FillStartMenu(const std::wstring& userStartMenu, const std::wstring& rootName) {
  startMenu_ = MakeStartMenuFolders(Utf16(ShellFolder(CSIDL_STARTMENU)), Utf16(ShellFolder(CSIDL_COMMON_STARTMENU)));
  logonName_ = LogonName();
  HTREEITEM root = InsertRoot(source_.FolderRoot(Utf16(userStartMenu), Utf16(rootName)), I_IMAGECALLBACK);
  if (root != nullptr && FillChildren(root)) View().Expand(root);
}

void CTreeViewUtl::FillFavorites(const std::wstring& favorites, const std::wstring& rootName) {
  HTREEITEM root = InsertRoot(source_.FolderRoot(Utf16(favorites), Utf16(rootName)), I_IMAGECALLBACK);
  if (root != nullptr && FillChildren(root)) View().Expand(root);
}

void CTreeViewUtl::FillAllFiles(const CSystemDrive& drives, const std::wstring& computerName,
                                const DriveFolderRules& rules) {
  driveRules_ = rules;
  // The computer stands for no path: its icon is the desktop program's.
  const int image = icons_.Add(WindowsFolder() + L"\\explorer.exe", 0);
  HTREEITEM root = InsertRoot(source_.ComputerRoot(Utf16(computerName)), image < 0 ? I_IMAGENONE : image);
  if (root == nullptr) return;
  {
    const ScopedRedrawOff quiet(tree_);
    for (const TreeEntry& drive : source_.DriveItems(drives))
      View().Insert(root, {Wide(drive.text), I_IMAGECALLBACK, true, static_cast<LPARAM>(drive.path)});
  }
  if (View().Child(root) != nullptr) View().Expand(root);
}

std::wstring CTreeViewUtl::ItemPath(HTREEITEM item) const {
  if (item == nullptr) return {};
  return Wide(source_.Path(static_cast<PathPool::Id>(View().Data(item))));
}

std::wstring CTreeViewUtl::RootText() const {
  HTREEITEM root = View().Root();
  return root != nullptr ? View().Text(root) : std::wstring();
}

bool CTreeViewUtl::FillChildren(HTREEITEM item) {
  if (item == nullptr || View().Child(item) != nullptr) return true;
  const auto id = static_cast<PathPool::Id>(View().Data(item));
  bool filled = false;
  {
    // Under Wine a tree that redraws repaints its scroll bar after every insert.
    const ScopedRedrawOff quiet(tree_);
    filled = Expand(item, id);
  }
  if (!filled) View().SetHasChildren(item, false);
  return filled;
}

bool CTreeViewUtl::Expand(HTREEITEM item, PathPool::Id id) {
  const TreeView view = View();
  std::wstring text;
  const AddTreeChild add = [&](const TreeChild& child) {
    text.assign(child.text.begin(), child.text.end());
    view.Insert(item, {text, I_IMAGECALLBACK, child.folder, static_cast<LPARAM>(child.path)});
  };
  switch (source_.Kind()) {
    case TreeKind::StartMenu:
      return source_.ExpandStartMenuFolder(id, startMenu_, logonName_, add);
    case TreeKind::Favorites:
      return source_.ExpandFavoritesFolder(id, add);
    default:
      return source_.ExpandDriveFolder(id, driveRules_, add);
  }
}

int CTreeViewUtl::IconOf(PathPool::Id id) {
  const int mode = source_.Kind() == TreeKind::Favorites ? kFavoritesIconMode : 0;
  const int image = icons_.Add(Wide(source_.Path(id)), mode);
  return image < 0 ? I_IMAGENONE : image;
}

// The tree reports the mouse and the keys to its parent as notifications; no message is taken from it on the
// way in, since under Wine each message through a subclass costs a tenth of a millisecond, and a large folder
// is tens of thousands of inserts.
bool CTreeViewUtl::OnNotify(const NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != tree_ || tree_ == nullptr) return false;
  result = 0;
  switch (header.code) {
    case TVN_ITEMEXPANDINGW: {
      const auto& expanding = reinterpret_cast<const NMTREEVIEWW&>(header);
      // Expansion always goes on; an empty folder merely loses its button on the way.
      if ((expanding.action & TVE_EXPAND) != 0) FillChildren(expanding.itemNew.hItem);
      return true;
    }
    case TVN_GETDISPINFOW:
      SetIcon(const_cast<NMTVDISPINFOW&>(reinterpret_cast<const NMTVDISPINFOW&>(header)).item);
      return true;
    case TVN_BEGINDRAGW:
      BeginDrag(reinterpret_cast<const NMTREEVIEWW&>(header).itemNew.hItem);
      return true;
    case NM_SETFOCUS:
      EnsureCaret();
      return true;
    case TVN_KEYDOWN:
      OnKey(reinterpret_cast<const NMTVKEYDOWN&>(header).wVKey);
      return true;
    case NM_RCLICK:
      // Handled: the tree then sends no context-menu message.
      result = OnRightClick() ? 1 : 0;
      return true;
    default:
      return false;
  }
}

void CTreeViewUtl::SetIcon(TVITEMW& item) {
  if ((item.mask & (TVIF_IMAGE | TVIF_SELECTEDIMAGE)) == 0) return;
  const int image = IconOf(static_cast<PathPool::Id>(item.lParam));
  item.iImage = image;
  item.iSelectedImage = image;
  item.mask |= TVIF_DI_SETITEM;  // the tree keeps it and does not ask again
}

void CTreeViewUtl::BeginDrag(HTREEITEM item) {
  if (owner_ == nullptr || item == nullptr) return;
  View().Select(item);
  if (!owner_->TreeDragBegins(*this, item)) return;
  DragText(ItemText(item));
  owner_->TreeDragEnded(*this);
}

// Keys move from the caret item, and some tree controls take no key at all while there is none: a tree that
// gets the focus or a key gets one, the first item in view.
void CTreeViewUtl::EnsureCaret() const {
  if (View().Caret() != nullptr) return;
  if (HTREEITEM first = View().FirstVisible()) View().Select(first);
}

// A right click on an item makes it the caret item, then goes to the host.
bool CTreeViewUtl::OnRightClick() {
  if (owner_ == nullptr) return false;
  const DWORD at = GetMessagePos();
  POINT screen{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
  POINT client = screen;
  ScreenToClient(tree_, &client);
  HTREEITEM item = View().HitTest(client);
  if (item == nullptr) return false;
  View().Select(item);
  owner_->TreeRightClick(*this, item, screen);
  return true;
}

void CTreeViewUtl::OnKey(WORD key) {
  EnsureCaret();
  if (key != VK_APPS || owner_ == nullptr) return;
  HTREEITEM item = View().Caret();
  if (item == nullptr) return;
  RECT label{};
  POINT at = CursorAt();
  if (View().ItemRect(item, true, label)) {
    at = {(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    ClientToScreen(tree_, &at);
  }
  owner_->TreeAppsKey(*this, item, at);
}

}  // namespace tapstart
