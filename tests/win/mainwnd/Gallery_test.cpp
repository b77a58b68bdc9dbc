// Every picture on a round button of a shown window, as the screen gets it: round caps on the dialog colour,
// no magenta anywhere. With TAPSTART_GALLERY_BMP set, the window's image is written there for review.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "HostWindow_win32.h"
#include "mainwnd/ButtonImage.h"
#include "mainwnd/CRoundButton_win32.h"

namespace tapstart {
namespace {

using test::Canvas;
using test::HostWindow;
using test::Pixels;

constexpr int kColumns = 8;
constexpr int kCellW = 92;
constexpr int kCellH = 100;
constexpr int kMargin = 8;

TEST(RoundButtonGallery, EveryPictureShowsRoundOnTheDialogColour) {
  const int rows = (static_cast<int>(kButtonPictureIds.size()) + kColumns - 1) / kColumns;
  const int width = kColumns * kCellW + 2 * kMargin;
  const int height = rows * kCellH + 2 * kMargin;
  HostWindow host(width, height, true);
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  std::vector<std::unique_ptr<CRoundButton>> buttons;
  std::vector<POINT> places;
  for (size_t i = 0; i < kButtonPictureIds.size(); ++i) {
    const int id = kButtonPictureIds[i];
    const int x = kMargin + static_cast<int>(i % kColumns) * kCellW + (kCellW - 74) / 2;
    const int y = kMargin + static_cast<int>(i / kColumns) * kCellH + 4;
    // Made wider than high, as the templates make them; the button squares itself.
    HWND hwnd = host.AddButton(1000 + id, x, y, 80, 74);
    auto button = std::make_unique<CRoundButton>();
    ASSERT_TRUE(button->Attach(hwnd));
    button->SetBitmapId(id);
    buttons.push_back(std::move(button));
    places.push_back({x, y});
    HWND label = CreateWindowExW(0, L"STATIC", std::to_wstring(id).c_str(), WS_CHILD | WS_VISIBLE | SS_CENTER, x - 8,
                                 y + 78, 90, 14, host.Hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  RedrawWindow(host.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  HostWindow::Pump();

  Canvas shot(width, height, RGB(1, 2, 3));
  {
    WindowDC screen(host.Hwnd());
    BitBlt(shot.Dc(), 0, 0, width, height, screen.Get(), 0, 0, SRCCOPY);
  }
  const Pixels seen = shot.Read();
  if (const char* path = std::getenv("TAPSTART_GALLERY_BMP")) {
    EXPECT_TRUE(shot.SaveBmp(std::wstring(path, path + std::char_traits<char>::length(path))));
  }

  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  int magenta = 0;
  for (COLORREF c : seen.colours) magenta += c == kButtonPictureTransparent ? 1 : 0;
  EXPECT_EQ(magenta, 0);
  for (size_t i = 0; i < kButtonPictureIds.size(); ++i) {
    const Pixels picture = test::PicturePixels(kButtonPictureIds[i]);
    const POINT p = places[i];
    EXPECT_EQ(seen.At(p.x + 37, p.y + 37), picture.At(37, 37)) << kButtonPictureIds[i];
    EXPECT_EQ(seen.At(p.x + 37, p.y + 60), picture.At(37, 60)) << kButtonPictureIds[i];
    // The square's corners and what lies beyond its old width show the dialog, not the button.
    const POINT around[] = {{1, 1}, {72, 1}, {1, 72}, {72, 72}, {77, 37}};
    for (const POINT& a : around) EXPECT_EQ(seen.At(p.x + a.x, p.y + a.y), face) << kButtonPictureIds[i];
  }
}

}  // namespace
}  // namespace tapstart
