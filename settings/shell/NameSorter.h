// The order in which the program source trees show names: an injected sorter, and the rule by which a sorted
// list box places names that its comparison finds equal.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "shell/NameList.h"

namespace tapstart {

class NameSorter {
 public:
  virtual ~NameSorter() = default;
  // The positions of the names in display order.
  virtual std::vector<uint32_t> Order(const NameList& names) const = 0;
};

// Sort keys of a list of names, end to end: comparing two keys byte by byte (a shorter key that is the start
// of a longer one comes first) compares the names.
class SortKeys {
 public:
  void Add(const uint8_t* key, size_t size);
  size_t Size() const { return ends_.size(); }
  std::span<const uint8_t> operator[](size_t i) const;

 private:
  std::vector<uint8_t> bytes_;
  std::vector<uint32_t> ends_;
};

// The order in which a sorted list box shows the names when they are added one by one in list order, given
// their sort keys. The list box finds a new name's place by a binary search and puts it in front of the first
// equal name that search meets, so names that compare equal (case pairs) keep no simple order; this replays
// that search for them alone and sorts everything else by key.
std::vector<uint32_t> ListBoxOrder(const SortKeys& keys);

}  // namespace tapstart
