// The order of a sorted list box under the user's locale, computed from sort keys instead of a hidden list box.
#pragma once

#include "shell/NameSorter.h"

namespace tapstart {

// A sorted list box compares names with CompareStringW, the user's default locale and NORM_IGNORECASE. Sort
// keys made by LCMapStringW with the same locale and flags compare the same way byte by byte, and are made
// once per name instead of once per comparison.
class LocaleNameSorter final : public NameSorter {
 public:
  std::vector<uint32_t> Order(const NameList& names) const override;
};

}  // namespace tapstart
