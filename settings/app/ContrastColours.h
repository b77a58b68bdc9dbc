// Which colour each element that the program colours itself takes, with the system's high-contrast mode on or off.
#pragma once

#include <cstdint>

namespace tapstart {

// A system colour role, or kFixed for a colour of the program's own.
enum class ColourRole { kFixed, kWindowText, kWindow, kButtonText, kButtonFace, kHighlight, kHighlightText };

struct Paint {
  ColourRole role = ColourRole::kFixed;
  uint32_t fixed = 0;  // COLORREF 0x00BBGGRR, for kFixed only
};

// Text on its background; the background fills the whole control.
struct ElementPaint {
  Paint text;
  Paint background;
};

enum class PaintedElement {
  kButtonLabel,         // the label under a round button
  kFocusedButtonLabel,  // the same while its round button has the focus
  kRegistrationHint,    // the registration dialog's hint line
};

// Without high contrast the program's own look: labels black, the focused one red, on the dialog's face; the
// hint black on light blue. With high contrast only the user's system colours, and the focused label stands out
// as a selection does, since red on the user's background may not be seen.
ElementPaint PaintFor(PaintedElement element, bool highContrast);

}  // namespace tapstart
