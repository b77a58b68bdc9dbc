// Host window, canvas and picture reading for the round-button and tab-control suites.
#include "HostWindow_win32.h"

#include <cstring>
#include <fstream>

#include "Driver_win32.h"

namespace tapstart::test {
namespace {

constexpr wchar_t kHostClass[] = L"TapstartRoundButtonHost";

void RegisterHostClass(WNDPROC proc) {
  static const bool registered = [proc] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kHostClass;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
}

}  // namespace

HostWindow::HostWindow(int width, int height, bool visible) {
  RegisterHostClass(Proc);
  hwnd_ = CreateWindowExW(0, kHostClass, L"", WS_POPUP | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0), 0, 0, width,
                          height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (visible) {
    UpdateWindow(hwnd_);
    Pump();
  }
}

HostWindow::~HostWindow() {
  if (hwnd_ != nullptr) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

HWND HostWindow::AddButton(int id, int x, int y, int width, int height) const {
  return CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, x, y, width, height,
                         hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void HostWindow::Pump() { test::Pump(); }

LRESULT CALLBACK HostWindow::Proc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(l);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  LRESULT result = 0;
  if (self != nullptr && self->hook_ && self->hook_(msg, w, l, result)) return result;
  return DefWindowProcW(hwnd, msg, w, l);
}

Canvas::Canvas(int width, int height, COLORREF fill) : width_(width), height_(height), dc_(nullptr) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
  old_ = SelectObject(dc_.Get(), bitmap_.Get());
  Brush brush(CreateSolidBrush(fill));
  RECT all{0, 0, width, height};
  FillRect(dc_.Get(), &all, brush.Get());
  GdiFlush();
}

Canvas::~Canvas() {
  if (old_ != nullptr) SelectObject(dc_.Get(), old_);
}

Pixels Canvas::Read() const {
  GdiFlush();
  Pixels p;
  p.width = width_;
  p.height = height_;
  p.colours.resize(static_cast<size_t>(width_) * height_);
  const auto* src = static_cast<const uint32_t*>(bits_);
  for (size_t i = 0; i < p.colours.size(); ++i) {
    const uint32_t v = src[i];  // 0x00RRGGBB in a 32-bit DIB
    p.colours[i] = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
  return p;
}

bool Canvas::SaveBmp(const std::wstring& path) const {
  const Pixels p = Read();
  const int stride = (width_ * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width_;
  info.biHeight = height_;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biSizeImage = static_cast<DWORD>(stride * height_);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + info.biSizeImage;
  std::vector<char> body(info.biSizeImage, 0);
  for (int y = 0; y < height_; ++y) {
    char* row = body.data() + static_cast<size_t>(height_ - 1 - y) * stride;
    for (int x = 0; x < width_; ++x) {
      const COLORREF c = p.At(x, y);
      row[x * 3] = static_cast<char>(GetBValue(c));
      row[x * 3 + 1] = static_cast<char>(GetGValue(c));
      row[x * 3 + 2] = static_cast<char>(GetRValue(c));
    }
  }
  std::ofstream out(path.c_str(), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(body.data(), static_cast<std::streamsize>(body.size()));
  return out.good();
}

Pixels PicturePixels(int bitmapId) {
  Pixels p;
  Bitmap picture(static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!picture) return p;
  BITMAP bm{};
  GetObjectW(picture.Get(), sizeof bm, &bm);
  Canvas canvas(bm.bmWidth, bm.bmHeight, RGB(0, 0, 0));
  MemoryDC source(nullptr);
  {
    ScopedSelect select(source.Get(), picture.Get());
    BitBlt(canvas.Dc(), 0, 0, bm.bmWidth, bm.bmHeight, source.Get(), 0, 0, SRCCOPY);
  }
  return canvas.Read();
}

}  // namespace tapstart::test
