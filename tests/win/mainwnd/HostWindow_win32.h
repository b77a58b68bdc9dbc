// Test scaffolding for the round buttons and the tab control: a host window, pixel canvases, picture pixels.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/Handles_win32.h"

namespace tapstart::test {

// A top-level window with the dialog's background colour that stands in for a page or the main dialog.
// Messages can be watched (and answered) through a hook before the default handling.
class HostWindow {
 public:
  using Hook = std::function<bool(UINT msg, WPARAM w, LPARAM l, LRESULT& result)>;
  HostWindow(int width, int height, bool visible);
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  ~HostWindow();
  HWND Hwnd() const { return hwnd_; }
  void SetHook(Hook hook) { hook_ = std::move(hook); }
  // A plain push button (child id) at the given place in the client area.
  HWND AddButton(int id, int x, int y, int width, int height) const;
  // Dispatches what is queued for this thread.
  static void Pump();

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM w, LPARAM l);
  HWND hwnd_ = nullptr;
  Hook hook_;
};

// Colours as COLORREF (0x00BBGGRR), rows top-down.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> colours;
  COLORREF At(int x, int y) const { return colours[static_cast<size_t>(y) * width + x]; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// A 32-bit memory canvas filled with one colour, to paint into and read back.
class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill);
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas();
  HDC Dc() const { return dc_.Get(); }
  Pixels Read() const;
  // Writes the canvas as a 24-bit BMP file.
  bool SaveBmp(const std::wstring& path) const;

 private:
  int width_;
  int height_;
  MemoryDC dc_;
  Bitmap bitmap_;
  void* bits_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

// The pixels of a bitmap resource of this program, in the thread's language.
Pixels PicturePixels(int bitmapId);

}  // namespace tapstart::test
