// Strings, integers and dialog templates from the program's resources.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tapstart {

// A string of the string table in the thread's UI language; empty when the id is missing.
std::wstring LoadStr(UINT id, HINSTANCE instance = nullptr);
// The first 32-bit integer of an RCDATA resource (the per-language font heights); fallback when missing.
int LoadRcInt(UINT id, int fallback, HINSTANCE instance = nullptr);
// A copy of an extended dialog template whose font is replaced by face at the given point size.
std::vector<BYTE> TemplateWithFont(UINT id, const std::wstring& face, WORD points, HINSTANCE instance = nullptr);

}  // namespace tapstart
