// Which of the pictures 500 to 531 a round button shows for its record, its state and the machine's image mode,
// and which rendering of it for the display's scale.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

#include "res/resource.h"

namespace tapstart {

// A picture is a base by launch method, plus the offset of its set, plus the offset of the button's state.
// Base pictures by launch method:
inline constexpr int kPictureNoProgram = IDB_NO_PROGRAM;
inline constexpr int kPictureAtOnce = IDB_AT_ONCE;          // "P": several programs at the same time
inline constexpr int kPictureInSequence = IDB_IN_SEQUENCE;  // "S": several programs one after another
inline constexpr int kPictureOneProgram = IDB_ONE_PROGRAM;  // "M" one program, "K" a shortcut key
// Sets:
inline constexpr int kFirstSet = 0;
inline constexpr int kAlternateSet = 8;   // image mode 2, and the first two notebook buttons with QSTART 1
inline constexpr int kCaptionedSet = 17;  // image mode 1: pictures with a caption, and hover pictures
// States of a round button:
inline constexpr int kPictureNormal = 0;
inline constexpr int kPictureDialogOpen = 1;  // its registration dialog is open
inline constexpr int kPictureHovered = 8;     // the mouse is over it (image mode 1 only)

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

// Every round-button picture the program carries, ascending: each set's normal and dialog-open pictures and the
// captioned set's hover pictures. The wizard's picture (IDB_WIZARD) lies between the sets.
inline constexpr std::array<int, 28> kButtonPictureIds = [] {
  std::array<int, 28> ids{};
  size_t n = 0;
  for (int set : {kFirstSet, kAlternateSet, kCaptionedSet})
    for (int base : {kPictureNoProgram, kPictureAtOnce, kPictureInSequence, kPictureOneProgram})
      for (int state : {kPictureNormal, kPictureDialogOpen}) ids[n++] = base + set + state;
  for (int base : {kPictureNoProgram, kPictureAtOnce, kPictureInSequence, kPictureOneProgram})
    ids[n++] = base + kCaptionedSet + kPictureHovered;
  // Ascending, as the resource script lists them.
  for (size_t i = 1; i < ids.size(); ++i)
    for (size_t j = i; j > 0 && ids[j - 1] > ids[j]; --j) std::swap(ids[j - 1], ids[j]);
  return ids;
}();

// Each picture is carried drawn at 100%, 150% and 200% of its size (the wizard's too); the larger renderings
// have ids a multiple of 1000 above the picture's own.
struct PictureScale {
  int percent;
  int idOffset;
};
inline constexpr std::array<PictureScale, 3> kPictureScales{{{100, 0}, {150, 1000}, {200, 2000}}};

// The picture id of any rendering at 100%.
constexpr int UnscaledPictureId(int bitmapId) { return bitmapId % 1000; }

// Every rendering of every round-button picture, ascending: kButtonPictureIds at each scale.
inline constexpr std::array<int, kButtonPictureIds.size() * kPictureScales.size()> kButtonPictureRenderingIds = [] {
  std::array<int, kButtonPictureIds.size() * kPictureScales.size()> ids{};
  size_t n = 0;
  for (const PictureScale& scale : kPictureScales)
    for (int id : kButtonPictureIds) ids[n++] = id + scale.idOffset;
  return ids;
}();

// Colour depth of a picture at any scale: the first set is stored with a palette.
constexpr int ButtonPictureBits(int bitmapId) {
  return UnscaledPictureId(bitmapId) < kPictureNoProgram + kAlternateSet ? 8 : 24;
}

// Size of every picture at 100%, and the colour outside its round cap that is never painted.
inline constexpr int kButtonPictureSide = 74;
inline constexpr uint32_t kButtonPictureTransparent = 0x00FF00FF;  // COLORREF of magenta

// The scale pictures are drawn at in a window of dpi: the largest not above dpi / 96, so that a picture never
// outgrows its button, which the dialog manager scales with the DPI. A DPI of 0 or less, which no display
// reports, counts as 96.
int PictureScalePercent(int dpi);
// The rendering of a 100% picture (a round button's, or the wizard's) to show at dpi.
int ScaledPictureId(int bitmapId, int dpi);
// The side of a round-button picture shown at dpi: 74, 111 or 148.
int PictureSide(int dpi);

// Where a round button's picture lies in the button's client square: drawn around the square's centre, it fills
// a circle of PictureSide(dpi), or of the square when the square is smaller. The window region and the hit
// test are this circle.
struct PictureCircle {
  int centre = 0;  // of the square, on both axes
  int radius = 0;
  int left = 0;  // the circle's bounding square, on both axes
  int diameter = 0;
};
PictureCircle PictureCircleIn(int squareSide, int dpi);

}  // namespace tapstart
