// A sorted list box's order, computed from sort keys in n log n.
#include "NameSorter.h"

#include <algorithm>
#include <numeric>

namespace tapstart {
namespace {

int Compare(std::span<const uint8_t> a, std::span<const uint8_t> b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i)
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Counts of names added so far, per rank, with prefix sums in log time.
class RankCounts {
 public:
  explicit RankCounts(size_t ranks) : tree_(ranks + 1, 0) {}
  void Add(size_t rank) {
    for (size_t i = rank + 1; i < tree_.size(); i += i & (~i + 1)) ++tree_[i];
  }
  // Names added with a rank below this one.
  size_t Below(size_t rank) const {
    size_t sum = 0;
    for (size_t i = rank; i > 0; i -= i & (~i + 1)) sum += tree_[i];
    return sum;
  }

 private:
  std::vector<uint32_t> tree_;
};

// Where the list box's binary search over `total` names stops when `below` names sort before the new one and
// `equal` names (at least one) compare equal to it: the index of the equal name it meets.
size_t ProbeEqual(size_t total, size_t below, size_t equal) {
  int64_t lo = 0;
  int64_t hi = static_cast<int64_t>(total) - 1;
  while (lo <= hi) {
    const int64_t mid = (lo + hi) / 2;
    if (mid < static_cast<int64_t>(below)) {
      lo = mid + 1;
    } else if (mid >= static_cast<int64_t>(below + equal)) {
      hi = mid - 1;
    } else {
      return static_cast<size_t>(mid);
    }
  }
  return below;
}

// Replays the list box's insertions; rank[i] numbers the distinct keys in key order.
std::vector<uint32_t> ReplayInsertions(const std::vector<uint32_t>& rank, size_t ranks) {
  std::vector<std::vector<uint32_t>> runs(ranks);
  RankCounts counts(ranks);
  for (uint32_t i = 0; i < rank.size(); ++i) {
    std::vector<uint32_t>& run = runs[rank[i]];
    const size_t below = counts.Below(rank[i]);
    const size_t at = run.empty() ? 0 : ProbeEqual(i, below, run.size()) - below;
    run.insert(run.begin() + static_cast<std::ptrdiff_t>(at), i);
    counts.Add(rank[i]);
  }
  std::vector<uint32_t> order;
  order.reserve(rank.size());
  for (const auto& run : runs) order.insert(order.end(), run.begin(), run.end());
  return order;
}

}  // namespace

void SortKeys::Add(const uint8_t* key, size_t size) {
  bytes_.insert(bytes_.end(), key, key + size);
  ends_.push_back(static_cast<uint32_t>(bytes_.size()));
}

std::span<const uint8_t> SortKeys::operator[](size_t i) const {
  const uint32_t begin = i == 0 ? 0 : ends_[i - 1];
  return std::span<const uint8_t>(bytes_.data() + begin, ends_[i] - begin);
}

std::vector<uint32_t> ListBoxOrder(const SortKeys& keys) {
  std::vector<uint32_t> order(keys.Size());
  std::iota(order.begin(), order.end(), 0u);
  std::stable_sort(order.begin(), order.end(),
                   [&keys](uint32_t a, uint32_t b) { return Compare(keys[a], keys[b]) < 0; });
  std::vector<uint32_t> rank(keys.Size());
  size_t ranks = 0;
  for (size_t i = 0; i < order.size(); ++i) {
    if (i > 0 && Compare(keys[order[i - 1]], keys[order[i]]) != 0) ++ranks;
    rank[order[i]] = static_cast<uint32_t>(ranks);
  }
  if (!order.empty()) ++ranks;
  if (ranks == order.size()) return order;
  return ReplayInsertions(rank, ranks);
}

}  // namespace tapstart
