// The round-button pictures as the linker put them into the program: every id at every scale in every language,
// their size, depth and transparent surround; and the wizard's picture at every scale.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

#include "mainwnd/ButtonImage.h"
#include "res/resource.h"

namespace tapstart {
namespace {

constexpr WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
constexpr WORD kChinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
constexpr WORD kLanguages[] = {kEnglish, kJapanese, kChinese};

// One picture decoded from its resource: header and colours (COLORREF, top-down).
struct Picture {
  BITMAPINFOHEADER header{};
  std::vector<COLORREF> colours;
  COLORREF At(int x, int y) const { return colours[static_cast<size_t>(y) * header.biWidth + x]; }
};

std::optional<Picture> PictureIn(WORD lang, int id) {
  const HMODULE m = GetModuleHandleW(nullptr);
  HRSRC r = FindResourceExW(m, RT_BITMAP, MAKEINTRESOURCEW(id), lang);
  // A picture without a caption is carried once, language-neutral, as the loader finds it in every language.
  if (r == nullptr) r = FindResourceExW(m, RT_BITMAP, MAKEINTRESOURCEW(id), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
  if (r == nullptr) return std::nullopt;
  const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(m, r)));
  const DWORD size = SizeofResource(m, r);
  Picture p;
  if (data == nullptr || size < sizeof p.header) return std::nullopt;
  std::memcpy(&p.header, data, sizeof p.header);
  const int w = p.header.biWidth;
  const int h = std::abs(p.header.biHeight);
  const int bits = p.header.biBitCount;
  if (w <= 0 || h <= 0 || (bits != 8 && bits != 24) || p.header.biCompression != BI_RGB) return p;
  const DWORD paletteEntries = bits == 8 ? (p.header.biClrUsed != 0 ? p.header.biClrUsed : 256) : 0;
  const BYTE* palette = data + p.header.biSize;
  const BYTE* pixels = palette + paletteEntries * 4;
  const size_t stride = (static_cast<size_t>(w) * bits / 8 + 3) & ~static_cast<size_t>(3);
  if (pixels + stride * h > data + size) return p;
  for (int y = 0; y < h; ++y) {
    const BYTE* row = pixels + stride * (p.header.biHeight > 0 ? h - 1 - y : y);
    for (int x = 0; x < w; ++x) {
      const BYTE* c = bits == 8 ? palette + 4 * row[x] : row + 3 * x;
      p.colours.push_back(RGB(c[2], c[1], c[0]));
    }
  }
  return p;
}

// The side of a round-button picture's rendering, from its id.
int SideOf(int renderingId) {
  for (const PictureScale& scale : kPictureScales)
    if (renderingId - scale.idOffset == UnscaledPictureId(renderingId)) return kButtonPictureSide * scale.percent / 100;
  return 0;
}

TEST(ButtonPictures, EveryPictureIsInEveryLanguageAtItsSizeAndDepth) {
  ASSERT_EQ(SideOf(kPictureNoProgram), 74);
  ASSERT_EQ(SideOf(kPictureNoProgram + 1000), 111);
  ASSERT_EQ(SideOf(kPictureNoProgram + 2000), 148);
  for (int id : kButtonPictureRenderingIds) {
    const int side = SideOf(id);
    for (WORD lang : kLanguages) {
      const std::optional<Picture> p = PictureIn(lang, id);
      ASSERT_TRUE(p.has_value()) << id << " in " << lang;
      EXPECT_EQ(p->header.biWidth, side) << id;
      EXPECT_EQ(std::abs(p->header.biHeight), side) << id;
      EXPECT_EQ(p->header.biBitCount, ButtonPictureBits(id)) << id;
      EXPECT_EQ(p->colours.size(), static_cast<size_t>(side * side)) << id;
    }
  }
}

TEST(ButtonPictures, WizardPictureIsInEveryLanguageAtEveryScale) {
  for (const PictureScale& scale : kPictureScales) {
    for (WORD lang : kLanguages) {
      const std::optional<Picture> p = PictureIn(lang, IDB_WIZARD + scale.idOffset);
      ASSERT_TRUE(p.has_value()) << scale.percent << " in " << lang;
      EXPECT_EQ(p->header.biWidth, 164 * scale.percent / 100);
      EXPECT_EQ(std::abs(p->header.biHeight), 314 * scale.percent / 100);
    }
  }
}

TEST(ButtonPictures, CapIsSolidAndEverythingOutsideItIsMagenta) {
  for (int id : kButtonPictureRenderingIds) {
    const int side = SideOf(id);
    const double c = side / 2.0;
    for (WORD lang : kLanguages) {
      const std::optional<Picture> p = PictureIn(lang, id);
      ASSERT_TRUE(p.has_value() && !p->colours.empty()) << id;
      int wrong = 0;
      for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
          const double d = std::hypot(x + 0.5 - c, y + 0.5 - c);
          const bool magenta = p->At(x, y) == kButtonPictureTransparent;
          // Beyond the radius nothing is painted; well inside it no pixel is transparent.
          if (d > c && !magenta) ++wrong;
          if (d < c - 4 && magenta) ++wrong;
        }
      }
      EXPECT_EQ(wrong, 0) << id << " in " << lang;
    }
  }
}

TEST(ButtonPictures, CaptionedPicturesDifferPerLanguage) {
  // The dialog-open pictures carry a caption in the UI language, and so does the whole image-mode-1 set.
  for (int id : kButtonPictureRenderingIds) {
    const bool captioned = UnscaledPictureId(id) >= kPictureNoProgram + kCaptionedSet || id % 2 == 1;
    if (!captioned) continue;
    const std::optional<Picture> en = PictureIn(kEnglish, id);
    const std::optional<Picture> ja = PictureIn(kJapanese, id);
    const std::optional<Picture> zh = PictureIn(kChinese, id);
    ASSERT_TRUE(en && ja && zh) << id;
    EXPECT_NE(en->colours, ja->colours) << id;
    EXPECT_NE(en->colours, zh->colours) << id;
    EXPECT_NE(ja->colours, zh->colours) << id;
  }
}

TEST(ButtonPictures, NoPictureBeyondTheCarriedSet) {
  const int absent[] = {kPictureNoProgram - 1, kPictureAtOnce + kCaptionedSet + kPictureHovered - 1,
                        kPictureInSequence + kCaptionedSet + kPictureHovered - 1,
                        kPictureOneProgram + kCaptionedSet + kPictureHovered - 1,
                        kPictureOneProgram + kCaptionedSet + kPictureHovered + 1};
  for (const PictureScale& scale : kPictureScales)
    for (int id : absent)
      for (WORD lang : kLanguages) EXPECT_FALSE(PictureIn(lang, id + scale.idOffset).has_value()) << id;
}

}  // namespace
}  // namespace tapstart
