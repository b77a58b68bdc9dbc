// The Media Center and IME lists made from their data files, and where the IME changer program lives.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "registration/SourceData.h"

namespace tapstart {

// The Media Center table has room for this many entries.
inline constexpr size_t kMediaCenterEntries = 7;

// The Media Center table: the first kMediaCenterEntries records. Records beyond them are left out of the list
// as well, so that list line i is always table entry i.
std::vector<MCE_DATA> MediaCenterTable(const std::vector<DAT_FILE_DATA>& records);
// The IME table: every record.
std::vector<MCE_DATA> ImeTable(const std::vector<DAT_FILE_DATA>& records);
// The lines a list shows for its table: each entry's list text, in table order.
std::vector<std::u16string> ListLines(const std::vector<MCE_DATA>& table);

// Where the Japanese IME changer program lives; both empty until an IME list names it.
struct ImeChangerLocation {
  std::u16string program;  // the changer program's path
  std::u16string folder;   // its drive and directory, ending in "\"
  bool operator==(const ImeChangerLocation&) const = default;
};

// The drive ("C:") and directory (up to and including the last "\" or "/") of a path, joined.
std::u16string DriveAndDirectory(std::u16string_view path);

// The changer is the command of the IME table's first entry; an empty table or an empty command leaves the
// location as it was.
void SetImeChangerPath(const std::vector<MCE_DATA>& imeTable, ImeChangerLocation& location);

}  // namespace tapstart
