// The window text of a round button: what screen readers call it, since its owner drawing shows no text.
#pragma once

#include <string>
#include <string_view>

namespace tapstart {

// The text a static control shows for a caption: "&x" is x with an access key, "&&" a plain "&".
std::u16string ShownCaption(std::u16string_view caption);

// The round button's name: format ("%1: %2" in English, the language's own separator elsewhere) with %1 the
// label beside the button as it is shown and %2 the button's name; the label alone when the name is empty, and
// the label, a blank and the name when the format lacks either mark. Every "&" is doubled: the button gets no
// access key of its own, and the text reads as it stands.
std::u16string RoundButtonAccessName(std::u16string_view format, std::u16string_view label, std::u16string_view name);

}  // namespace tapstart
