// Where each profile key of the settings lives in the user tree of the registry.
#pragma once

#include <string>
#include <string_view>

namespace tapstart {

inline constexpr std::u16string_view kProductKey = u"Software\\Varden\\VARDENZEB";

enum class ValueKind { Text, Number };

struct StoreLocation {
  bool mapped = false;   // false: a section the user tree does not hold; reads are empty
  std::u16string key;    // registry key under HKEY_CURRENT_USER
  std::u16string value;  // value name; empty for a key that no rule names
  ValueKind kind = ValueKind::Text;
};

// Translates a profile section and key ("USER3", "Btn2_AP4") into its registry key and value.
StoreLocation MapProfileKey(std::u16string_view section, std::u16string_view key);

}  // namespace tapstart
