// Strings, captions, integers, fonts and dialog templates from the program's resources.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "ui/Handles_win32.h"

namespace tapstart {

// A string table entry through the given LoadStringW (the launcher loads its window system only when it must);
// empty when the id is missing. With a buffer size of 0 the table hands out a pointer into the resource, which
// is not terminated.
template <typename LoadStringFn>
std::wstring LoadTableString(LoadStringFn loadString, HINSTANCE instance, UINT id) {
  const wchar_t* text = nullptr;
  const int n = loadString(instance, id, reinterpret_cast<LPWSTR>(&text), 0);
  return n > 0 && text != nullptr ? std::wstring(text, static_cast<size_t>(n)) : std::wstring();
}

// A string of the string table in the thread's UI language (instance null: the program's own module).
inline std::wstring LoadStr(UINT id, HINSTANCE instance = nullptr) {
  return LoadTableString(LoadStringW, instance != nullptr ? instance : GetModuleHandleW(nullptr), id);
}

// One row of a dialog's caption table: the control and the string it shows.
struct Caption {
  int control;
  UINT text;
};
// Sets every listed control's text from the string table.
void ApplyCaptions(HWND dialog, std::initializer_list<Caption> captions);

// The first 32-bit integer of an RCDATA resource (the per-language font heights); fallback when missing.
int LoadRcInt(UINT id, int fallback, HINSTANCE instance = nullptr);

// A font of a face (cut to the 31 characters a face name holds) with character set DEFAULT_CHARSET and the given
// height, all other fields zero.
Font MakeFont(const std::wstring& face, int height);
// The same with the face from the string table and the height from a per-language RCDATA integer, which gives
// it at 96 DPI: the font is made for dpi.
Font MakeUiFont(UINT faceString, UINT heightResource, int fallbackHeight, int dpi);
// Sets a font on controls of a dialog; redraw only once the dialog is shown (under Wine each redraw costs).
void SetItemFonts(HWND dialog, std::initializer_list<int> controls, HFONT font);

// Changes a dialog template's styles in place, plain or extended: the bits of clearStyle leave its style, the
// bits of addExStyle join its extended style. The template is at least a header long.
void AdjustTemplateStyles(BYTE* dialogTemplate, DWORD clearStyle, DWORD addExStyle);

// A copy of an extended dialog template whose font is replaced by face at the given point size.
std::vector<BYTE> TemplateWithFont(UINT id, const std::wstring& face, WORD points, HINSTANCE instance = nullptr);

}  // namespace tapstart
