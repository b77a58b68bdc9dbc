// The main window's decisions without a window: machine switches, the tab layout, the pattern list, the
// live data and its snapshot, saving, and the messages to the resident button handler.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "mainwnd/OnScreenData.h"
#include "mainwnd/TabLayout.h"
#include "store/SettingsStore.h"
#include "store/Text.h"

namespace tapstart {

// Switches of the machine tree that shape the main window.
struct MachineSettings {
  int32_t qstart = 0;         // notebook labels "Fn + n"
  int32_t imageMode = 0;      // 0, 1 (hover pictures) or 2 (alternate set)
  int32_t notebookCount = 0;  // NTNumAPBtn as adjusted
  int32_t desktopCount = 0;   // DTNumAPBtn as adjusted
  int recordsInUse = 7;
  int32_t showNotebookTab = 0;
  int32_t nr1t2 = 0;
  bool hidePatternControls = false;  // DelSetManager
};
MachineSettings ReadMachineSettings(const SettingsStore& store);

// What SetupTabsForKeyboard does to the tabs and pages.
struct TabPlan {
  TabLayout layout;
  std::vector<int> removeTabs;  // tab indexes to delete, in this order
  int selectTab = 0;            // tab index selected once the tabs are final
  bool desktopOverride = false;
  int desktopCount = 5;  // positions shown on the desktop page
  int wizardLimit = 4;
  int notebookShown = 3;   // positions shown on the notebook page
  bool namedKeys = false;  // desktop labels "MAIL", "INTERNET", ...
};
TabPlan PlanTabs(int32_t keyboardBits, const MachineSettings& machine, int initialTab, const USER_DATA& defaults);

// Key code of a button (1 to 8) for the handler's "press this button" message.
int32_t LaunchButtonKeyCode(int b);

inline constexpr uint32_t kMsgSettingsChanged = 0x538;  // WM_USER + 0x138
inline constexpr uint32_t kMsgLaunchButton = 0x534;     // WM_USER + 0x134

// The window system as the notification needs it: find a window by class, post, send.
class HandlerLink {
 public:
  virtual ~HandlerLink() = default;
  virtual uintptr_t Find(std::u16string_view windowClass) = 0;
  virtual void Post(uintptr_t window, uint32_t msg, uintptr_t w, intptr_t l) = 0;
  virtual void Send(uintptr_t window, uint32_t msg, uintptr_t w, intptr_t l) = 0;
};
// Tells the resident button handler to reload: both windows are looked up first, then the post, then the send.
void NotifyButtonHandler(HandlerLink& link);
// Asks the handler to press button slot n (0-based) after a wizard-only run.
void PressButton(HandlerLink& link, int slot);

// What a save could not write. The one report of a failed save names it; the part that was saved is done.
struct [[nodiscard]] SaveResult {
  bool buttons = true;   // the live set, and the pattern numbers saved with it
  bool onScreen = true;  // the on-screen settings
  bool Ok() const { return buttons && onScreen; }
};
// The string that reports a failed save: what could not be saved. 0 when everything was saved.
uint32_t FailedSaveMessage(const SaveResult& result);

// The settings the main window edits: the live copies, their snapshots and the factory defaults.
class MainModel {
 public:
  explicit MainModel(SettingsStore& store) : store_(store) {}

  SettingsStore& Store() { return store_; }
  MachineSettings machine;
  int32_t currUser = 1;
  int32_t numUser = 1;
  USER_DATA live, saved, defaults;
  ONSCREEN_DATA liveOnScreen, savedOnScreen, defaultOnScreen;
  std::u16string previewText;

  // Loading, after the start-up check: machine switches, pattern numbers, on-screen settings, factory
  // defaults, the current pattern and its snapshot.
  void Load(const std::u16string& uiFace, const FontLookup& fonts);
  // The pattern names for the combos; a count outside 1 to 10 becomes 1, and a current pattern outside
  // 1 to the count becomes 1 with pattern 1 loaded.
  std::vector<std::u16string> PatternNames();

  bool IsChanged() const;
  // Writes CurrUser and NumUser.
  [[nodiscard]] bool SavePatternNumbers();
  // Saves the live set as the current pattern and the on-screen settings (the pattern numbers first when asked),
  // all in one hold of the store. The snapshot of a part follows the live copy only when that part was saved:
  // what could not be saved stays pending, and OK asks about it again.
  [[nodiscard]] SaveResult SaveAll(bool withPatternNumbers = false);
  // Saves the live set alone as the current pattern (a pattern change saves no on-screen settings); its snapshot
  // follows only when it was saved.
  [[nodiscard]] bool SaveLiveSet();
  // OK's preparation: pattern numbers, and the factory defaults where the user has no settings yet.
  [[nodiscard]] bool PrepareOk();
  // Switches to pattern n (1-based): writes it as the current pattern, then loads it into the live copy and the
  // snapshot. False, with nothing changed, when the current pattern could not be written: the program would
  // otherwise show one pattern while the store and the resident handler keep another.
  [[nodiscard]] bool SwitchPattern(int32_t n);
  void LoadPattern(int32_t n);
  // Default(&D) on a button page: every record in use becomes the factory default.
  void RestoreButtonDefaults();
  void RestoreOnScreenDefaults() { liveOnScreen = defaultOnScreen; }
  // The record a wizard-only run stores into for button slot n.
  int WizardRecord(int n) const;
  // Plans the tabs for the keyboard type and the start tab, against the machine switches and factory defaults.
  void PlanTabs(int32_t keyboardBits, int initialTab);
  // After the setting manager wrote the store: the pattern numbers and the current pattern's name read anew, the
  // name with the same default as a set's load (the factory set's name).
  void ReloadAfterManager();
  // The round buttons a right click is tested against on a button page: a count of 0 reads as 5 on the desktop
  // page and as 2 on the notebook page, from then on.
  int RightClickPositions(PageIndex page);

  TabPlan plan;

 private:
  SettingsStore& store_;
};

}  // namespace tapstart
