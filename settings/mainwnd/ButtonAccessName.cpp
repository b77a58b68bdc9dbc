// The window text of a round button.
#include "mainwnd/ButtonAccessName.h"

namespace tapstart {
namespace {

std::u16string DoubleAmpersands(std::u16string_view text) {
  std::u16string out;
  for (char16_t c : text) {
    out += c;
    if (c == u'&') out += u'&';
  }
  return out;
}

}  // namespace

std::u16string ShownCaption(std::u16string_view caption) {
  std::u16string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    // A lone "&" at the end shows nothing; before any other character it only underlines it.
    if (caption[i] == u'&' && ++i == caption.size()) break;
    out += caption[i];
  }
  return out;
}

std::u16string RoundButtonAccessName(std::u16string_view format, std::u16string_view label, std::u16string_view name) {
  const std::u16string shown = ShownCaption(label);
  if (name.empty()) return DoubleAmpersands(shown);
  const size_t first = format.find(u"%1");
  const size_t second = format.find(u"%2");
  if (first == std::u16string_view::npos || second == std::u16string_view::npos)
    return DoubleAmpersands(shown + u" " + std::u16string(name));
  std::u16string text;
  for (size_t i = 0; i < format.size(); ++i) {
    if (i == first || i == second) {
      text += i == first ? shown : std::u16string(name);
      ++i;
    } else {
      text += format[i];
    }
  }
  return DoubleAmpersands(text);
}

}  // namespace tapstart
