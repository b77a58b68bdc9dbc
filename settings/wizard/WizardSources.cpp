// Which sources the wizard offers and where their radios go.
#include "wizard/WizardSources.h"

namespace tapstart {
namespace {

// Gives each offered radio the box of the next free slot.
template <size_t N, typename SlotBox>
std::array<std::optional<RadioBox>, N> Pack(const std::array<bool, N>& offered, SlotBox slotBox) {
  std::array<std::optional<RadioBox>, N> placed{};
  int slot = 0;
  for (size_t i = 0; i < N; ++i)
    if (offered[i]) placed[i] = slotBox(slot++);
  return placed;
}

}  // namespace

SingleSources SingleSourcesOffered(const SourceSwitches& switches, bool japaneseUi, bool imeListLoaded) {
  SingleSources offered{};
  offered[kSourceStartMenu] = true;
  offered[kSourceMediaCenter] = switches.mcMenu == 1;
  offered[kSourceFavorites] = switches.ieMenu == 1;
  offered[kSourceAllFiles] = true;
  offered[kSourceShortcutKey] = true;
  offered[kSourceImeChanger] = japaneseUi && switches.ime == 1 && imeListLoaded;
  return offered;
}

SeveralSources SeveralSourcesOffered(const SourceSwitches& switches) {
  SeveralSources offered{};
  offered[kSourceStartMenu] = true;
  offered[kSourceMediaCenter] = switches.mcMenu == 1;
  offered[kSourceFavorites] = switches.ieMenu == 1;
  offered[kSourceAllFiles] = true;
  offered[kSourceShortcutKey] = false;
  return offered;
}

std::array<std::optional<RadioBox>, kSingleSourceCount> PackSingleSourceRadios(int firstTop,
                                                                               const SingleSources& offered, int dpi) {
  const int pitch = ScaleToDpi(kSourceRadioPitch, dpi);
  const int height = ScaleToDpi(kSourceRadioHeight, dpi);
  return Pack(offered, [=](int slot) { return RadioBox{firstTop - pitch + pitch * slot, height}; });
}

std::array<std::optional<RadioBox>, kSeveralSourceCount> PackSeveralSourceRadios(RadioBox first,
                                                                                 const SeveralSources& offered,
                                                                                 int dpi) {
  const int pitch = ScaleToDpi(kSourceRadioPitch, dpi);
  const int height = ScaleToDpi(kSourceRadioHeight, dpi);
  return Pack(offered, [=](int slot) { return slot == 0 ? first : RadioBox{first.top + pitch * slot, height}; });
}

}  // namespace tapstart
