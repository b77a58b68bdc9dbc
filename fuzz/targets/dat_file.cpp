// The data-file reader, and the shortcut-key list and list sources built from its records.
#include "FuzzInput.h"
#include "registration/DatFile.h"
#include "registration/ListSources.h"
#include "registration/ShortcutKeys.h"

using namespace tapstart;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<DAT_FILE_DATA> records = ParseDatFile(std::span<const uint8_t>(data, size));
  fuzz::Check(records.size() * 12 <= size);  // three fields of two quotes each, two bytes a unit
  for (const DAT_FILE_DATA& r : records)
    for (const std::u16string* f : {&r.field1, &r.field2, &r.field3})
      fuzz::Check(f->find(u'"') == std::u16string::npos && f->find(u'\0') == std::u16string::npos);
  const ShortcutKeyList keys = ShortcutKeysFromRecords(records);
  fuzz::Check(keys.names.size() == keys.commands.size() && keys.names.size() == keys.lines.size());
  const std::vector<MCE_DATA> media = MediaCenterTable(records);
  fuzz::Check(media.size() <= kMediaCenterEntries && media.size() <= records.size());
  const std::vector<MCE_DATA> ime = ImeTable(records);
  fuzz::Check(ime.size() == records.size());
  fuzz::Check(ListLines(ime).size() == ime.size());
  ImeChangerLocation where;
  SetImeChangerPath(ime, where);
  if (!where.program.empty()) {
    fuzz::Check(where.program == ime.front().command);
    fuzz::Check(where.program.compare(0, where.folder.size(), where.folder) == 0);
  }
  return 0;
}
