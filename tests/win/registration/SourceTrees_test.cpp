// The source trees over real folders of the test prefix: the Start Menu merge and order, Favorites' ".url" items,
// drive labels, filling on first expansion and icons asked only for the items drawn.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "Driver_win32.h"
#include "registration/CTreeViewUtl_win32.h"

namespace tapstart::test {
namespace {

constexpr wchar_t kHostClass[] = L"TapstartTreeHost";

// A visible top-level window holding one tree view and passing the tree's notifications to it, as a dialog does.
class TreeHost {
 public:
  explicit TreeHost(TreeKind kind) : tree(kind) {
    static const bool registered = [] {
      WNDCLASSEXW wc{};
      wc.cbSize = sizeof wc;
      wc.lpfnWndProc = Proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = kHostClass;
      return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
    host_ = CreateWindowExW(0, kHostClass, L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
    HWND view = CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT, 0, 0,
                                300, 200, host_, nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_TRUE(tree.Attach(view, nullptr));
  }
  ~TreeHost() { DestroyWindow(host_); }

  TreeView View() const { return tree.View(); }
  std::vector<std::wstring> ChildTexts(HTREEITEM parent) const {
    std::vector<std::wstring> texts;
    for (HTREEITEM c = View().Child(parent); c != nullptr; c = View().Next(c)) texts.push_back(View().Text(c));
    return texts;
  }
  HTREEITEM ChildNamed(HTREEITEM parent, const std::wstring& text) const {
    for (HTREEITEM c = View().Child(parent); c != nullptr; c = View().Next(c))
      if (View().Text(c) == text) return c;
    return nullptr;
  }

  CTreeViewUtl tree;
  int iconsAsked = 0;  // the tree's questions for an item's icon

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_NCCREATE)
      SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
    auto* self = reinterpret_cast<TreeHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    LRESULT result = 0;
    if (msg == WM_NOTIFY && self != nullptr && reinterpret_cast<NMHDR*>(l)->code == TVN_GETDISPINFOW)
      ++self->iconsAsked;
    if (msg == WM_NOTIFY && self != nullptr && self->tree.OnNotify(*reinterpret_cast<NMHDR*>(l), result)) return result;
    return DefWindowProcW(hwnd, msg, w, l);
  }
  HWND host_ = nullptr;
};

void Touch(const std::wstring& path, const char* text = "x") { std::ofstream(path.c_str(), std::ios::binary) << text; }

std::wstring ShellPath(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

TEST(SourceTrees, StartMenu_MergesTheAllUsersFolderUnderTheUsersOne) {
  const std::wstring user = ShellPath(CSIDL_STARTMENU) + L"\\Tapstart Tree";
  const std::wstring common = ShellPath(CSIDL_COMMON_STARTMENU) + L"\\Tapstart Tree";
  RemoveTree(user);
  RemoveTree(common);
  for (const std::wstring& d : {user, common, user + L"\\Apps", user + L"\\Shared", common + L"\\Games",
                                common + L"\\Shared", user + L"\\Empty"})
    ASSERT_TRUE(CreateDirectoryW(d.c_str(), nullptr)) << std::string(d.begin(), d.end());
  Touch(user + L"\\Shared\\tool.lnk");
  Touch(common + L"\\Shared\\other.lnk");
  Touch(user + L"\\Zeta.lnk");
  Touch(common + L"\\Alpha.lnk");
  Touch(common + L"\\Zeta.lnk");

  TreeHost host(TreeKind::StartMenu);
  host.tree.FillStartMenu(ShellPath(CSIDL_STARTMENU), L"Start Menu");
  const HTREEITEM root = host.View().Root();
  EXPECT_EQ(host.View().Text(root), L"Start Menu");
  EXPECT_TRUE(host.View().IsExpanded(root));
  const HTREEITEM folder = host.ChildNamed(root, L"Tapstart Tree");
  ASSERT_NE(folder, nullptr);
  EXPECT_EQ(host.tree.ItemPath(folder), user);
  EXPECT_EQ(host.View().Child(folder), nullptr) << "filled on its first expansion";
  host.View().Expand(folder);
  // The all-users folders and files not in the user's folder come first, each group in order.
  EXPECT_EQ(host.ChildTexts(folder),
            (std::vector<std::wstring>{L"Games", L"Apps", L"Empty", L"Shared", L"Alpha.lnk", L"Zeta.lnk"}));
  const HTREEITEM shared = host.ChildNamed(folder, L"Shared");
  EXPECT_EQ(host.tree.ItemPath(shared), user + L"\\Shared");
  EXPECT_EQ(host.tree.ItemPath(host.ChildNamed(folder, L"Zeta.lnk")), user + L"\\Zeta.lnk");
  EXPECT_EQ(host.tree.ItemPath(host.ChildNamed(folder, L"Alpha.lnk")), common + L"\\Alpha.lnk");
  host.View().Expand(shared);
  EXPECT_EQ(host.ChildTexts(shared), (std::vector<std::wstring>{L"other.lnk", L"tool.lnk"}));
  const HTREEITEM empty = host.ChildNamed(folder, L"Empty");
  host.View().Expand(empty);
  TVITEMW item{};
  item.mask = TVIF_CHILDREN;
  item.hItem = empty;
  TreeView_GetItem(host.tree.Hwnd(), &item);
  EXPECT_EQ(item.cChildren, 0) << "an empty folder loses its expand button";
  RemoveTree(user);
  RemoveTree(common);
}

TEST(SourceTrees, Favorites_ShowsInternetShortcutsWithoutTheirExtension) {
  const std::wstring dir = MakeTempDir(L"tapstart favorites");
  ASSERT_TRUE(CreateDirectoryW((dir + L"\\News sites").c_str(), nullptr));
  Touch(dir + L"\\News.url", "[InternetShortcut]\r\nURL=https://news.example/\r\n");
  Touch(dir + L"\\notes.txt");
  TreeHost host(TreeKind::Favorites);
  host.tree.FillFavorites(dir + L"\\", L"IE Favorites");
  const HTREEITEM root = host.View().Root();
  EXPECT_EQ(host.tree.RootText(), L"IE Favorites");
  EXPECT_EQ(host.tree.ItemPath(root), dir);
  EXPECT_EQ(host.ChildTexts(root), (std::vector<std::wstring>{L"News sites", L"News", L"notes.txt"}));
  EXPECT_EQ(host.tree.ItemPath(host.ChildNamed(root, L"News")), dir + L"\\News.url");
  RemoveTree(dir);
}

TEST(SourceTrees, AllFiles_ShowsEachDriveWithItsLabel) {
  CSystemDrive drives;
  ASSERT_GT(drives.Refresh(DiskFileSystem()), 0);
  TreeHost host(TreeKind::AllFiles);
  host.tree.FillAllFiles(drives, L"This PC", {});
  const HTREEITEM root = host.View().Root();
  EXPECT_EQ(host.tree.ItemPath(root), L"This PC");
  EXPECT_TRUE(host.View().IsExpanded(root));
  for (const auto& d : drives.Drives()) {
    const std::wstring drive(d.drive.begin(), d.drive.end());
    wchar_t label[MAX_PATH + 1] = {};
    GetVolumeInformationW((drive + L"\\").c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
    const HTREEITEM item = host.ChildNamed(root, *label ? drive + L"[" + label + L"]" : drive);
    ASSERT_NE(item, nullptr) << std::string(drive.begin(), drive.end());
    EXPECT_EQ(host.tree.ItemPath(item), drive + L"\\");
  }
}

TEST(SourceTrees, Icons_AreAskedOnlyForTheItemsDrawn) {
  const std::wstring dir = MakeTempDir(L"tapstart many");
  for (int i = 0; i < 300; ++i) Touch(dir + L"\\file" + std::to_wstring(1000 + i) + L".txt");
  TreeHost host(TreeKind::Favorites);
  host.tree.FillFavorites(dir, L"Many");
  UpdateWindow(host.tree.Hwnd());
  Pump();
  EXPECT_EQ(host.ChildTexts(host.View().Root()).size(), 300u);
  // The window shows a dozen lines: each asked once, and kept by the tree.
  EXPECT_GT(host.iconsAsked, 0);
  EXPECT_LT(host.iconsAsked, 40);
  const int once = host.iconsAsked;
  InvalidateRect(host.tree.Hwnd(), nullptr, TRUE);
  UpdateWindow(host.tree.Hwnd());
  EXPECT_EQ(host.iconsAsked, once);
  RemoveTree(dir);
}

}  // namespace
}  // namespace tapstart::test
