// What the setting manager and the input box take from the system: message boxes, the ANSI code page's byte
// count, and their fonts. Message boxes go through a function so that tests can answer them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "ui/Handles_win32.h"

namespace tapstart {

// Shows a message box and returns the button pressed (IDOK, IDCANCEL...).
using MessageBoxFn = std::function<int(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type)>;
int SystemMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type);

// Bytes of the text in the system's ANSI code page, the terminating zero not counted.
size_t SystemAnsiByteCount(std::u16string_view text);

// A font of the UI face (string 3002), DEFAULT_CHARSET, with the height of a per-language RCDATA resource.
Font MakeUiFont(UINT heightResource, int fallbackHeight);

// Sets a font on a control without redrawing it (the dialog is not shown yet).
void SetControlFont(HWND control, const Font& font);

// Moves the focus inside a dialog as the dialog manager does (default button highlight included).
void FocusControl(HWND dialog, HWND control);

std::wstring Wide(std::u16string_view text);
std::u16string Utf16(std::wstring_view text);

}  // namespace tapstart
