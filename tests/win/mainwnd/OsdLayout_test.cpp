// The on-screen page's layout in each language: inside the tab's display area, controls apart, captions whole.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "OsdHost_win32.h"
#include "res/resource.h"
#include "store/Text.h"
#include "ui/Text_win32.h"

namespace tapstart::test {
namespace {

constexpr WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, 0x01);
constexpr WORD kChinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);

constexpr int kControls[] = {IDC_OSD_DEFAULT,    IDC_OSD_DISPLAY, IDC_OSD_FONT_LABEL,   IDC_OSD_FONT,
                             IDC_OSD_SIZE_LABEL, IDC_OSD_SIZE,    IDC_OSD_COLOR_LABEL,  IDC_OSD_SELECT,
                             IDC_OSD_PREVIEW,    IDC_OSD_GROUP,   IDC_OSD_PREVIEW_LABEL};

// A control's rectangle in its parent's client coordinates.
RECT PlaceOf(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool Overlap(const RECT& a, const RECT& b) {
  RECT i{};
  return IntersectRect(&i, &a, &b) != FALSE;
}

// The size of a caption drawn in the control's font on one line, mnemonic marks removed.
SIZE CaptionSize(HWND control, const std::wstring& text) {
  HDC dc = GetDC(control);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, font);
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

std::wstring TextOf(HWND w) {
  wchar_t buffer[256] = {};
  GetWindowTextW(w, buffer, 256);
  return buffer;
}

class OsdLayoutTest : public testing::TestWithParam<WORD> {};

TEST_P(OsdLayoutTest, PageFitsTheTabAndItsControlsStayApart) {
  OsdHost host(HostLanguage{GetParam()});
  RECT area = PlaceOf(host.Tab());
  SendMessageW(host.Tab(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  EXPECT_TRUE(Inside(PlaceOf(host.page.Hwnd()), area));

  RECT page{};
  GetClientRect(host.page.Hwnd(), &page);
  const RECT group = PlaceOf(host.Item(IDC_OSD_GROUP));
  for (int id : kControls) {
    const RECT r = PlaceOf(host.Item(id));
    EXPECT_TRUE(Inside(r, page)) << id;
    if (id != IDC_OSD_GROUP && id != IDC_OSD_DEFAULT) {
      EXPECT_TRUE(Inside(r, group)) << id;
    }
    for (int other : kControls) {
      if (other <= id || id == IDC_OSD_GROUP || other == IDC_OSD_GROUP) continue;
      EXPECT_FALSE(Overlap(r, PlaceOf(host.Item(other)))) << id << " and " << other;
    }
  }
  EXPECT_FALSE(Overlap(PlaceOf(host.Item(IDC_OSD_DEFAULT)), group));
}

TEST_P(OsdLayoutTest, CaptionsAreShownWhole) {
  OsdHost host(HostLanguage{GetParam()});
  // Room the control itself takes beside its caption.
  const int checkBox = GetSystemMetrics(SM_CXMENUCHECK) + 2 * GetSystemMetrics(SM_CXEDGE);
  const int button = 4 * GetSystemMetrics(SM_CXEDGE);
  const std::pair<int, int> captions[] = {
      {IDC_OSD_DEFAULT, button}, {IDC_OSD_DISPLAY, checkBox}, {IDC_OSD_FONT_LABEL, 0},   {IDC_OSD_SIZE_LABEL, 0},
      {IDC_OSD_COLOR_LABEL, 0},  {IDC_OSD_SELECT, button},    {IDC_OSD_PREVIEW_LABEL, 0}};
  for (const auto& [id, margin] : captions) {
    HWND control = host.Item(id);
    const std::wstring text = TextOf(control);
    ASSERT_FALSE(text.empty()) << id;
    RECT client{};
    GetClientRect(control, &client);
    const SIZE caption = CaptionSize(control, text);
    EXPECT_LE(caption.cx + margin, client.right) << id << " " << ToUtf8(Utf16(text));
    EXPECT_LE(caption.cy, client.bottom) << id << " " << ToUtf8(Utf16(text));
  }
  // The size steps fit their combo beside its arrow.
  HWND size = host.Item(IDC_OSD_SIZE);
  RECT client{};
  GetClientRect(size, &client);
  for (UINT id = IDS_SIZE_MINIMUM; id <= IDS_SIZE_MAXIMUM; ++id) {
    const std::wstring text = StringIn(GetParam(), id);
    EXPECT_LE(CaptionSize(size, text).cx + GetSystemMetrics(SM_CXVSCROLL) + 8, client.right) << ToUtf8(Utf16(text));
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, OsdLayoutTest, testing::Values(kEnglish, kJapanese, kChinese),
                         [](const testing::TestParamInfo<WORD>& i) {
                           return std::string(i.param == kEnglish ? "English"
                                                                  : (i.param == kJapanese ? "Japanese" : "Chinese"));
                         });

}  // namespace
}  // namespace tapstart::test
