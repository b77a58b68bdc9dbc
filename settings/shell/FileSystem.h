// The seam through which the shell utilities reach drives and folders; the system's own, or one in memory.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tapstart {

// File attributes as the system numbers them.
enum FileAttribute : uint32_t {
  kAttrReadOnly = 0x1,
  kAttrHidden = 0x2,
  kAttrSystem = 0x4,
  kAttrDirectory = 0x10,
  kAttrArchive = 0x20,
  kAttrNormal = 0x80,
  kAttrTemporary = 0x100,
  kAttrCompressed = 0x800,
  kAttrNotContentIndexed = 0x2000,
};

// Drive types as the system numbers them; only these three are offered as program sources.
enum DriveType : uint32_t {
  kDriveRemovable = 2,
  kDriveFixed = 3,
  kDriveCdRom = 5,
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Bit n set: drive letter "a" + n exists.
  virtual uint32_t LogicalDrives() const = 0;
  // root: "c:\" form.
  virtual uint32_t DriveTypeOf(std::u16string_view root) const = 0;
  // The volume label; nothing when it cannot be read.
  virtual std::optional<std::u16string> VolumeLabel(std::u16string_view root) const = 0;

  // The attributes of a file or folder; nothing when it does not exist or cannot be examined.
  virtual std::optional<uint32_t> Attributes(std::u16string_view path) const = 0;

  // Called once per entry found, "." and ".." included, in the system's order; false stops the search.
  using Visit = std::function<bool(std::u16string_view name, uint32_t attributes)>;
  // Searches a pattern such as "C:\dir\*.*". foldersOnly is a hint that only folders are of interest:
  // a file system may then skip files, and the caller still checks every entry.
  virtual void Find(std::u16string_view pattern, bool foldersOnly, const Visit& visit) const = 0;
};

inline bool IsFolderAttributes(std::optional<uint32_t> attributes) {
  return attributes.has_value() && (*attributes & kAttrDirectory) != 0;
}

}  // namespace tapstart
