// What one program source tree shows: its root items and, folder by folder on first expansion, the children
// in display order with the paths they stand for. The tree control inserts what this gives it.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "registration/PathPool.h"
#include "registration/TreeRules.h"
#include "shell/CSystemDrive.h"
#include "shell/FileSystem.h"
#include "shell/NameSorter.h"

namespace tapstart {

enum class TreeKind : int { StartMenu = 0, Favorites = 1, AllFiles = 2 };

// An item to insert: its text, the pool id of the path it stands for, and whether it can expand.
struct TreeEntry {
  std::u16string text;
  PathPool::Id path = PathPool::kNone;
  bool folder = false;
};

// A child to insert under an expanding item. The text is valid during the call only.
struct TreeChild {
  std::u16string_view text;
  PathPool::Id path = PathPool::kNone;
  bool folder = false;
};
using AddTreeChild = std::function<void(const TreeChild&)>;

class SourceTree {
 public:
  SourceTree(TreeKind kind, const FileSystem& fs, const NameSorter& sorter) : kind_(kind), fs_(fs), sorter_(sorter) {}

  TreeKind Kind() const { return kind_; }
  std::u16string Path(PathPool::Id id) const { return pool_.Path(id); }

  // The Start Menu or Favorites root: the folder without its trailing "\", shown as rootName (or as the
  // folder when rootName is empty).
  TreeEntry FolderRoot(std::u16string_view folder, std::u16string_view rootName);
  // The All Files root stands for the computer's display name, which is also its text.
  TreeEntry ComputerRoot(std::u16string_view computerName);
  // One item per drive, in list order.
  std::vector<TreeEntry> DriveItems(const CSystemDrive& drives);

  // Each expansion reports the children in the order they are to be inserted, and returns false when there
  // is nothing to show: the item then loses its expand button.
  // Start Menu: the counterpart folder's remaining subfolders, the folder's subfolders, the counterpart's
  // remaining files, the folder's files, each group sorted; counterpart entries named exactly like one of the
  // folder's own are dropped. Names keep their extensions.
  bool ExpandStartMenuFolder(PathPool::Id item, const StartMenuFolders& folders, std::u16string_view logonName,
                             const AddTreeChild& add);
  // Favorites: sorted subfolders, then sorted files, ".url" files shown without the extension.
  bool ExpandFavoritesFolder(PathPool::Id item, const AddTreeChild& add);
  // Drives and their folders: sorted subfolders, then sorted files, with the IME changer rules.
  bool ExpandDriveFolder(PathPool::Id item, const DriveFolderRules& rules, const AddTreeChild& add);

 private:
  void Emit(const NameList& names, PathPool::Id base, bool folders, bool favorites, const AddTreeChild& add);
  bool ChangerFolderOnly(std::u16string_view path, const NameList& files, const NameList& folders,
                         const DriveFolderRules& rules) const;

  TreeKind kind_;
  const FileSystem& fs_;
  const NameSorter& sorter_;
  PathPool pool_;
};

}  // namespace tapstart
