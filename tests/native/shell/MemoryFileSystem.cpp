// The in-memory file system: a map of paths and, per folder, its entries in the order they were made.
#include "MemoryFileSystem.h"

#include "store/Text.h"

namespace tapstart::test {
namespace {

std::u16string Key(std::u16string_view path) {
  if (!path.empty() && path.back() == u'\\') path.remove_suffix(1);
  return AsciiLower(path);
}

}  // namespace

uint32_t MemoryFileSystem::LogicalDrives() const {
  uint32_t bits = 0;
  for (const auto& drive : drives_) bits |= 1u << (drive.first - u'a');
  return bits;
}

uint32_t MemoryFileSystem::DriveTypeOf(std::u16string_view root) const {
  const auto d = drives_.find(root.empty() ? u'?' : AsciiLower(root.substr(0, 1))[0]);
  return d == drives_.end() ? 1 : d->second.first;  // 1: no root directory
}

std::optional<std::u16string> MemoryFileSystem::VolumeLabel(std::u16string_view root) const {
  const auto d = drives_.find(root.empty() ? u'?' : AsciiLower(root.substr(0, 1))[0]);
  return d == drives_.end() ? std::nullopt : d->second.second;
}

std::optional<uint32_t> MemoryFileSystem::Attributes(std::u16string_view path) const {
  const auto found = attributes_.find(Key(path));
  return found == attributes_.end() ? std::nullopt : std::optional(found->second);
}

void MemoryFileSystem::Find(std::u16string_view pattern, bool foldersOnly, const Visit& visit) const {
  searches.push_back({std::u16string(pattern), foldersOnly, 0});
  const auto folder = children_.find(Key(pattern.substr(0, pattern.rfind(u'\\'))));
  if (folder == children_.end()) return;
  for (const Entry& e : folder->second) {
    ++searches.back().reported;
    if (!visit(e.name, e.attributes)) return;
  }
}

void MemoryFileSystem::AddDrive(char16_t letter, uint32_t type, std::optional<std::u16string> label) {
  drives_[letter] = {type, std::move(label)};
  AddFolder(std::u16string{letter, u':'});
}

void MemoryFileSystem::Add(std::u16string_view path, uint32_t attributes) {
  const size_t slash = path.rfind(u'\\');
  if (slash != std::u16string_view::npos) {
    AddFolder(path.substr(0, slash));
    children_[Key(path.substr(0, slash))].push_back({std::u16string(path.substr(slash + 1)), attributes});
  }
  attributes_[Key(path)] = attributes;
}

void MemoryFileSystem::AddFolder(std::u16string_view path, uint32_t attributes) {
  if (attributes_.count(Key(path))) return;
  Add(path, attributes);
  // A folder lists "." and ".." first, as the system's do.
  children_[Key(path)].push_back({u".", kAttrDirectory});
  children_[Key(path)].push_back({u"..", kAttrDirectory});
}

void MemoryFileSystem::AddFile(std::u16string_view path, uint32_t attributes) { Add(path, attributes); }

}  // namespace tapstart::test
