// The colours of the elements the program colours itself, with high contrast off and on.
#include <gtest/gtest.h>

#include <utility>

#include "app/ContrastColours.h"

namespace tapstart {
namespace {

using R = ColourRole;
constexpr PaintedElement kElements[] = {PaintedElement::kButtonLabel, PaintedElement::kFocusedButtonLabel,
                                        PaintedElement::kRegistrationHint};

bool operator==(const Paint& a, const Paint& b) {
  return a.role == b.role && (a.role != R::kFixed || a.fixed == b.fixed);
}

TEST(ContrastColoursTest, EachElementsColoursWithHighContrastOffAndOn) {
  struct Case {
    PaintedElement element;
    bool highContrast;
    Paint text, background;
  };
  const Case cases[] = {
      // The program's own look: black labels, the focused one red, on the dialog's face; the hint on light blue.
      {PaintedElement::kButtonLabel, false, {R::kFixed, 0x000000}, {R::kButtonFace}},
      {PaintedElement::kFocusedButtonLabel, false, {R::kFixed, 0x0000FF}, {R::kButtonFace}},
      {PaintedElement::kRegistrationHint, false, {R::kFixed, 0x000000}, {R::kFixed, 0xF9EDD7}},
      // High contrast: system pairs only; the focused label is marked as a selection.
      {PaintedElement::kButtonLabel, true, {R::kButtonText}, {R::kButtonFace}},
      {PaintedElement::kFocusedButtonLabel, true, {R::kHighlightText}, {R::kHighlight}},
      {PaintedElement::kRegistrationHint, true, {R::kWindowText}, {R::kWindow}},
  };
  for (const Case& c : cases) {
    const ElementPaint p = PaintFor(c.element, c.highContrast);
    EXPECT_TRUE(p.text == c.text) << static_cast<int>(c.element) << " " << c.highContrast;
    EXPECT_TRUE(p.background == c.background) << static_cast<int>(c.element) << " " << c.highContrast;
  }
}

// Whatever colours the user's high-contrast scheme holds, text stays readable only on the background the system
// pairs it with; and the focused label must look different from the others in both modes.
TEST(ContrastColoursTest, HighContrastUsesMatchedSystemPairsAndKeepsTheFocusVisible) {
  const std::pair<R, R> pairs[] = {
      {R::kWindowText, R::kWindow}, {R::kButtonText, R::kButtonFace}, {R::kHighlightText, R::kHighlight}};
  for (PaintedElement e : kElements) {
    const ElementPaint p = PaintFor(e, true);
    bool matched = false;
    for (const auto& [text, background] : pairs) matched |= p.text.role == text && p.background.role == background;
    EXPECT_TRUE(matched) << static_cast<int>(e);
  }
  for (bool highContrast : {false, true}) {
    const ElementPaint plain = PaintFor(PaintedElement::kButtonLabel, highContrast);
    const ElementPaint focused = PaintFor(PaintedElement::kFocusedButtonLabel, highContrast);
    EXPECT_FALSE(plain.text == focused.text && plain.background == focused.background) << highContrast;
  }
}

}  // namespace
}  // namespace tapstart
