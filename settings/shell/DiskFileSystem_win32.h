// The file system seam over the real drives and folders.
#pragma once

#include "shell/FileSystem.h"

namespace tapstart {

class DiskFileSystem final : public FileSystem {
 public:
  uint32_t LogicalDrives() const override;
  uint32_t DriveTypeOf(std::u16string_view root) const override;
  std::optional<std::u16string> VolumeLabel(std::u16string_view root) const override;
  std::optional<uint32_t> Attributes(std::u16string_view path) const override;
  void Find(std::u16string_view pattern, bool foldersOnly, const Visit& visit) const override;
};

}  // namespace tapstart
