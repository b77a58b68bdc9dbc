// The arrow keys on the registration dialog's source tabs, for three to six tabs.
#include <gtest/gtest.h>

#include "registration/TabKeys.h"

namespace tapstart {
namespace {

TabMove Tab(int t) { return {TabMove::kSelectTab, t}; }
const TabMove kNone{};

TEST(TabKeysTest, TabArrowMove_FollowsTheTable) {
  using K = ArrowKey;
  struct Case {
    int count, current;
    ArrowKey key;
    TabMove expected;
  };
  const Case cases[] = {
      {3, 1, K::Down, {TabMove::kFocusOk, -1}},
      {3, 1, K::Up, {TabMove::kFocusCancel, -1}},
      {3, 0, K::Right, Tab(1)},
      {3, 2, K::Right, Tab(0)},
      {3, 0, K::Left, Tab(2)},
      {3, 1, K::Left, Tab(0)},
      {4, 0, K::Down, Tab(3)},
      {4, 1, K::Up, Tab(2)},
      {4, 2, K::Down, kNone},
      {4, 3, K::Up, Tab(0)},
      {4, 2, K::Right, Tab(0)},
      {4, 0, K::Left, Tab(2)},
      {4, 3, K::Right, kNone},
      {4, 3, K::Left, kNone},
      {5, 0, K::Down, Tab(3)},
      {5, 1, K::Up, Tab(4)},
      {5, 2, K::Down, kNone},
      {5, 3, K::Up, Tab(0)},
      {5, 4, K::Down, Tab(1)},
      {5, 1, K::Right, Tab(2)},
      {5, 3, K::Right, Tab(4)},
      {5, 4, K::Right, Tab(3)},
      {5, 3, K::Left, Tab(4)},
      {5, 4, K::Left, Tab(3)},
      {6, 2, K::Down, Tab(5)},
      {6, 5, K::Up, Tab(2)},
      {6, 4, K::Down, Tab(1)},
      {6, 0, K::Right, {TabMove::kOwnHandling, -1}},
      {6, 5, K::Left, {TabMove::kOwnHandling, -1}},
      {2, 0, K::Right, kNone},
      {7, 0, K::Down, kNone},
      {5, 7, K::Up, kNone},
      {3, -1, K::Right, kNone},
  };
  for (const Case& c : cases) {
    const TabMove got = TabArrowMove(c.count, c.current, c.key);
    EXPECT_EQ(got, c.expected) << c.count << " tabs, tab " << c.current << ", key " << static_cast<int>(c.key);
  }
}

}  // namespace
}  // namespace tapstart
