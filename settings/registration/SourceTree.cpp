// The source trees' items and expansions.
#include "SourceTree.h"

#include <unordered_set>

#include "shell/FolderListing.h"

namespace tapstart {
namespace {

// The names of list that are not in drop, compared exactly.
NameList Without(const NameList& list, const NameList& drop) {
  std::unordered_set<std::u16string_view> dropped;
  dropped.reserve(drop.Size());
  for (size_t i = 0; i < drop.Size(); ++i) dropped.insert(drop[i]);
  NameList kept;
  for (size_t i = 0; i < list.Size(); ++i)
    if (!dropped.count(list[i])) kept.Add(list[i]);
  return kept;
}

// A listing that does not ask each subfolder for subfolders of its own: every folder item can expand.
void ScanFolder(std::u16string_view path, FolderListing& listing) {
  listing.markSubfolders = false;
  // A path that is not a folder lists nothing, which is all the caller needs to know.
  listing.Scan(path);
}

// Keeps the names for which keep holds.
template <typename Keep>
NameList Filtered(const NameList& list, Keep keep) {
  NameList kept;
  for (size_t i = 0; i < list.Size(); ++i)
    if (keep(list[i])) kept.Add(list[i]);
  return kept;
}

}  // namespace

TreeEntry SourceTree::FolderRoot(std::u16string_view folder, std::u16string_view rootName) {
  const std::u16string_view path = WithoutTrailingSlash(folder);
  return {std::u16string(rootName.empty() ? path : rootName), pool_.Add(PathPool::kNone, path), true};
}

TreeEntry SourceTree::ComputerRoot(std::u16string_view computerName) {
  return {std::u16string(computerName), pool_.Add(PathPool::kNone, computerName), true};
}

std::vector<TreeEntry> SourceTree::DriveItems(const CSystemDrive& drives) {
  std::vector<TreeEntry> items;
  for (const auto& d : drives.Drives())
    items.push_back({DriveItemText(d.drive, d.label), pool_.Add(PathPool::kNone, DriveItemPath(d.drive)), true});
  return items;
}

void SourceTree::Emit(const NameList& names, PathPool::Id base, bool folders, bool favorites, const AddTreeChild& add) {
  for (const uint32_t i : sorter_.Order(names)) {
    const std::u16string_view name = names[i];
    const std::u16string_view text = favorites && !folders ? FavoriteText(name) : name;
    add({text, pool_.Add(base, name), folders});
  }
}

bool SourceTree::ExpandStartMenuFolder(PathPool::Id item, const StartMenuFolders& folders,
                                       std::u16string_view logonName, const AddTreeChild& add) {
  const std::u16string path = pool_.Path(item);
  const std::u16string other = CounterpartFolder(path, folders, logonName);
  FolderListing own(fs_);
  FolderListing theirs(fs_);
  ScanFolder(path, own);
  if (other != path) ScanFolder(other, theirs);
  if (own.Empty() && theirs.Empty()) return false;
  const NameList theirFolders = Without(theirs.Folders(), own.Folders());
  const NameList theirFiles = Without(theirs.Files(), own.Files());
  const PathPool::Id otherId =
      theirFolders.Empty() && theirFiles.Empty() ? PathPool::kNone : pool_.Add(PathPool::kNone, other);
  Emit(theirFolders, otherId, true, false, add);
  Emit(own.Folders(), item, true, false, add);
  Emit(theirFiles, otherId, false, false, add);
  Emit(own.Files(), item, false, false, add);
  return true;
}

bool SourceTree::ExpandFavoritesFolder(PathPool::Id item, const AddTreeChild& add) {
  FolderListing listing(fs_);
  ScanFolder(pool_.Path(item), listing);
  if (listing.Empty()) return false;
  Emit(listing.Folders(), item, true, true, add);
  Emit(listing.Files(), item, false, true, add);
  return true;
}

bool SourceTree::ChangerFolderOnly(std::u16string_view path, const NameList& files, const NameList& folders,
                                   const DriveFolderRules& rules) const {
  if (!rules.LeavesChangerOut() || !SameFolder(path, rules.changer.folder)) return false;
  const auto changer = fs_.Attributes(rules.changer.program);
  return files.Size() == 1 && folders.Empty() && changer.has_value() && !IsFolderAttributes(changer);
}

bool SourceTree::ExpandDriveFolder(PathPool::Id item, const DriveFolderRules& rules, const AddTreeChild& add) {
  const std::u16string path = pool_.Path(item);
  FolderListing listing(fs_);
  ScanFolder(path, listing);
  if (listing.Empty() || ChangerFolderOnly(path, listing.Files(), listing.Folders(), rules)) return false;
  if (!rules.LeavesChangerOut()) {
    Emit(listing.Folders(), item, true, false, add);
    Emit(listing.Files(), item, false, false, add);
    return true;
  }
  const auto notChanger = [&](std::u16string_view name) {
    return !SamePath(ChildPath(path, name), rules.changer.program);
  };
  Emit(Filtered(listing.Folders(), notChanger), item, true, false, add);
  Emit(Filtered(listing.Files(), notChanger), item, false, false, add);
  return true;
}

}  // namespace tapstart
