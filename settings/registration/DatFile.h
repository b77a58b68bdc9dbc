// The data-file format of the list sources: UTF-16 little-endian text whose fields are the runs between pairs
// of double quotes, three fields to a record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "registration/SourceData.h"

namespace tapstart {

// A larger file is not a data file of this program; it is refused unread.
inline constexpr size_t kMaxDatFileBytes = size_t{16} * 1024 * 1024;

// The records of a data file's bytes, in file order. Everything outside the quotes is ignored (a byte-order
// mark included); a trailing record of one or two fields is dropped, and so is an unclosed field. The text
// ends at the end of the bytes or at its first zero character; an odd last byte is no character. More than
// kMaxDatFileBytes give no record.
std::vector<DAT_FILE_DATA> ParseDatFile(std::span<const uint8_t> bytes);

// The path of a file in the running program's folder: everything up to and including the last "\" of the
// program's path, a "\" added when there is none, then the name.
std::u16string ProgramFolderFile(std::u16string_view programPath, std::u16string_view name);

}  // namespace tapstart
