// A list of file names kept in one block of text, so that a folder of tens of thousands of entries costs
// little more than its names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tapstart {

class NameList {
 public:
  void Add(std::u16string_view name);
  void Clear();
  size_t Size() const { return ends_.size(); }
  bool Empty() const { return ends_.empty(); }
  std::u16string_view operator[](size_t i) const;
  // The names in list order, as texts (for tests and small lists).
  std::vector<std::u16string> Texts() const;

 private:
  std::u16string text_;
  std::vector<uint32_t> ends_;  // end of name i in text_; name i starts at the end of name i - 1
};

}  // namespace tapstart
