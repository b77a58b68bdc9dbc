// The choice of a round button's picture from its record, state and the machine's image mode.
#include "ButtonImage.h"

#include "store/UserData.h"

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

}  // namespace tapstart
