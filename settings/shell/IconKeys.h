// Which icon a tree item gets and whether its tree's image list holds it already: the rules of the icon cache.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tapstart {

// Key of the Internet-shortcut icon; the shell's own icon indexes are other keys.
inline constexpr int32_t kInternetShortcutIconKey = 1000;
// Mode of the Favorites tree's items; other trees pass any other value.
inline constexpr int kFavoritesIconMode = 1;

enum class IconSource {
  SystemImageList,   // a copy of the shell's icon at the key's index
  Shell32FirstIcon,  // the first icon of shell32.dll in the system folder
  UrlDllFirstIcon,   // the first icon of url.dll in the system folder
};

struct IconChoice {
  int32_t key = 0;
  IconSource source = IconSource::SystemImageList;
  bool operator==(const IconChoice&) const = default;
};

// systemIndex: the shell's icon index for the path; internetShortcutType: the shell named the path's type
// as it names Internet shortcuts (letter case aside). The shell gives index 0 to files it has no icon for.
IconChoice ChooseIcon(int32_t systemIndex, int mode, bool internetShortcutType);

// The kind of icon a path shows when every path of that kind shows the same one, so that one answer of the shell
// serves them all: a plain folder (neither read-only nor a system folder: those may carry an icon of their own
// in their desktop.ini), or a file of a type whose files carry no icon of their own (programs, shortcuts, icons,
// cursors, screen savers and control panel items do). Nothing for a drive, for a path that could not be
// examined (attributes missing) and for every other file.
std::optional<std::u16string> SharedIconKind(std::u16string_view path, std::optional<uint32_t> attributes);

// One key per image of a tree's image list, in image order.
class IconKeys {
 public:
  std::optional<int> Find(int32_t key) const;
  // Records the key of an image just appended; returns its index.
  int Add(int32_t key);
  int Size() const { return static_cast<int>(keys_.size()); }

 private:
  std::vector<int32_t> keys_;
};

// A library's path in the system folder: systemFolder + "\" + file.
std::u16string SystemLibraryPath(std::u16string_view systemFolder, std::u16string_view file);

}  // namespace tapstart
