// Folder listing rules: hidden entries and the old recycle bin folder are never offered.
#include "FolderListing.h"

namespace tapstart {
namespace {

bool IsDotEntry(std::u16string_view name) { return name == u"." || name == u".."; }

// The recycle bin folder of older systems, matched exactly as it is written there.
constexpr std::u16string_view kRecycledFolder = u"RECYCLED";

}  // namespace

std::u16string_view WithoutTrailingSlash(std::u16string_view folder) {
  if (!folder.empty() && folder.back() == u'\\') folder.remove_suffix(1);
  return folder;
}

bool FolderListing::Listed(std::u16string_view name, uint32_t attributes) const {
  if (IsDotEntry(name) || (attributes & filter) == 0 || (attributes & kAttrHidden) != 0) return false;
  return (attributes & kAttrDirectory) == 0 || name != kRecycledFolder;
}

std::u16string FolderListing::Pattern(std::u16string_view folder) const {
  std::u16string pattern(WithoutTrailingSlash(folder));
  pattern += u'\\';
  pattern += mask;
  return pattern;
}

bool FolderListing::Scan(std::u16string_view folder) {
  files_.Clear();
  folders_.Clear();
  subfolderFlags_.clear();
  if (!IsFolderAttributes(fs_.Attributes(folder))) return false;
  fs_.Find(Pattern(folder), false, [this](std::u16string_view name, uint32_t attributes) {
    if (Listed(name, attributes)) ((attributes & kAttrDirectory) != 0 ? folders_ : files_).Add(name);
    return true;
  });
  subfolderFlags_.assign(folders_.Size(), 0);
  if (!markSubfolders) return true;
  const std::u16string base(WithoutTrailingSlash(folder));
  for (size_t i = 0; i < folders_.Size(); ++i) {
    const std::u16string path = base + u'\\' + std::u16string(folders_[i]);
    subfolderFlags_[i] = HasSubfolder(path) ? 1 : 0;
  }
  return true;
}

bool FolderListing::HasSubfolder(std::u16string_view folder) const {
  if (!IsFolderAttributes(fs_.Attributes(folder))) return false;
  bool found = false;
  fs_.Find(Pattern(folder), true, [this, &found](std::u16string_view name, uint32_t attributes) {
    found = (attributes & kAttrDirectory) != 0 && Listed(name, attributes);
    return !found;
  });
  return found;
}

}  // namespace tapstart
