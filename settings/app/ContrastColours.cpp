// Colours of the elements the program colours itself.
#include "app/ContrastColours.h"

namespace tapstart {
namespace {

constexpr Paint Fixed(uint32_t colour) { return {ColourRole::kFixed, colour}; }
constexpr Paint Role(ColourRole role) { return {role, 0}; }

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kHintBlue = 0xF9EDD7;  // RGB(215, 237, 249)

}  // namespace

ElementPaint PaintFor(PaintedElement element, bool highContrast) {
  switch (element) {
    case PaintedElement::kButtonLabel:
      if (highContrast) return {Role(ColourRole::kButtonText), Role(ColourRole::kButtonFace)};
      return {Fixed(kBlack), Role(ColourRole::kButtonFace)};
    case PaintedElement::kFocusedButtonLabel:
      if (highContrast) return {Role(ColourRole::kHighlightText), Role(ColourRole::kHighlight)};
      return {Fixed(kRed), Role(ColourRole::kButtonFace)};
    case PaintedElement::kRegistrationHint:
      if (highContrast) return {Role(ColourRole::kWindowText), Role(ColourRole::kWindow)};
      return {Fixed(kBlack), Fixed(kHintBlue)};
  }
  return {Role(ColourRole::kWindowText), Role(ColourRole::kWindow)};
}

}  // namespace tapstart
