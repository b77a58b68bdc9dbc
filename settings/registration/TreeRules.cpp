// Start Menu counterparts, path comparison and item texts of the source trees.
#include "TreeRules.h"

namespace tapstart {
namespace {

char16_t FoldAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

std::u16string_view WithoutSlash(std::u16string_view path) {
  if (!path.empty() && path.back() == u'\\') path.remove_suffix(1);
  return path;
}

}  // namespace

StartMenuFolders MakeStartMenuFolders(std::u16string_view user, std::u16string_view common) {
  StartMenuFolders folders{std::u16string(WithoutSlash(user)), std::u16string(WithoutSlash(common)), false};
  folders.merge = !folders.user.empty() && !folders.common.empty();
  return folders;
}

std::u16string CounterpartFolder(std::u16string_view path, const StartMenuFolders& folders,
                                 std::u16string_view logonName) {
  std::u16string out(path);
  if (folders.merge) {
    if (path == folders.user) return folders.common;
    const size_t at = path.find(folders.user);
    if (at == std::u16string_view::npos) return out;
    return folders.common + std::u16string(path.substr(at + folders.user.size()));
  }
  // An empty logon name names nothing to replace.
  const size_t at = logonName.empty() ? std::u16string_view::npos : path.find(logonName);
  if (at != std::u16string_view::npos) out.replace(at, logonName.size(), u"All Users");
  return out;
}

bool SamePath(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  return true;
}

bool SameFolder(std::u16string_view a, std::u16string_view b) { return SamePath(WithoutSlash(a), WithoutSlash(b)); }

bool EndsWithUrl(std::u16string_view path) {
  return path.size() >= 4 && SamePath(path.substr(path.size() - 4), u".url");
}

std::u16string_view FavoriteText(std::u16string_view name) {
  return EndsWithUrl(name) ? name.substr(0, name.size() - 4) : name;
}

std::u16string DriveItemText(std::u16string_view drive, std::u16string_view label) {
  std::u16string text(drive);
  if (!label.empty()) {
    text += u'[';
    text += label;
    text += u']';
  }
  return text;
}

std::u16string DriveItemPath(std::u16string_view drive) { return std::u16string(drive) + u'\\'; }

std::u16string ChildPath(std::u16string_view path, std::u16string_view name) {
  std::u16string out(path);
  if (!out.empty() && out.back() != u'\\') out += u'\\';
  out += name;
  return out;
}

}  // namespace tapstart
