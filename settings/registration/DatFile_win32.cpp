// Data files: the whole file in one buffer of exactly its size, handed to the portable reader.
#include "DatFile_win32.h"

#include <windows.h>

#include <cstdint>
#include <string>

#include "registration/DatFile.h"
#include "ui/Handles_win32.h"
#include "ui/Text_win32.h"

namespace tapstart {
namespace {

// The file's bytes, or nothing at all when any step fails or the file is too large to be a data file.
std::vector<uint8_t> ReadWholeFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)))
    return {};
  const FileHandle file(
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
      static_cast<uint64_t>(size.QuadPart) > kMaxDatFileBytes)
    return {};
  std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    if (!ReadFile(file.Get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr)) return {};
    if (got == 0) break;  // the file shrank while it was read: what was read counts
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

}  // namespace

std::vector<DAT_FILE_DATA> ReadDatFile(std::u16string_view name) {
  return ParseDatFile(ReadWholeFile(Wide(ProgramFolderFile(Utf16(ProgramPath()), name))));
}

}  // namespace tapstart
