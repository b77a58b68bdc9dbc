// An in-memory file system for the shell utilities' native tests: drives, folders and files with attributes,
// names compared without regard to the case of A to Z, as the system compares them.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "shell/FileSystem.h"

namespace tapstart::test {

class MemoryFileSystem final : public FileSystem {
 public:
  uint32_t LogicalDrives() const override;
  uint32_t DriveTypeOf(std::u16string_view root) const override;
  std::optional<std::u16string> VolumeLabel(std::u16string_view root) const override;
  std::optional<uint32_t> Attributes(std::u16string_view path) const override;
  // Every pattern is taken for "folder\*.*".
  void Find(std::u16string_view pattern, bool foldersOnly, const Visit& visit) const override;

  // A drive by letter ('a' to 'z'); no label: the label cannot be read.
  void AddDrive(char16_t letter, uint32_t type, std::optional<std::u16string> label = std::nullopt);
  // By full path ("c:\dir\name"), parent folders made as needed; a folder that exists is left as it is.
  void AddFolder(std::u16string_view path, uint32_t attributes = kAttrDirectory);
  void AddFile(std::u16string_view path, uint32_t attributes = kAttrArchive);

  // Each search: its pattern, the hint, and how many entries it reported before it was stopped.
  struct Search {
    std::u16string pattern;
    bool foldersOnly;
    size_t reported;
  };
  mutable std::vector<Search> searches;

 private:
  struct Entry {
    std::u16string name;
    uint32_t attributes;
  };
  void Add(std::u16string_view path, uint32_t attributes);

  std::map<char16_t, std::pair<uint32_t, std::optional<std::u16string>>> drives_;  // type, label
  std::map<std::u16string, uint32_t> attributes_;                                  // folded path -> attributes
  std::map<std::u16string, std::vector<Entry>> children_;  // folded folder -> entries in creation order
};

}  // namespace tapstart::test
