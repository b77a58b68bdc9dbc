// The data-file reader: one pass over the characters, fields between quotes, records of three.
#include "DatFile.h"

namespace tapstart {

std::vector<DAT_FILE_DATA> ParseDatFile(std::span<const uint8_t> bytes) {
  std::vector<DAT_FILE_DATA> records;
  if (bytes.size() > kMaxDatFileBytes) return records;
  DAT_FILE_DATA record;
  std::u16string* const fields[] = {&record.field1, &record.field2, &record.field3};
  size_t counter = 0;
  bool inside = false;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto c = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    if (c == u'\0') break;
    if (c != u'"') {
      if (inside) fields[counter]->push_back(c);
      continue;
    }
    inside = !inside;
    if (inside) {
      fields[counter]->clear();
    } else if (++counter == 3) {
      records.push_back(record);
      counter = 0;
    }
  }
  return records;
}

std::u16string ProgramFolderFile(std::u16string_view programPath, std::u16string_view name) {
  const auto slash = programPath.rfind(u'\\');
  std::u16string path(slash == std::u16string_view::npos ? std::u16string_view{} : programPath.substr(0, slash + 1));
  if (path.empty() || path.back() != u'\\') path.push_back(u'\\');
  path += name;
  return path;
}

}  // namespace tapstart
