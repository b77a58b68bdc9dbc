// What the arrow keys do on the registration dialog's source tabs, laid out three to a row.
#pragma once

namespace tapstart {

enum class ArrowKey { Left, Right, Up, Down };

struct TabMove {
  enum Kind {
    kNothing,      // the key has no effect
    kOwnHandling,  // the tab control handles the key itself
    kFocusOk,
    kFocusCancel,
    kSelectTab,  // select tab `tab`, then show its source
  };
  Kind kind = kNothing;
  int tab = -1;
  bool operator==(const TabMove&) const = default;
};

// tabCount: 3 to 6 tabs (other counts do nothing); current: the selected tab's index.
TabMove TabArrowMove(int tabCount, int current, ArrowKey key);

}  // namespace tapstart
