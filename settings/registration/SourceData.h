// The records that the list sources hand to the registration dialog and the wizard.
#pragma once

#include <string>

namespace tapstart {

// One record of a data file, its three quoted fields in file order.
struct DAT_FILE_DATA {
  std::u16string field1;
  std::u16string field2;
  std::u16string field3;

  bool operator==(const DAT_FILE_DATA&) const = default;
};

// One entry of the Media Center or IME list: the text the list shows (a slot's title), the button name it
// gives, and the command it stores.
struct MCE_DATA {
  std::u16string listText;
  std::u16string buttonName;
  std::u16string command;

  bool operator==(const MCE_DATA&) const = default;
};

// A data file record as a list entry: field 1 the list text, field 2 the button name, field 3 the command.
inline MCE_DATA ToListEntry(const DAT_FILE_DATA& record) { return {record.field1, record.field2, record.field3}; }

}  // namespace tapstart
