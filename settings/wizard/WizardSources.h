// The program sources the wizard offers, what their controls report, and how their radios are packed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "ui/DpiScale.h"

namespace tapstart {

// Source indexes, the same on both source pages; the several-programs page has no IME Changer.
enum WizardSource : int {
  kSourceStartMenu = 0,
  kSourceMediaCenter = 1,
  kSourceFavorites = 2,
  kSourceAllFiles = 3,
  kSourceShortcutKey = 4,
  kSourceImeChanger = 5,
};
inline constexpr int kSingleSourceCount = 6;
inline constexpr int kSeveralSourceCount = 5;
using SingleSources = std::array<bool, kSingleSourceCount>;
using SeveralSources = std::array<bool, kSeveralSourceCount>;

// The sources whose control is a tree (the others are lists, or none for the IME Changer).
constexpr bool IsTreeSource(int source) {
  return source == kSourceStartMenu || source == kSourceFavorites || source == kSourceAllFiles;
}

// The machine's switches under UTLSetting\ProgramGroup; a source is on only when its value is exactly 1.
struct SourceSwitches {
  int32_t mcMenu = 0;
  int32_t ieMenu = 0;
  int32_t ime = 0;
};

// Start Menu, All Files and Shortcut Key always; Media Center and IE Favorites by their switches; the IME
// Changer in the Japanese user interface with its switch, and only when its list gave an entry, since the
// wizard takes that list's first entry without showing it.
SingleSources SingleSourcesOffered(const SourceSwitches& switches, bool japaneseUi, bool imeListLoaded);
// The several-programs page never offers a shortcut key: a key is one button's only function.
SeveralSources SeveralSourcesOffered(const SourceSwitches& switches);

// An item of a source tree as the tree reports it: its path, its text, and the text of the tree's root.
struct TreeSelection {
  std::u16string path;
  std::u16string name;
  std::u16string rootText;
};

// A radio's vertical place on its page, in the page's pixels; the radio keeps its own left and right.
struct RadioBox {
  int top = 0;
  int height = 0;
  bool operator==(const RadioBox&) const = default;
};
inline constexpr int kSourceRadioPitch = 25;
inline constexpr int kSourceRadioHeight = 17;

// The offered radios take the slots 0, 1, 2, ... in source order, so that a missing source leaves no gap;
// a source not offered has no place (its radio is hidden). On the single-program source page slot k lies at
// firstTop - 25 + 25k; on the several-programs page slot 0 is the first radio's own box and slot k at
// its top + 25k. Pitch and height are pixels at 96 DPI, scaled to the page's dpi.
std::array<std::optional<RadioBox>, kSingleSourceCount> PackSingleSourceRadios(int firstTop,
                                                                               const SingleSources& offered,
                                                                               int dpi = kBaseDpi);
std::array<std::optional<RadioBox>, kSeveralSourceCount> PackSeveralSourceRadios(RadioBox first,
                                                                                 const SeveralSources& offered,
                                                                                 int dpi = kBaseDpi);

}  // namespace tapstart
