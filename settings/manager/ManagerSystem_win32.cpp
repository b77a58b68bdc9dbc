// What the setting manager and the input box take from the system: message boxes, the ANSI code page, fonts.
#include "ManagerSystem_win32.h"

#include "ui/Resources_win32.h"

namespace tapstart {

int SystemMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
  return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
}

size_t SystemAnsiByteCount(std::u16string_view text) {
  if (text.empty()) return 0;
  const std::wstring wide = Wide(text);
  const int n =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  return n > 0 ? static_cast<size_t>(n) : 0;
}

Font MakeUiFont(UINT heightResource, int fallbackHeight) {
  LOGFONTW lf{};
  lf.lfHeight = LoadRcInt(heightResource, fallbackHeight);
  lf.lfCharSet = DEFAULT_CHARSET;
  // The face field holds 31 characters and the terminating zero.
  const std::wstring face = LoadStr(3002).substr(0, LF_FACESIZE - 1);
  face.copy(lf.lfFaceName, face.size());
  return Font(CreateFontIndirectW(&lf));
}

void SetControlFont(HWND control, const Font& font) {
  if (control != nullptr && font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
}

void FocusControl(HWND dialog, HWND control) {
  if (control != nullptr) SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }
std::u16string Utf16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

}  // namespace tapstart
