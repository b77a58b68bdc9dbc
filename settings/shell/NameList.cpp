// Names kept end to end in one text.
#include "NameList.h"

namespace tapstart {

void NameList::Add(std::u16string_view name) {
  text_.append(name);
  ends_.push_back(static_cast<uint32_t>(text_.size()));
}

void NameList::Clear() {
  text_.clear();
  ends_.clear();
}

std::u16string_view NameList::operator[](size_t i) const {
  const uint32_t begin = i == 0 ? 0 : ends_[i - 1];
  return std::u16string_view(text_).substr(begin, ends_[i] - begin);
}

std::vector<std::u16string> NameList::Texts() const {
  std::vector<std::u16string> out;
  out.reserve(Size());
  for (size_t i = 0; i < Size(); ++i) out.emplace_back((*this)[i]);
  return out;
}

}  // namespace tapstart
