// The drives offered as program sources: removable, fixed and CD-ROM drives, with their volume labels.
#pragma once

#include <string>
#include <vector>

#include "shell/FileSystem.h"

namespace tapstart {

class CSystemDrive {
 public:
  struct DRIVE_STATUS {
    std::u16string drive;  // lower-case letter and colon, "c:"
    std::u16string label;  // empty when none can be read
    bool operator==(const DRIVE_STATUS&) const = default;
  };

  // Rebuilds the list in drive-letter order; returns the count.
  int Refresh(const FileSystem& fs);

  int Count() const { return static_cast<int>(drives_.size()); }
  const std::vector<DRIVE_STATUS>& Drives() const { return drives_; }

 private:
  std::vector<DRIVE_STATUS> drives_;
};

}  // namespace tapstart
