// The item-path pool: append-only chunks, ids that are offsets into the chunks laid end to end.
#include "PathPool.h"

#include <algorithm>
#include <bit>

namespace tapstart {

PathPool::PathPool(size_t firstChunkUnits) : first_(std::max<size_t>(firstChunkUnits, kHeaderUnits + 1)) {}

size_t PathPool::Chunks() const {
  return static_cast<size_t>(std::count_if(chunks_.begin(), chunks_.end(), [](const auto& c) { return c != nullptr; }));
}

PathPool::Id PathPool::Add(Id base, std::u16string_view piece) {
  const size_t units = kHeaderUnits + piece.size();
  // A chunk that cannot take the entry is left with its rest unused; the next one is twice its size. The
  // chunks are not cleared when allocated, so that pages no path reaches are never touched.
  while (used_ + units > ChunkSize(current_)) {
    ++current_;
    used_ = 0;
  }
  const size_t id = ChunkStart(current_) + used_;
  if (id + units >= kNone) return kNone;
  if (chunks_.size() <= current_) chunks_.resize(current_ + 1);
  if (!chunks_[current_]) chunks_[current_].reset(new char16_t[ChunkSize(current_)]);
  char16_t* entry = chunks_[current_].get() + used_;
  const auto length = static_cast<uint32_t>(piece.size());
  entry[0] = static_cast<char16_t>(base & 0xFFFF);
  entry[1] = static_cast<char16_t>(base >> 16);
  entry[2] = static_cast<char16_t>(length & 0xFFFF);
  entry[3] = static_cast<char16_t>(length >> 16);
  std::copy(piece.begin(), piece.end(), entry + kHeaderUnits);
  used_ += units;
  return static_cast<Id>(id);
}

const char16_t* PathPool::Entry(Id id) const {
  // Chunk k starts at first * (2^k - 1).
  const size_t chunk = static_cast<size_t>(std::bit_width(id / first_ + 1)) - 1;
  if (chunk >= chunks_.size() || !chunks_[chunk]) return nullptr;
  return chunks_[chunk].get() + (id - ChunkStart(chunk));
}

std::u16string PathPool::Path(Id id) const {
  std::vector<std::u16string_view> pieces;
  for (Id at = id; at != kNone;) {
    const char16_t* entry = Entry(at);
    if (entry == nullptr) break;
    pieces.emplace_back(entry + kHeaderUnits, entry[2] | (static_cast<size_t>(entry[3]) << 16));
    const auto base = static_cast<Id>(entry[0] | (static_cast<uint32_t>(entry[1]) << 16));
    // A base is always added before the paths that continue it, so the walk only goes down.
    if (base != kNone && base >= at) break;
    at = base;
  }
  std::u16string path;
  for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) {
    if (!path.empty() && path.back() != u'\\') path += u'\\';
    path += *piece;
  }
  return path;
}

}  // namespace tapstart
