// Drives and folders through the system's file functions.
#include "DiskFileSystem_win32.h"

#include <windows.h>

#include <memory>
#include <type_traits>

#include "ui/Text_win32.h"

namespace tapstart {
namespace {

// An empty card reader or disc drive must fail quietly instead of asking the user to insert a disk.
class QuietDriveErrors {
 public:
  QuietDriveErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &old_); }
  QuietDriveErrors(const QuietDriveErrors&) = delete;
  QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;
  ~QuietDriveErrors() { SetThreadErrorMode(old_, nullptr); }

 private:
  DWORD old_ = 0;
};

struct FindCloser {
  void operator()(HANDLE h) const { FindClose(h); }
};
using FindHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, FindCloser>;

}  // namespace

uint32_t DiskFileSystem::LogicalDrives() const { return GetLogicalDrives(); }

uint32_t DiskFileSystem::DriveTypeOf(std::u16string_view root) const { return GetDriveTypeW(Wide(root).c_str()); }

std::optional<std::u16string> DiskFileSystem::VolumeLabel(std::u16string_view root) const {
  const QuietDriveErrors quiet;
  wchar_t label[MAX_PATH + 1] = {};  // labels are at most 32 characters; the system asks for MAX_PATH + 1
  if (!GetVolumeInformationW(Wide(root).c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0))
    return std::nullopt;
  return std::u16string(label, label + wcslen(label));
}

std::optional<uint32_t> DiskFileSystem::Attributes(std::u16string_view path) const {
  const QuietDriveErrors quiet;
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return attributes;
}

void DiskFileSystem::Find(std::u16string_view pattern, bool foldersOnly, const Visit& visit) const {
  const QuietDriveErrors quiet;
  WIN32_FIND_DATAW data{};
  // The basic information leaves out the short 8.3 names, and the large fetch asks the file system for many
  // entries per call: both count in a folder of many thousand files.
  const HANDLE first = FindFirstFileExW(Wide(pattern).c_str(), FindExInfoBasic, &data,
                                        foldersOnly ? FindExSearchLimitToDirectories : FindExSearchNameMatch, nullptr,
                                        FIND_FIRST_EX_LARGE_FETCH);
  if (first == INVALID_HANDLE_VALUE) return;
  const FindHandle find(first);
  std::u16string name;
  do {
    name.assign(data.cFileName, data.cFileName + wcslen(data.cFileName));
    if (!visit(name, data.dwFileAttributes)) break;
  } while (FindNextFileW(find.get(), &data));
}

}  // namespace tapstart
