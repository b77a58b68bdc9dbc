// The round button on a real button window: square shape, window region, owner-draw painting, detaching.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "HostWindow_win32.h"
#include "mainwnd/ButtonImage.h"
#include "mainwnd/CRoundButton_win32.h"
#include "res/resource.h"

namespace tapstart {
namespace {

using test::Canvas;
using test::HostWindow;
using test::Pixels;

constexpr COLORREF kSentinel = RGB(1, 2, 3);
constexpr int kButtonId = IDC_DT_BUTTON1;

struct ShapeCase {
  int width;
  int height;
  int side;
  int centre;
  int radius;
};

class ApplyShapeTest : public testing::TestWithParam<ShapeCase> {};

TEST_P(ApplyShapeTest, ClientBecomesSquareAtTheSamePlace) {
  const ShapeCase& c = GetParam();
  HostWindow host(300, 300, false);
  HWND hwnd = host.AddButton(kButtonId, 10, 20, c.width, c.height);
  CRoundButton button;
  ASSERT_TRUE(button.Attach(hwnd));
  RECT client{};
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, c.side);
  EXPECT_EQ(client.bottom, c.side);
  EXPECT_EQ(button.Centre().x, c.centre);
  EXPECT_EQ(button.Centre().y, c.centre);
  EXPECT_EQ(button.Radius(), c.radius);
  RECT place{};
  GetWindowRect(hwnd, &place);
  MapWindowPoints(nullptr, host.Hwnd(), reinterpret_cast<POINT*>(&place), 2);
  EXPECT_EQ(place.left, 10);
  EXPECT_EQ(place.top, 20);
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

// The radius is the picture's circle's: never beyond the square, never beyond the 74-pixel picture at 96 DPI.
INSTANTIATE_TEST_SUITE_P(Sizes, ApplyShapeTest,
                         testing::Values(ShapeCase{80, 74, 74, 37, 37}, ShapeCase{74, 80, 74, 37, 37},
                                         ShapeCase{74, 74, 74, 37, 37}, ShapeCase{75, 90, 75, 37, 37},
                                         ShapeCase{73, 90, 73, 36, 37}, ShapeCase{120, 98, 98, 49, 37},
                                         ShapeCase{5, 1, 1, 0, 1}));

struct RegionCase {
  int shape;
  bool cornersInside;
};

class WindowRegionTest : public testing::TestWithParam<RegionCase> {};

TEST_P(WindowRegionTest, RoundIsAnEllipseAndOtherShapesTheSquare) {
  const RegionCase& c = GetParam();
  HostWindow host(200, 200, false);
  HWND hwnd = host.AddButton(kButtonId, 0, 0, 80, 74);
  CRoundButton button;
  button.SetShape(c.shape);
  ASSERT_TRUE(button.Attach(hwnd));
  Region windowRegion(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(hwnd, windowRegion.Get()), ERROR);
  RECT box{};
  GetRgnBox(windowRegion.Get(), &box);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_LE(box.right, 74);
  EXPECT_LE(box.bottom, 74);
  EXPECT_GE(box.right, 73);
  const POINT corners[] = {{0, 0}, {73, 0}, {0, 73}, {73, 73}, {5, 5}, {68, 68}};
  for (const POINT& p : corners)
    EXPECT_EQ(PtInRegion(windowRegion.Get(), p.x, p.y) != 0, c.cornersInside) << p.x << "," << p.y;
  const POINT inside[] = {{37, 37}, {3, 37}, {37, 3}, {70, 37}, {37, 70}, {20, 20}, {54, 54}};
  for (const POINT& p : inside) EXPECT_TRUE(PtInRegion(windowRegion.Get(), p.x, p.y)) << p.x << "," << p.y;
  EXPECT_FALSE(PtInRegion(windowRegion.Get(), 74, 37));
  EXPECT_FALSE(PtInRegion(windowRegion.Get(), 37, 74));
  ASSERT_NE(button.RegionInUse(), nullptr);
  // The same pixels (the system may split the region into other rectangles).
  Region difference(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(CombineRgn(difference.Get(), button.RegionInUse(), windowRegion.Get(), RGN_XOR), NULLREGION);
}

INSTANTIATE_TEST_SUITE_P(Shapes, WindowRegionTest,
                         testing::Values(RegionCase{1, false}, RegionCase{0, true}, RegionCase{2, true},
                                         RegionCase{-1, true}));

TEST(RoundButton, SetShapeSwitchesTheRegionOfAnAttachedButton) {
  HostWindow host(200, 200, false);
  HWND hwnd = host.AddButton(kButtonId, 0, 0, 74, 74);
  CRoundButton button;
  ASSERT_TRUE(button.Attach(hwnd));
  Region region(CreateRectRgn(0, 0, 0, 0));
  const int shapes[] = {0, 1, 0};
  for (int shape : shapes) {
    button.SetShape(shape);
    ASSERT_NE(GetWindowRgn(hwnd, region.Get()), ERROR);
    EXPECT_EQ(PtInRegion(region.Get(), 0, 0) != 0, shape != 1) << shape;
    EXPECT_TRUE(PtInRegion(region.Get(), 37, 37));
  }
}

struct DpiCase {
  int dpi;
  int pictureSide;  // of the rendering drawn
  int diameter;     // of the circle: the picture's, or the client square's when that is smaller
};

class RoundButtonDpiTest : public testing::TestWithParam<DpiCase> {};

// A button sized as the dialog manager sizes it at 150%: the rendering for the DPI is drawn around the centre,
// and the window region and the right-button hit test are its circle.
TEST_P(RoundButtonDpiTest, RegionHitTestAndPictureFollowTheDpi) {
  const DpiCase& c = GetParam();
  constexpr int kSquare = 116;
  constexpr int kCentre = kSquare / 2;
  HostWindow host(300, 300, false);
  HWND hwnd = host.AddButton(kButtonId, 10, 20, 120, kSquare);
  CRoundButton button;
  ASSERT_TRUE(button.Attach(hwnd));
  button.SetDpi(c.dpi);
  button.SetBitmapId(kPictureOneProgram + kCaptionedSet);

  Region windowRegion(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(hwnd, windowRegion.Get()), ERROR);
  RECT box{};
  GetRgnBox(windowRegion.Get(), &box);
  const int left = kCentre - c.diameter / 2;
  EXPECT_EQ(box.left, left);
  EXPECT_EQ(box.top, left);
  // An elliptic region may end a pixel short of its bounding box.
  EXPECT_GE(box.right, left + c.diameter - 1);
  EXPECT_LE(box.right, left + c.diameter);
  EXPECT_EQ(box.bottom, box.right);
  EXPECT_EQ(button.Radius(), (c.diameter + 1) / 2);

  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  const auto hits = [&](int x, int y, bool rectangular) {
    return button.Hits({origin.x + x, origin.y + y}, rectangular);
  };
  EXPECT_TRUE(hits(kCentre, kCentre, false));
  EXPECT_TRUE(hits(left + 1, kCentre, false));
  EXPECT_TRUE(hits(kCentre, left + c.diameter - 1, false));
  EXPECT_FALSE(hits(left - 1, kCentre, false));
  EXPECT_FALSE(hits(left + 2, left + 2, false));
  EXPECT_TRUE(hits(1, 1, true));

  const Pixels picture = test::PicturePixels(ScaledPictureId(button.BitmapId(), c.dpi));
  ASSERT_EQ(picture.width, c.pictureSide);
  Canvas canvas(kSquare, kSquare, kSentinel);
  SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
  const Pixels painted = canvas.Read();
  const int shift = c.pictureSide / 2 - kCentre;  // where the client's origin lies in the picture
  for (int y = kCentre - 30; y <= kCentre + 30; y += 6)
    EXPECT_EQ(painted.At(kCentre, y), picture.At(kCentre + shift, y + shift)) << y;
}

INSTANTIATE_TEST_SUITE_P(Dpis, RoundButtonDpiTest,
                         testing::Values(DpiCase{96, 74, 74}, DpiCase{144, 111, 111}, DpiCase{192, 148, 116}));

struct PaintCase {
  int width;
  int height;
  int shape;
  int bitmapId;
};

class PaintTest : public testing::TestWithParam<PaintCase> {};

// What the button must leave in a canvas: the picture around the centre, magenta unpainted, and for the
// round shape nothing outside the circle the picture is clipped to.
TEST_P(PaintTest, PicturePixelsReachTheCanvasAndMagentaDoesNot) {
  const PaintCase& c = GetParam();
  HostWindow host(300, 300, false);
  HWND hwnd = host.AddButton(kButtonId, 4, 4, c.width, c.height);
  CRoundButton button;
  button.SetShape(c.shape);
  ASSERT_TRUE(button.Attach(hwnd));
  button.SetBitmapId(c.bitmapId);
  const Pixels picture = test::PicturePixels(c.bitmapId);
  ASSERT_EQ(picture.width, kButtonPictureSide);
  ASSERT_EQ(picture.height, kButtonPictureSide);

  RECT client{};
  GetClientRect(hwnd, &client);
  Canvas canvas(client.right, client.bottom, kSentinel);
  SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
  const Pixels painted = canvas.Read();

  const int r = kButtonPictureSide / 2;
  const int ox = button.Centre().x - r;
  const int oy = button.Centre().y - r;
  Region circle(CreateEllipticRgn(ox, oy, ox + 2 * r, oy + 2 * r));
  int mismatches = 0;
  int paintedCount = 0;
  for (int y = 0; y < painted.height; ++y) {
    for (int x = 0; x < painted.width; ++x) {
      const int px = x - ox;
      const int py = y - oy;
      COLORREF expected = kSentinel;
      const bool clipped = c.shape == 1 && !PtInRegion(circle.Get(), x, y);
      if (picture.Contains(px, py) && picture.At(px, py) != kButtonPictureTransparent && !clipped)
        expected = picture.At(px, py);
      if (painted.At(x, y) != expected) ++mismatches;
      if (painted.At(x, y) != kSentinel) ++paintedCount;
    }
  }
  EXPECT_EQ(mismatches, 0);
  // The cap fills most of the picture: about 4,000 of its 5,476 pixels.
  EXPECT_GT(paintedCount, 3800);
}

INSTANTIATE_TEST_SUITE_P(Pictures, PaintTest,
                         testing::Values(PaintCase{80, 74, 1, kPictureOneProgram},
                                         PaintCase{80, 74, 0, kPictureOneProgram},
                                         PaintCase{74, 74, 1, kPictureNoProgram},
                                         PaintCase{100, 90, 1, kPictureInSequence + kAlternateSet},
                                         PaintCase{100, 90, 0, kPictureOneProgram + kCaptionedSet + kPictureHovered},
                                         PaintCase{74, 80, 1, kPictureNoProgram + kCaptionedSet + kPictureHovered}));

TEST(RoundButton, PaintingLeavesTheCallersClippingAsItWas) {
  HostWindow host(200, 200, false);
  HWND hwnd = host.AddButton(kButtonId, 0, 0, 74, 74);
  CRoundButton button;
  ASSERT_TRUE(button.Attach(hwnd));
  button.SetBitmapId(kPictureAtOnce);
  Canvas canvas(74, 74, kSentinel);
  IntersectClipRect(canvas.Dc(), 10, 10, 60, 60);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.hwndItem = hwnd;
  item.hDC = canvas.Dc();
  item.rcItem = {0, 0, 74, 74};
  button.DrawItem(item);
  Region after(CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(GetClipRgn(canvas.Dc(), after.Get()), 1);
  RECT box{};
  GetRgnBox(after.Get(), &box);
  EXPECT_EQ(box.left, 10);
  EXPECT_EQ(box.top, 10);
  EXPECT_EQ(box.right, 60);
  EXPECT_EQ(box.bottom, 60);
  const Pixels painted = canvas.Read();
  EXPECT_EQ(painted.At(5, 37), kSentinel);
  EXPECT_NE(painted.At(37, 37), kSentinel);
}

TEST(RoundButton, SetBitmapIdRedrawsAtOnce) {
  HostWindow host(200, 200, true);
  HWND hwnd = host.AddButton(kButtonId, 20, 20, 74, 74);
  CRoundButton button;
  ASSERT_TRUE(button.Attach(hwnd));
  HostWindow::Pump();
  // A point on the face below the glyph, where the pictures differ in colour.
  const POINT probe{37, 62};
  const int ids[] = {kPictureOneProgram, kPictureAtOnce, kPictureInSequence, kPictureNoProgram};
  for (int id : ids) {
    button.SetBitmapId(id);
    WindowDC dc(hwnd);
    EXPECT_EQ(GetPixel(dc.Get(), probe.x, probe.y), test::PicturePixels(id).At(probe.x, probe.y)) << id;
  }
}

TEST(RoundButton, KeepsOwnerDrawWhenAPushButtonStyleIsSet) {
  HostWindow host(200, 200, false);
  HWND hwnd = host.AddButton(kButtonId, 0, 0, 74, 74);
  CRoundButton button;
  ASSERT_TRUE(button.Attach(hwnd));
  const WPARAM styles[] = {BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_CHECKBOX};
  for (WPARAM style : styles) {
    SendMessageW(hwnd, BM_SETSTYLE, style, TRUE);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << style;
  }
}

TEST(RoundButton, AttachRefusesWhatItCannotSubclass) {
  HostWindow host(200, 200, false);
  HWND hwnd = host.AddButton(kButtonId, 0, 0, 74, 74);
  CRoundButton nothing;
  EXPECT_FALSE(nothing.Attach(nullptr));
  CRoundButton topLevel;
  EXPECT_FALSE(topLevel.Attach(host.Hwnd()));
  CRoundButton button;
  EXPECT_TRUE(button.Attach(hwnd));
  EXPECT_FALSE(button.Attach(hwnd));
  EXPECT_EQ(button.Hwnd(), hwnd);
}

TEST(RoundButton, DestroyedButtonDetachesAndAGoneObjectPaintsNothing) {
  HostWindow host(200, 200, false);
  {
    HWND hwnd = host.AddButton(kButtonId, 0, 0, 74, 74);
    CRoundButton button;
    ASSERT_TRUE(button.Attach(hwnd));
    DestroyWindow(hwnd);
    EXPECT_EQ(button.Hwnd(), nullptr);
  }
  HWND hwnd = host.AddButton(kButtonId + 1, 0, 0, 74, 74);
  auto button = std::make_unique<CRoundButton>();
  ASSERT_TRUE(button->Attach(hwnd));
  button->SetBitmapId(kPictureOneProgram);
  button.reset();
  // The parent's draw-item request now reaches the default handling, which paints nothing.
  Canvas canvas(74, 74, kSentinel);
  SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
  EXPECT_EQ(canvas.Read().At(37, 37), kSentinel);
}

}  // namespace
}  // namespace tapstart
