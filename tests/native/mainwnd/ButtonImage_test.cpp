// The choice of round-button pictures: launch codes, states, the three picture sets, and the normalised code.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "mainwnd/ButtonImage.h"
#include "res/resource.h"

namespace tapstart {
namespace {

struct CodeCase {
  const char16_t* code;
  int32_t count;
  int expectedId;
  bool becomesM;
};

class PictureOfCodeTest : public testing::TestWithParam<CodeCase> {};

TEST_P(PictureOfCodeTest, BaseFollowsTheLaunchCode) {
  const CodeCase& c = GetParam();
  const ButtonPicture p = ChooseButtonPicture({.code = c.code, .count = c.count});
  EXPECT_EQ(p.bitmapId, c.expectedId);
  EXPECT_EQ(p.codeBecomesM, c.becomesM);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, PictureOfCodeTest,
    testing::Values(CodeCase{u"S", 2, kPictureInSequence, false}, CodeCase{u"s", 2, kPictureInSequence, false},
                    CodeCase{u"P", 3, kPictureAtOnce, false}, CodeCase{u"p", 3, kPictureAtOnce, false},
                    CodeCase{u"M", 1, kPictureOneProgram, false}, CodeCase{u"m", 1, kPictureOneProgram, false},
                    CodeCase{u"K", 1, kPictureOneProgram, false}, CodeCase{u"k", 1, kPictureOneProgram, false},
                    // Any other code shows the no-program picture and becomes "M".
                    CodeCase{u"X", 1, kPictureNoProgram, true}, CodeCase{u"", 1, kPictureNoProgram, true},
                    CodeCase{u"MS", 2, kPictureNoProgram, true}, CodeCase{u" M", 1, kPictureNoProgram, true},
                    CodeCase{u"\uFF2D", 1, kPictureNoProgram, true}, CodeCase{u"0", 1, kPictureNoProgram, true},
                    // No programs: the no-program picture whatever the code says.
                    CodeCase{u"S", 0, kPictureNoProgram, false}, CodeCase{u"M", 0, kPictureNoProgram, false},
                    CodeCase{u"M", -4, kPictureNoProgram, false}, CodeCase{u"Q", 0, kPictureNoProgram, true}));

struct SetCase {
  int32_t imageMode;
  int32_t qstart;
  int record;
  int state;
  const char16_t* code;
  int expectedId;
};

class PictureSetTest : public testing::TestWithParam<SetCase> {};

TEST_P(PictureSetTest, StateAndVariantAddToTheBase) {
  const SetCase& c = GetParam();
  const ButtonPicture p = ChooseButtonPicture(
      {.code = c.code, .count = 1, .state = c.state, .imageMode = c.imageMode, .qstart = c.qstart, .record = c.record});
  EXPECT_EQ(p.bitmapId, c.expectedId) << "mode " << c.imageMode << " qstart " << c.qstart << " record " << c.record
                                      << " state " << c.state;
}

INSTANTIATE_TEST_SUITE_P(
    Sets, PictureSetTest,
    testing::Values(
        // Image mode 0: the first set; the dialog-open state adds 1.
        SetCase{0, 0, 0, 0, u"M", kPictureOneProgram},
        SetCase{0, 0, 4, 1, u"S", kPictureInSequence + kPictureDialogOpen},
        SetCase{0, 0, 7, 1, u"P", kPictureAtOnce + kPictureDialogOpen},
        // Image mode 2: the alternate set for every button.
        SetCase{2, 0, 0, 0, u"M", kPictureOneProgram + kAlternateSet},
        SetCase{2, 0, 5, 1, u"P", kPictureAtOnce + kAlternateSet + kPictureDialogOpen},
        SetCase{2, 1, 7, 0, u"S", kPictureInSequence + kAlternateSet},
        SetCase{2, 1, 6, 1, u"X", kPictureNoProgram + kAlternateSet + kPictureDialogOpen},
        // QSTART 1: notebook records 5 and 6 take the alternate set, record 7 and the desktop do not.
        SetCase{0, 1, 5, 0, u"M", kPictureOneProgram + kAlternateSet},
        SetCase{0, 1, 6, 1, u"S", kPictureInSequence + kAlternateSet + kPictureDialogOpen},
        SetCase{0, 1, 7, 0, u"M", kPictureOneProgram}, SetCase{0, 1, 4, 0, u"M", kPictureOneProgram},
        SetCase{0, 2, 5, 0, u"M", kPictureOneProgram},
        // Image mode 1: the captioned set, with hover pictures.
        SetCase{1, 0, 0, 0, u"M", kPictureOneProgram + kCaptionedSet},
        SetCase{1, 0, 1, 1, u"M", kPictureOneProgram + kCaptionedSet + kPictureDialogOpen},
        SetCase{1, 0, 2, 8, u"M", kPictureOneProgram + kCaptionedSet + kPictureHovered},
        SetCase{1, 0, 3, 8, u"S", kPictureInSequence + kCaptionedSet + kPictureHovered},
        SetCase{1, 0, 5, 8, u"P", kPictureAtOnce + kCaptionedSet + kPictureHovered},
        SetCase{1, 0, 7, 8, u"", kPictureNoProgram + kCaptionedSet + kPictureHovered},
        SetCase{1, 0, 6, 1, u"P", kPictureAtOnce + kCaptionedSet + kPictureDialogOpen},
        SetCase{1, 0, 0, 0, u"X", kPictureNoProgram + kCaptionedSet},
        // QSTART 1 outranks image mode 1 for records 5 and 6.
        SetCase{1, 1, 5, 0, u"M", kPictureOneProgram + kAlternateSet},
        SetCase{1, 1, 7, 0, u"M", kPictureOneProgram + kCaptionedSet},
        // Hover has pictures only in the captioned set; elsewhere, as any unknown state, it shows normal.
        SetCase{0, 0, 0, 8, u"M", kPictureOneProgram}, SetCase{2, 0, 0, 8, u"S", kPictureInSequence + kAlternateSet},
        SetCase{0, 1, 5, 8, u"P", kPictureAtOnce + kAlternateSet},
        SetCase{1, 1, 6, 8, u"M", kPictureOneProgram + kAlternateSet},
        SetCase{1, 0, 0, 2, u"M", kPictureOneProgram + kCaptionedSet}, SetCase{0, 0, 0, -1, u"S", kPictureInSequence},
        // An image mode outside 0 to 2 is the first set.
        SetCase{3, 0, 0, 0, u"M", kPictureOneProgram},
        SetCase{-1, 0, 0, 1, u"M", kPictureOneProgram + kPictureDialogOpen}));

TEST(ButtonPictureTest, EveryChoiceIsACarriedPictureAndEveryPictureIsReached) {
  const std::set<int> carried(kButtonPictureIds.begin(), kButtonPictureIds.end());
  std::set<int> reached;
  const char16_t* codes[] = {u"M", u"m", u"K", u"k", u"S", u"s", u"P", u"p", u"X", u""};
  for (const char16_t* code : codes)
    for (int32_t count : {-1, 0, 1, 5, 6})
      for (int state : {-1, 0, 1, 2, 8, 9})
        for (int32_t mode : {-1, 0, 1, 2, 3})
          for (int32_t qstart : {0, 1, 2})
            for (int record = -1; record <= 8; ++record) {
              const int id = ChooseButtonPicture({.code = code,
                                                  .count = count,
                                                  .state = state,
                                                  .imageMode = mode,
                                                  .qstart = qstart,
                                                  .record = record})
                                 .bitmapId;
              EXPECT_TRUE(carried.count(id) == 1) << id;
              reached.insert(id);
            }
  EXPECT_EQ(reached, carried);
}

TEST(ButtonPictureTest, PictureTableIsAscendingWithPalettesForTheFirstSet) {
  EXPECT_TRUE(std::is_sorted(kButtonPictureIds.begin(), kButtonPictureIds.end()));
  EXPECT_EQ(std::count_if(kButtonPictureIds.begin(), kButtonPictureIds.end(),
                          [](int id) { return ButtonPictureBits(id) == 8; }),
            8);
  EXPECT_EQ(ButtonPictureBits(kPictureOneProgram + kPictureDialogOpen), 8);
  EXPECT_EQ(ButtonPictureBits(kPictureNoProgram + kAlternateSet), 24);
}

struct DpiCase {
  int dpi;
  int percent;
  int side;
  int idOffset;
};

class PictureScaleTest : public testing::TestWithParam<DpiCase> {};

TEST_P(PictureScaleTest, LargestRenderingNotAboveTheScale) {
  const DpiCase& c = GetParam();
  EXPECT_EQ(PictureScalePercent(c.dpi), c.percent) << c.dpi;
  EXPECT_EQ(PictureSide(c.dpi), c.side) << c.dpi;
  EXPECT_EQ(ScaledPictureId(kPictureOneProgram + kCaptionedSet + kPictureHovered, c.dpi),
            kPictureOneProgram + kCaptionedSet + kPictureHovered + c.idOffset)
      << c.dpi;
  EXPECT_EQ(ScaledPictureId(IDB_WIZARD, c.dpi), IDB_WIZARD + c.idOffset) << c.dpi;
}

INSTANTIATE_TEST_SUITE_P(Dpis, PictureScaleTest,
                         testing::Values(DpiCase{96, 100, 74, 0}, DpiCase{120, 100, 74, 0}, DpiCase{143, 100, 74, 0},
                                         DpiCase{144, 150, 111, 1000}, DpiCase{168, 150, 111, 1000},
                                         DpiCase{191, 150, 111, 1000}, DpiCase{192, 200, 148, 2000},
                                         DpiCase{288, 200, 148, 2000}, DpiCase{2147483647, 200, 148, 2000},
                                         // Below 100%, and DPIs no display reports, show the 100% pictures.
                                         DpiCase{72, 100, 74, 0}, DpiCase{1, 100, 74, 0}, DpiCase{0, 100, 74, 0},
                                         DpiCase{-144, 100, 74, 0}, DpiCase{-2147483647 - 1, 100, 74, 0}));

struct CircleCase {
  int square;
  int dpi;
  int centre;
  int left;
  int diameter;
};

class PictureCircleTest : public testing::TestWithParam<CircleCase> {};

TEST_P(PictureCircleTest, PictureSizeCentredAndNeverBeyondTheSquare) {
  const CircleCase& c = GetParam();
  const PictureCircle circle = PictureCircleIn(c.square, c.dpi);
  EXPECT_EQ(circle.centre, c.centre);
  EXPECT_EQ(circle.left, c.left);
  EXPECT_EQ(circle.diameter, c.diameter);
  EXPECT_EQ(circle.radius, (c.diameter + 1) / 2);
}

INSTANTIATE_TEST_SUITE_P(
    Squares, PictureCircleTest,
    testing::Values(
        // The square the picture fills at each scale, and squares a little larger: the circle stays the picture's,
        // starting where the picture is drawn (the centre less half its side).
        CircleCase{74, 96, 37, 0, 74}, CircleCase{75, 96, 37, 0, 74}, CircleCase{80, 96, 40, 3, 74},
        CircleCase{111, 144, 55, 0, 111}, CircleCase{116, 144, 58, 3, 111}, CircleCase{148, 192, 74, 0, 148},
        CircleCase{157, 192, 78, 4, 148}, CircleCase{150, 168, 75, 20, 111},
        // A square smaller than the picture: the circle is the square's.
        CircleCase{110, 144, 55, 0, 110}, CircleCase{73, 96, 36, 0, 73}, CircleCase{1, 288, 0, 0, 1},
        CircleCase{0, 96, 0, 0, 0}, CircleCase{-5, 96, 0, 0, 0}));

}  // namespace
}  // namespace tapstart
