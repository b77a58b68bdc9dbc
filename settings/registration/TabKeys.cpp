// The arrow-key table of the source tabs: first row 0 to 2, second row from 3.
#include "TabKeys.h"

namespace tapstart {
namespace {

TabMove Select(int tab) { return {TabMove::kSelectTab, tab}; }

// Left and right move within the first row and wrap around it.
TabMove AlongFirstRow(int current, ArrowKey key) {
  if (current < 0 || current >= 3) return {};
  return Select(key == ArrowKey::Right ? (current + 1) % 3 : (current + 2) % 3);
}

TabMove Vertical(int tabCount, int current) {
  switch (tabCount) {
    case 4:
      if (current == 0) return Select(3);
      if (current == 1) return Select(2);
      if (current == 3) return Select(0);
      return {};
    case 5:
      if (current == 2 || current < 0 || current > 4) return {};
      return Select((current + 3) % 6);
    case 6:
      if (current < 0 || current > 5) return {};
      return Select((current + 3) % 6);
    default:
      return {};
  }
}

TabMove Horizontal(int tabCount, int current, ArrowKey key) {
  if (tabCount == 6) return {TabMove::kOwnHandling, -1};
  if (tabCount == 5 && current == 3) return Select(4);
  if (tabCount == 5 && current == 4) return Select(3);
  return AlongFirstRow(current, key);
}

}  // namespace

TabMove TabArrowMove(int tabCount, int current, ArrowKey key) {
  if (tabCount < 3 || tabCount > 6) return {};
  const bool vertical = key == ArrowKey::Up || key == ArrowKey::Down;
  if (tabCount == 3 && vertical) return {key == ArrowKey::Down ? TabMove::kFocusOk : TabMove::kFocusCancel, -1};
  return vertical ? Vertical(tabCount, current) : Horizontal(tabCount, current, key);
}

}  // namespace tapstart
