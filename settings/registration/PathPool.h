// The paths of one source tree's items, kept for the tree's life. A path is stored as the path it continues
// (its base) and the one name it adds, so that the thousands of files of one folder store their names once
// and the folder's path not at all.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tapstart {

class PathPool {
 public:
  // Fits a tree item's data.
  using Id = uint32_t;
  static constexpr Id kNone = 0xFFFFFFFFu;

  // Storage grows in chunks, each twice the size of the one before; the first holds firstChunkUnits UTF-16
  // units. Nothing is ever moved, so an id stays good for the pool's life.
  explicit PathPool(size_t firstChunkUnits = 16384);

  // A path: base's path, "\" (left out when base's path is empty or ends in "\" already) and piece; with
  // base kNone, piece alone. kNone when the pool is full (several gigabytes of paths).
  Id Add(Id base, std::u16string_view piece);
  // The path of an id that Add returned.
  std::u16string Path(Id id) const;

  // Chunks allocated so far.
  size_t Chunks() const;

 private:
  // An entry: base id (2 units), piece length (2 units), then the piece.
  static constexpr size_t kHeaderUnits = 4;
  size_t ChunkStart(size_t chunk) const { return first_ * ((size_t{1} << chunk) - 1); }
  size_t ChunkSize(size_t chunk) const { return first_ << chunk; }
  const char16_t* Entry(Id id) const;

  size_t first_;
  size_t current_ = 0;  // chunk being filled
  size_t used_ = 0;     // units used in it
  std::vector<std::unique_ptr<char16_t[]>> chunks_;
};

}  // namespace tapstart
