// A program source tree: the Start Menu, the Favorites or All Files shown in a dialog's tree view, each folder
// filled when it is first opened, icons asked only when an item is first drawn; drags, right clicks and the
// Apps key go to the window that hosts the tree.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "registration/SourceTree.h"
#include "shell/CSystemDrive.h"
#include "shell/DiskFileSystem_win32.h"
#include "shell/IconCache_win32.h"
#include "shell/LocaleNameSorter_win32.h"
#include "ui/Controls_win32.h"

namespace tapstart {

class CTreeViewUtl;

// What a tree asks of the window that hosts it.
class TreeOwner {
 public:
  virtual ~TreeOwner() = default;
  // A right click on an item, which the tree has made its caret item; screen: where the mouse is.
  virtual void TreeRightClick(CTreeViewUtl& tree, HTREEITEM item, POINT screen) = 0;
  // The Apps key on the caret item; screen: the centre of its label, or the mouse when the label is out of view.
  virtual void TreeAppsKey(CTreeViewUtl& tree, HTREEITEM item, POINT screen) = 0;
  // A left-button drag of an item begins: true when the owner takes the item as its pending transfer. The
  // drag then carries the item's text, and TreeDragEnded follows, dropped or not.
  virtual bool TreeDragBegins(CTreeViewUtl& tree, HTREEITEM item) = 0;
  virtual void TreeDragEnded(CTreeViewUtl& tree) = 0;
};

// A host that turns a right click on an item into a command posted to a window (the wizard's single-program
// page goes on to its next step); no menu, no drag.
class PostOnRightClick final : public TreeOwner {
 public:
  PostOnRightClick(HWND target, UINT message, WPARAM command) : target_(target), message_(message), command_(command) {}
  void TreeRightClick(CTreeViewUtl& tree, HTREEITEM item, POINT screen) override;
  void TreeAppsKey(CTreeViewUtl&, HTREEITEM, POINT) override {}
  bool TreeDragBegins(CTreeViewUtl&, HTREEITEM) override { return false; }
  void TreeDragEnded(CTreeViewUtl&) override {}

 private:
  HWND target_;
  UINT message_;
  WPARAM command_;
};

class CTreeViewUtl {
 public:
  explicit CTreeViewUtl(TreeKind kind);
  CTreeViewUtl(const CTreeViewUtl&) = delete;
  CTreeViewUtl& operator=(const CTreeViewUtl&) = delete;

  // Takes over a tree view: gives it its own image list of small icons. Its mouse and keys reach the tree
  // through the notifications its parent forwards (OnNotify); with no owner they keep the control's own
  // handling.
  [[nodiscard]] bool Attach(HWND tree, TreeOwner* owner);
  HWND Hwnd() const { return tree_; }
  TreeKind Kind() const { return source_.Kind(); }
  TreeView View() const { return TreeView(tree_); }

  // The roots. Each root opens at once. The Start Menu joins the user's folder with the all-users folder;
  // rootName empty shows the folder itself.
  void FillStartMenu(const std::wstring& userStartMenu, const std::wstring& rootName);
  void FillFavorites(const std::wstring& favorites, const std::wstring& rootName);
  void FillAllFiles(const CSystemDrive& drives, const std::wstring& computerName, const DriveFolderRules& rules);

  // The path an item stands for (for the All Files root, the computer's name), and its text.
  std::wstring ItemPath(HTREEITEM item) const;
  std::wstring ItemText(HTREEITEM item) const { return View().Text(item); }
  // The root item's text ("IE Favorites" tells the Favorites tree).
  std::wstring RootText() const;

  // Notifications of the tree, forwarded by the window that receives them: a folder's first opening fills it,
  // an item's first drawing asks for its icon, a drag of an item starts, a right click and the Apps key go to
  // the owner. True when the notification was this tree's and was handled; result: what the window answers.
  bool OnNotify(const NMHDR& header, LRESULT& result);
  // Fills an item's children when it has none yet (the first expansion does it); false when the item turned
  // out to be empty and lost its expand button.
  bool FillChildren(HTREEITEM item);
  void DeleteAll() const { View().DeleteAll(); }

 private:
  HTREEITEM InsertRoot(const TreeEntry& entry, int image);
  bool Expand(HTREEITEM item, PathPool::Id id);
  int IconOf(PathPool::Id id);
  void BeginDrag(HTREEITEM item);
  void SetIcon(TVITEMW& item);
  void EnsureCaret() const;
  bool OnRightClick();
  void OnKey(WORD key);

  DiskFileSystem fs_;
  LocaleNameSorter sorter_;
  SourceTree source_;
  IconCache icons_;
  HWND tree_ = nullptr;
  TreeOwner* owner_ = nullptr;
  StartMenuFolders startMenu_;
  std::u16string logonName_;
  DriveFolderRules driveRules_;
};

// The user's Start Menu folder as the shell's folder list in the user's registry names it; empty when missing.
std::wstring UserStartMenuFolder();
// The shell's Favorites folder; empty when the shell has none.
std::wstring FavoritesFolder();

}  // namespace tapstart
