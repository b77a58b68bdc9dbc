// Reads a data file from the running program's folder.
#pragma once

#include <string_view>
#include <vector>

#include "registration/SourceData.h"

namespace tapstart {

// The records of the named data file beside the running program; none when the file is missing, is a folder,
// cannot be read or is larger than kMaxDatFileBytes.
std::vector<DAT_FILE_DATA> ReadDatFile(std::u16string_view name);

}  // namespace tapstart
