// Icon choice and the key list of a tree's image list.
#include "IconKeys.h"

#include <algorithm>

namespace tapstart {

IconChoice ChooseIcon(int32_t systemIndex, int mode, bool internetShortcutType) {
  if (systemIndex == 0 && mode == kFavoritesIconMode && internetShortcutType)
    return {kInternetShortcutIconKey, IconSource::UrlDllFirstIcon};
  if (systemIndex == 0 && mode != kFavoritesIconMode) return {0, IconSource::Shell32FirstIcon};
  return {systemIndex, IconSource::SystemImageList};
}

std::optional<int> IconKeys::Find(int32_t key) const {
  const auto hit = std::find(keys_.begin(), keys_.end(), key);
  if (hit == keys_.end()) return std::nullopt;
  return static_cast<int>(hit - keys_.begin());
}

int IconKeys::Add(int32_t key) {
  keys_.push_back(key);
  return Size() - 1;
}

std::u16string SystemLibraryPath(std::u16string_view systemFolder, std::u16string_view file) {
  std::u16string path(systemFolder);
  if (path.empty() || path.back() != u'\\') path += u'\\';
  path += file;
  return path;
}

}  // namespace tapstart
