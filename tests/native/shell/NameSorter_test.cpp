// The sorted list box's order from sort keys, checked against a list box played out name by name.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "shell/NameSorter.h"

namespace tapstart {
namespace {

// The list box itself: each name goes where a binary search over the names so far meets an equal one, or
// where it ends.
std::vector<uint32_t> PlayListBox(const SortKeys& keys) {
  std::vector<uint32_t> list;
  for (uint32_t i = 0; i < keys.Size(); ++i) {
    int lo = 0;
    int hi = static_cast<int>(list.size()) - 1;
    int at = -1;
    while (lo <= hi && at < 0) {
      const int mid = (lo + hi) / 2;
      const auto a = keys[list[static_cast<size_t>(mid)]];
      const auto b = keys[i];
      const auto order = std::lexicographical_compare_three_way(a.begin(), a.end(), b.begin(), b.end());
      if (order == 0)
        at = mid;
      else if (order > 0)
        hi = mid - 1;
      else
        lo = mid + 1;
    }
    list.insert(list.begin() + (at < 0 ? lo : at), i);
  }
  return list;
}

SortKeys KeysOf(const std::vector<std::string>& keys) {
  SortKeys out;
  for (const auto& k : keys) out.Add(reinterpret_cast<const uint8_t*>(k.data()), k.size());
  return out;
}

TEST(NameSorterTest, ListBoxOrder_SortsByKeyAndPlacesEqualKeysAsTheListBoxDoes) {
  struct Case {
    std::vector<std::string> keys;
    std::vector<uint32_t> expected;
  };
  const std::vector<Case> cases = {
      {{"m", "b", "ba", "", "z", "a"}, {3, 5, 1, 2, 0, 4}},
      {{"a", "a"}, {1, 0}},          // in front of the equal name it meets
      {{"a", "a", "a"}, {2, 1, 0}},  // the search meets the first of two
      {{"b", "a", "a", "c", "a"}, {2, 4, 1, 0, 3}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ListBoxOrder(KeysOf(c.keys)), c.expected);
    EXPECT_EQ(PlayListBox(KeysOf(c.keys)), c.expected) << "the table itself follows the list box";
  }
}

TEST(NameSorterTest, ListBoxOrder_MatchesTheListBoxOnManyEqualKeys) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 200; ++round) {
    // Few distinct keys among many names, so that most names have equals.
    const int size = 1 + static_cast<int>(random() % 300);
    const int distinct = 1 + static_cast<int>(random() % 12);
    std::vector<std::string> names;
    for (int i = 0; i < size; ++i)
      names.push_back(std::string(1 + random() % 3, static_cast<char>('a' + random() % distinct)));
    ASSERT_EQ(ListBoxOrder(KeysOf(names)), PlayListBox(KeysOf(names))) << "round " << round;
  }
}

}  // namespace
}  // namespace tapstart
