// Icon choice and the key list of a tree's image list.
#include "IconKeys.h"

#include <algorithm>
#include <array>

#include "shell/FileSystem.h"

namespace tapstart {
namespace {

// Types whose files show icons of their own, by their lower-case extensions.
constexpr std::array<std::u16string_view, 10> kOwnIconTypes = {u".exe", u".lnk", u".url", u".ico", u".cur",
                                                               u".ani", u".pif", u".scr", u".cpl", u".appref-ms"};

char16_t LowerAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

// A folder's kind cannot be taken for an extension, which always starts with ".".
constexpr std::u16string_view kPlainFolderKind = u"\\";

}  // namespace

std::optional<std::u16string> SharedIconKind(std::u16string_view path, std::optional<uint32_t> attributes) {
  const size_t slash = path.find_last_of(u"\\/");
  const std::u16string_view name = slash == std::u16string_view::npos ? path : path.substr(slash + 1);
  // A drive's root ("c:\\") shows the drive's icon.
  if (!attributes || name.empty() || name.back() == u':') return std::nullopt;
  if ((*attributes & kAttrDirectory) != 0) {
    if ((*attributes & (kAttrReadOnly | kAttrSystem)) != 0) return std::nullopt;
    return std::u16string(kPlainFolderKind);
  }
  const size_t dot = name.find_last_of(u'.');
  std::u16string kind(dot == std::u16string_view::npos ? u"." : name.substr(dot));
  std::transform(kind.begin(), kind.end(), kind.begin(), LowerAscii);
  if (std::find(kOwnIconTypes.begin(), kOwnIconTypes.end(), kind) != kOwnIconTypes.end()) return std::nullopt;
  return kind;
}

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
