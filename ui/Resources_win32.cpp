// Resource loading: string table entries, RCDATA integers and dialog templates with their font replaced.
#include "Resources_win32.h"

#include <cstring>

#include "ui/DpiScale.h"

namespace tapstart {
namespace {

HINSTANCE Module(HINSTANCE instance) { return instance != nullptr ? instance : GetModuleHandleW(nullptr); }

// Skips a "sz_Or_Ord" field of a dialog template: 0, 0xFFFF and an ordinal, or a zero-terminated text.
size_t SkipSzOrOrd(const BYTE* p, size_t at, size_t size) {
  if (at + 2 > size) return size;
  WORD first;
  std::memcpy(&first, p + at, 2);
  if (first == 0) return at + 2;
  if (first == 0xFFFF) return at + 4;
  while (at + 2 <= size) {
    WORD c;
    std::memcpy(&c, p + at, 2);
    at += 2;
    if (c == 0) break;
  }
  return at;
}

}  // namespace

void ApplyCaptions(HWND dialog, std::initializer_list<Caption> captions) {
  for (const Caption& c : captions) SetDlgItemTextW(dialog, c.control, LoadStr(c.text).c_str());
}

Font MakeFont(const std::wstring& face, int height) {
  LOGFONTW lf{};
  lf.lfHeight = height;
  lf.lfCharSet = DEFAULT_CHARSET;
  face.copy(lf.lfFaceName, LF_FACESIZE - 1);
  return Font(CreateFontIndirectW(&lf));
}

Font MakeUiFont(UINT faceString, UINT heightResource, int fallbackHeight, int dpi) {
  return MakeFont(LoadStr(faceString), ScaleToDpi(LoadRcInt(heightResource, fallbackHeight), dpi));
}

void SetItemFonts(HWND dialog, std::initializer_list<int> controls, HFONT font) {
  const BOOL redraw = IsWindowVisible(dialog);
  for (int id : controls) SendDlgItemMessageW(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

int LoadRcInt(UINT id, int fallback, HINSTANCE instance) {
  const HINSTANCE m = Module(instance);
  HRSRC r = FindResourceW(m, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (r == nullptr || SizeofResource(m, r) < 4) return fallback;
  HGLOBAL g = LoadResource(m, r);
  const void* p = g != nullptr ? LockResource(g) : nullptr;
  if (p == nullptr) return fallback;
  int v;
  std::memcpy(&v, p, 4);
  return v;
}

void AdjustTemplateStyles(BYTE* dialogTemplate, DWORD clearStyle, DWORD addExStyle) {
  WORD signature = 0;
  std::memcpy(&signature, dialogTemplate + 2, sizeof signature);
  // An extended template: version, signature, help id, extended style, style; a plain one: style, extended style.
  const bool extended = signature == 0xFFFF;
  BYTE* const styleAt = dialogTemplate + (extended ? 12 : 0);
  BYTE* const exStyleAt = dialogTemplate + (extended ? 8 : 4);
  DWORD style = 0;
  DWORD exStyle = 0;
  std::memcpy(&style, styleAt, sizeof style);
  std::memcpy(&exStyle, exStyleAt, sizeof exStyle);
  style &= ~clearStyle;
  exStyle |= addExStyle;
  std::memcpy(styleAt, &style, sizeof style);
  std::memcpy(exStyleAt, &exStyle, sizeof exStyle);
}

std::vector<BYTE> TemplateWithFont(UINT id, const std::wstring& face, WORD points, HINSTANCE instance) {
  const HINSTANCE m = Module(instance);
  HRSRC r = FindResourceW(m, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));  // RT_DIALOG
  if (r == nullptr) return {};
  HGLOBAL g = LoadResource(m, r);
  const auto* p = static_cast<const BYTE*>(g != nullptr ? LockResource(g) : nullptr);
  const size_t size = SizeofResource(m, r);
  if (p == nullptr || size < 26) return {};
  std::vector<BYTE> copy(p, p + size);
  WORD ver, sig;
  std::memcpy(&ver, p, 2);
  std::memcpy(&sig, p + 2, 2);
  if (ver != 1 || sig != 0xFFFF) return copy;  // only extended templates carry a replaceable font here
  DWORD style;
  std::memcpy(&style, p + 12, 4);
  if ((style & DS_SETFONT) == 0) return copy;
  size_t at = 26;                 // after the fixed header of DLGTEMPLATEEX
  at = SkipSzOrOrd(p, at, size);  // menu
  at = SkipSzOrOrd(p, at, size);  // class
  at = SkipSzOrOrd(p, at, size);  // title
  const size_t fontAt = at;
  at += 6;                        // point size, weight, italic, charset
  at = SkipSzOrOrd(p, at, size);  // face
  const size_t itemsAt = (at + 3) & ~size_t{3};
  if (itemsAt > size) return copy;

  std::vector<BYTE> out(p, p + fontAt);
  out.push_back(static_cast<BYTE>(points & 0xFF));
  out.push_back(static_cast<BYTE>(points >> 8));
  out.insert(out.end(), p + fontAt + 2, p + fontAt + 6);  // weight, italic, charset as the template has them
  for (wchar_t c : face) {
    out.push_back(static_cast<BYTE>(c & 0xFF));
    out.push_back(static_cast<BYTE>(c >> 8));
  }
  out.insert(out.end(), {0, 0});
  while (out.size() % 4 != 0) out.push_back(0);
  out.insert(out.end(), p + itemsAt, p + size);
  return out;
}

}  // namespace tapstart
