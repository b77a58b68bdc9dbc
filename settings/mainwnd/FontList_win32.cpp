// Font enumeration for the on-screen page: EnumFontFamiliesEx over the screen, the portable rules decide.
#include "FontList_win32.h"

#include <algorithm>

#include "ui/Handles_win32.h"

namespace tapstart {
namespace {

int CALLBACK CollectFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD fontType, LPARAM param) {
  auto& list = *reinterpret_cast<std::vector<std::u16string>*>(param);
  // With DEFAULT_CHARSET and an empty face, the system passes ENUMLOGFONTEXW records.
  AddToFontList(list, DescribeFont(*reinterpret_cast<const ENUMLOGFONTEXW*>(font), fontType));
  return 1;
}

}  // namespace

FontFamilyInfo DescribeFont(const ENUMLOGFONTEXW& font, DWORD fontType) {
  const LOGFONTW& lf = font.elfLogFont;
  FontFamilyInfo info;
  const wchar_t* face = lf.lfFaceName;
  size_t n = 0;
  while (n < LF_FACESIZE && face[n] != L'\0') ++n;
  info.face.assign(face, face + n);
  info.trueType = (fontType & TRUETYPE_FONTTYPE) != 0;
  info.italic = lf.lfItalic != 0;
  info.weight = lf.lfWeight;
  info.charset = lf.lfCharSet;
  return info;
}

namespace {

// The listed families of one face, or of every face when the face is empty.
std::vector<std::u16string> EnumerateFamilies(std::u16string_view face) {
  std::vector<std::u16string> list;
  WindowDC screen(nullptr);
  if (screen.Get() == nullptr) return list;
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  std::copy(face.begin(), face.end(), wanted.lfFaceName);
  EnumFontFamiliesExW(screen.Get(), &wanted, CollectFamily, reinterpret_cast<LPARAM>(&list), 0);
  return list;
}

}  // namespace

std::vector<std::u16string> EnumerateFontList() { return EnumerateFamilies({}); }

FontLookup ScreenFontLookup() {
  return {[](std::u16string_view face) -> std::optional<std::u16string> {
            // A listed face is never empty and fits a font's face name; the system would take an empty one as
            // every face.
            if (face.empty() || face.size() >= LF_FACESIZE) return std::nullopt;
            // The system matches the family's name in any letter case; the list's own comparison decides.
            return LookupIn(EnumerateFamilies(face)).find(face);
          },
          []() { return LookupIn(EnumerateFontList()).first(); }};
}

}  // namespace tapstart
