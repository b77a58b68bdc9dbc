// A name sorter for native tests: the list box's placement rule over keys that ignore the case of A to Z.
#pragma once

#include "shell/NameSorter.h"
#include "store/Text.h"

namespace tapstart::test {

class FoldingSorter final : public NameSorter {
 public:
  std::vector<uint32_t> Order(const NameList& names) const override {
    SortKeys keys;
    for (size_t i = 0; i < names.Size(); ++i) {
      std::vector<uint8_t> key;
      for (const char16_t c : AsciiLower(names[i])) {
        key.push_back(static_cast<uint8_t>(c >> 8));
        key.push_back(static_cast<uint8_t>(c & 0xFF));
      }
      keys.Add(key.data(), key.size());
    }
    return ListBoxOrder(keys);
  }
};

}  // namespace tapstart::test
