// Which of the pictures 500 to 531 a round button shows for its record, its state and the machine's image mode.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tapstart {

// Picture states of a round button: the offset each adds to the base picture.
enum ButtonPictureState : int {
  kPictureNormal = 0,
  kPictureDialogOpen = 1,  // its registration dialog is open
  kPictureHovered = 8,     // the mouse is over it (image mode 1 only)
};

// Base pictures by launch method; the other sets are these plus 8 (alternate set) or 17 (image mode 1).
enum ButtonPictureBase : int {
  kPictureNoProgram = 500,
  kPictureAtOnce = 502,      // "P": several programs at the same time
  kPictureInSequence = 504,  // "S": several programs one after another
  kPictureOneProgram = 506,  // "M" one program, "K" a shortcut key
};

struct ButtonPictureRequest {
  std::u16string_view code;  // the record's launch code
  int32_t count = 0;         // the record's program count
  int state = kPictureNormal;
  int32_t imageMode = 0;  // BtnImage after loading: 0, 1 or 2
  int32_t qstart = 0;     // QSTART
  int record = 0;         // 0 to 4 desktop buttons, 5 to 7 notebook buttons
};

struct ButtonPicture {
  int bitmapId = kPictureNoProgram;
  // The launch code is none of the eight known letters: the owner sets it to "M" in the live record and in
  // the snapshot, which therefore does not count as a change.
  bool codeBecomesM = false;
};

// Base by launch code (a record without programs shows the no-program picture), plus the state, plus the
// variant: image mode 2 takes the alternate set for every button; otherwise notebook records 5 and 6 take it
// when QSTART is 1; otherwise image mode 1 takes the captioned set. Only the captioned set has hover
// pictures, so a hover state elsewhere shows the normal picture, and an unknown state counts as normal.
ButtonPicture ChooseButtonPicture(const ButtonPictureRequest& request);

// Every picture the program carries, ascending. 516, the alternate set's hovered no-program picture, is
// carried for completeness although no rule above chooses it.
inline constexpr std::array<int, 29> kButtonPictureIds = {500, 501, 502, 503, 504, 505, 506, 507, 508, 509,
                                                          510, 511, 512, 513, 514, 515, 516, 517, 518, 519,
                                                          520, 521, 522, 523, 524, 525, 527, 529, 531};

// Colour depth of a picture: the first set is stored with a palette.
constexpr int ButtonPictureBits(int bitmapId) { return bitmapId <= 507 ? 8 : 24; }

// Size of every picture, and the colour outside its round cap that is never painted.
inline constexpr int kButtonPictureSide = 74;
inline constexpr uint32_t kButtonPictureTransparent = 0x00FF00FF;  // COLORREF of magenta

}  // namespace tapstart
