// The drive list: network drives, RAM disks and unknown drive types are left out.
#include "CSystemDrive.h"

namespace tapstart {
namespace {

bool Offered(uint32_t type) { return type == kDriveRemovable || type == kDriveFixed || type == kDriveCdRom; }

}  // namespace

int CSystemDrive::Refresh(const FileSystem& fs) {
  drives_.clear();
  const uint32_t present = fs.LogicalDrives();
  for (int bit = 0; bit < 26; ++bit) {
    if ((present & (1u << bit)) == 0) continue;
    const std::u16string root{static_cast<char16_t>(u'a' + bit), u':', u'\\'};
    if (!Offered(fs.DriveTypeOf(root))) continue;
    drives_.push_back({root.substr(0, 2), fs.VolumeLabel(root).value_or(std::u16string())});
  }
  return Count();
}

}  // namespace tapstart
