// The choice of a round button's picture from its record, state and the machine's image mode, and of its
// rendering and circle from the display's scale.
#include "ButtonImage.h"

#include <algorithm>
#include <cstdint>

#include "store/UserData.h"
#include "ui/DpiScale.h"

namespace tapstart {
namespace {

// The base picture of a launch code; 0 for a code that is none of the eight letters.
int BaseOfCode(std::u16string_view code) {
  switch (ReadLaunchCode(code)) {
    case LaunchCode::kSequential:
      return kPictureInSequence;
    case LaunchCode::kSimultaneous:
      return kPictureAtOnce;
    case LaunchCode::kSingle:
    case LaunchCode::kKey:
      return kPictureOneProgram;
    default:
      return 0;
  }
}

const PictureScale& ScaleFor(int dpi) {
  if (dpi <= 0) dpi = kBaseDpi;
  // percent / 100 <= dpi / 96, in integers wide enough for any DPI.
  const PictureScale* chosen = &kPictureScales.front();
  for (const PictureScale& scale : kPictureScales)
    if (int64_t{scale.percent} * kBaseDpi <= int64_t{dpi} * 100) chosen = &scale;
  return *chosen;
}

}  // namespace

ButtonPicture ChooseButtonPicture(const ButtonPictureRequest& request) {
  ButtonPicture picture;
  int base = BaseOfCode(request.code);
  if (base == 0) {
    picture.codeBecomesM = true;
    base = kPictureNoProgram;
  }
  if (request.count <= 0) base = kPictureNoProgram;

  // The alternate set is the machine's choice, and always the set of the notebook's first two buttons when
  // they are labelled "Fn + n".
  const bool fnLabelled = (request.record == 5 || request.record == 6) && request.qstart == 1;
  int variant = 0;
  if (request.imageMode == 2 || fnLabelled) {
    variant = kAlternateSet;
  } else if (request.imageMode == 1) {
    variant = kCaptionedSet;
  }

  int state = kPictureNormal;
  if (request.state == kPictureDialogOpen) {
    state = kPictureDialogOpen;
  } else if (request.state == kPictureHovered && variant == kCaptionedSet) {
    state = kPictureHovered;
  }
  picture.bitmapId = base + variant + state;
  return picture;
}

int PictureScalePercent(int dpi) { return ScaleFor(dpi).percent; }

int ScaledPictureId(int bitmapId, int dpi) { return bitmapId + ScaleFor(dpi).idOffset; }

int PictureSide(int dpi) { return kButtonPictureSide * ScaleFor(dpi).percent / 100; }

PictureCircle PictureCircleIn(int squareSide, int dpi) {
  PictureCircle c;
  const int side = std::max(0, squareSide);
  c.diameter = std::min(side, PictureSide(dpi));
  c.centre = side / 2;
  // The picture is drawn from the centre less half its side (rounded down), so the circle starts there too.
  c.left = c.centre - c.diameter / 2;
  c.radius = (c.diameter + 1) / 2;
  return c;
}

}  // namespace tapstart
