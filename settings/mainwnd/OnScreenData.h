// The on-screen display settings: one set, not per pattern, with its factory defaults and its rules.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/SettingsStore.h"

namespace tapstart {

struct ONSCREEN_DATA {
  uint8_t on = 0;       // 1: show the button's name when a button is pressed
  std::u16string face;  // font family
  uint8_t size = 3;     // 1 Minimum to 5 Maximum
  uint32_t color = 0;   // COLORREF 0x00BBGGRR
  bool operator==(const ONSCREEN_DATA&) const = default;
};

// The machine's factory defaults under "Default\OnScreen" (value names by the profile layout in use).
ONSCREEN_DATA ReadOnScreenDefaults(const SettingsStore& store, const std::u16string& uiFace);
// The preview text of the machine's defaults, or empty.
std::u16string ReadPreviewText(const SettingsStore& store);
// The font list as the reading of the settings asks for it: a face's spelling in the list (nothing when the list
// lacks it, compared as FindFont compares), and the list's first face. The settings program answers the first
// question for one face at a time and makes the whole list only for the second, as enumerating every font of the
// system costs more than all the rest of the main window's start.
struct FontLookup {
  std::function<std::optional<std::u16string>(std::u16string_view face)> find;
  std::function<std::optional<std::u16string>()> first;
};
// The answers of a list that is at hand.
FontLookup LookupIn(std::vector<std::u16string> fontList);

// The user's settings with every fallback to the defaults; fonts must be in the font list.
ONSCREEN_DATA ReadOnScreen(const SettingsStore& store, const ONSCREEN_DATA& defaults, const FontLookup& fonts);
// Writes the four values, in the order OnScreen, FontName, FontSize, Color.
[[nodiscard]] bool SaveOnScreen(SettingsStore& store, const ONSCREEN_DATA& data);
// The preview font height for a work area whose bottom is workAreaBottom (43 when unknown: pass a value <= 0).
int PreviewHeight(int workAreaBottom, int sizeStep);

// One font family as the system enumerates it (the Win32 side fills it from ENUMLOGFONTEX/NEWTEXTMETRICEX).
struct FontFamilyInfo {
  std::u16string face;
  bool trueType = false;
  bool italic = false;
  int32_t weight = 0;
  uint8_t charset = 0;
};
// A family the font list offers: TrueType, upright, of weight 400 or less, in the ANSI (0) or Shift-JIS (128) set,
// and not one of the "@" families that the system sets sideways for vertical writing.
bool IsListedFont(const FontFamilyInfo& font);
// Appends the family's face, trimmed of blanks, when it qualifies and is not listed yet (the system enumerates a
// family once per character set). Keeps the order of enumeration.
void AddToFontList(std::vector<std::u16string>& list, const FontFamilyInfo& font);
// The index of face in the list, compared whole and ignoring letter case as the font combo's exact search does;
// -1 when missing.
int FindFont(const std::vector<std::u16string>& list, std::u16string_view face);

}  // namespace tapstart
