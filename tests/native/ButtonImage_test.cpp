// The choice of round-button pictures: launch codes, states, the three picture sets, and the normalised code.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "mainwnd/ButtonImage.h"

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

INSTANTIATE_TEST_SUITE_P(Codes, PictureOfCodeTest,
                         testing::Values(CodeCase{u"S", 2, 504, false}, CodeCase{u"s", 2, 504, false},
                                         CodeCase{u"P", 3, 502, false}, CodeCase{u"p", 3, 502, false},
                                         CodeCase{u"M", 1, 506, false}, CodeCase{u"m", 1, 506, false},
                                         CodeCase{u"K", 1, 506, false}, CodeCase{u"k", 1, 506, false},
                                         // Any other code shows the no-program picture and becomes "M".
                                         CodeCase{u"X", 1, 500, true}, CodeCase{u"", 1, 500, true},
                                         CodeCase{u"MS", 2, 500, true}, CodeCase{u" M", 1, 500, true},
                                         CodeCase{u"\uFF2D", 1, 500, true}, CodeCase{u"0", 1, 500, true},
                                         // No programs: the no-program picture whatever the code says.
                                         CodeCase{u"S", 0, 500, false}, CodeCase{u"M", 0, 500, false},
                                         CodeCase{u"M", -4, 500, false}, CodeCase{u"Q", 0, 500, true}));

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
        SetCase{0, 0, 0, 0, u"M", 506}, SetCase{0, 0, 4, 1, u"S", 505}, SetCase{0, 0, 7, 1, u"P", 503},
        // Image mode 2: the alternate set for every button.
        SetCase{2, 0, 0, 0, u"M", 514}, SetCase{2, 0, 5, 1, u"P", 511}, SetCase{2, 1, 7, 0, u"S", 512},
        SetCase{2, 1, 6, 1, u"X", 509},
        // QSTART 1: notebook records 5 and 6 take the alternate set, record 7 and the desktop do not.
        SetCase{0, 1, 5, 0, u"M", 514}, SetCase{0, 1, 6, 1, u"S", 513}, SetCase{0, 1, 7, 0, u"M", 506},
        SetCase{0, 1, 4, 0, u"M", 506}, SetCase{0, 2, 5, 0, u"M", 506},
        // Image mode 1: the captioned set, with hover pictures.
        SetCase{1, 0, 0, 0, u"M", 523}, SetCase{1, 0, 1, 1, u"M", 524}, SetCase{1, 0, 2, 8, u"M", 531},
        SetCase{1, 0, 3, 8, u"S", 529}, SetCase{1, 0, 5, 8, u"P", 527}, SetCase{1, 0, 7, 8, u"", 525},
        SetCase{1, 0, 6, 1, u"P", 520}, SetCase{1, 0, 0, 0, u"X", 517},
        // QSTART 1 outranks image mode 1 for records 5 and 6.
        SetCase{1, 1, 5, 0, u"M", 514}, SetCase{1, 1, 7, 0, u"M", 523},
        // Hover has pictures only in the captioned set; elsewhere, as any unknown state, it shows normal.
        SetCase{0, 0, 0, 8, u"M", 506}, SetCase{2, 0, 0, 8, u"S", 512}, SetCase{0, 1, 5, 8, u"P", 510},
        SetCase{1, 1, 6, 8, u"M", 514}, SetCase{1, 0, 0, 2, u"M", 523}, SetCase{0, 0, 0, -1, u"S", 504},
        // An image mode outside 0 to 2 is the first set.
        SetCase{3, 0, 0, 0, u"M", 506}, SetCase{-1, 0, 0, 1, u"M", 507}));

TEST(ButtonPictureTest, EveryChoiceIsACarriedPictureAndAllButTheSpareAreReached) {
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
  std::set<int> expected = carried;
  expected.erase(516);
  EXPECT_EQ(reached, expected);
}

TEST(ButtonPictureTest, PictureTableIsAscendingWithPalettesForTheFirstSet) {
  EXPECT_TRUE(std::is_sorted(kButtonPictureIds.begin(), kButtonPictureIds.end()));
  EXPECT_EQ(std::count_if(kButtonPictureIds.begin(), kButtonPictureIds.end(),
                          [](int id) { return ButtonPictureBits(id) == 8; }),
            8);
  EXPECT_EQ(ButtonPictureBits(507), 8);
  EXPECT_EQ(ButtonPictureBits(508), 24);
}

}  // namespace
}  // namespace tapstart
