// The listing of one folder into plain files and subfolders, as the program source trees show them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shell/FileSystem.h"
#include "shell/NameList.h"

namespace tapstart {

class FolderListing {
 public:
  // Every attribute: an entry is listed unless it is hidden, whatever else it carries.
  static constexpr uint32_t kAnyAttribute = 0xFFFFFFFFu;

  explicit FolderListing(const FileSystem& fs) : fs_(fs) {}

  // Entries must carry at least one of these attributes.
  uint32_t filter = kAnyAttribute;
  // File name pattern searched in the folder.
  std::u16string mask = u"*.*";
  // Whether Scan also asks each subfolder whether it has a subfolder of its own (one more search each).
  bool markSubfolders = true;

  // Lists the folder, replacing the last listing. False, with empty lists, when the path is not a folder.
  // Hidden entries are left out, and so is a folder named exactly "RECYCLED".
  bool Scan(std::u16string_view folder);
  // True when the folder has a subfolder that Scan would list.
  bool HasSubfolder(std::u16string_view folder) const;

  const NameList& Files() const { return files_; }
  const NameList& Folders() const { return folders_; }
  // For each subfolder: 1 when it has a subfolder of its own (0 throughout unless markSubfolders is set).
  const std::vector<uint8_t>& SubfolderFlags() const { return subfolderFlags_; }
  bool Empty() const { return files_.Empty() && folders_.Empty(); }

 private:
  bool Listed(std::u16string_view name, uint32_t attributes) const;
  std::u16string Pattern(std::u16string_view folder) const;

  const FileSystem& fs_;
  NameList files_;
  NameList folders_;
  std::vector<uint8_t> subfolderFlags_;
};

// The folder with one trailing "\" removed ("c:\" becomes "c:").
std::u16string_view WithoutTrailingSlash(std::u16string_view folder);

}  // namespace tapstart
