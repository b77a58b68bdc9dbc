// Tables of the list sources built from data-file records.
#include "ListSources.h"

#include <algorithm>

namespace tapstart {

std::vector<MCE_DATA> MediaCenterTable(const std::vector<DAT_FILE_DATA>& records) {
  std::vector<MCE_DATA> table;
  const size_t n = std::min(records.size(), kMediaCenterEntries);
  table.reserve(n);
  for (size_t i = 0; i < n; ++i) table.push_back(ToListEntry(records[i]));
  return table;
}

std::vector<MCE_DATA> ImeTable(const std::vector<DAT_FILE_DATA>& records) {
  std::vector<MCE_DATA> table;
  table.reserve(records.size());
  for (const DAT_FILE_DATA& r : records) table.push_back(ToListEntry(r));
  return table;
}

std::vector<std::u16string> ListLines(const std::vector<MCE_DATA>& table) {
  std::vector<std::u16string> lines;
  lines.reserve(table.size());
  for (const MCE_DATA& entry : table) lines.push_back(entry.listText);
  return lines;
}

std::u16string DriveAndDirectory(std::u16string_view path) {
  const size_t driveEnd = path.size() >= 2 && path[1] == u':' ? 2 : 0;
  const size_t slash = path.find_last_of(u"\\/");
  if (slash == std::u16string_view::npos || slash < driveEnd) return std::u16string(path.substr(0, driveEnd));
  return std::u16string(path.substr(0, slash + 1));
}

void SetImeChangerPath(const std::vector<MCE_DATA>& imeTable, ImeChangerLocation& location) {
  if (imeTable.empty() || imeTable.front().command.empty()) return;
  location.program = imeTable.front().command;
  location.folder = DriveAndDirectory(location.program);
}

}  // namespace tapstart
