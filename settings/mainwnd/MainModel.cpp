// Decisions of the main window, kept apart from its controls.
#include "mainwnd/MainModel.h"

#include "mainwnd/DefaultTable.h"
#include "res/resource.h"
#include "store/Text.h"

namespace tapstart {

MachineSettings ReadMachineSettings(const SettingsStore& store) {
  MachineSettings m;
  m.qstart = store.GetRegDword(Hive::LocalMachine, kProductKey, u"QSTART", 0);
  const int32_t image = store.GetRegDword(Hive::LocalMachine, kProductKey, u"BtnImage", 0);
  m.imageMode = image != 2 && m.qstart >= 1 ? 0 : image;
  const int32_t nt = store.GetRegDword(Hive::LocalMachine, kProductKey, u"NTNumAPBtn", 0);
  if (nt > 3) {
    m.notebookCount = 2;
    m.recordsInUse = 7;
  } else if (nt >= 1) {
    m.notebookCount = nt;
    m.recordsInUse = 5 + nt;
  } else {
    m.notebookCount = nt;
    m.recordsInUse = 7;
  }
  const int32_t dt = store.GetRegDword(Hive::LocalMachine, kProductKey, u"DTNumAPBtn", 0);
  m.desktopCount = dt >= 6 ? 4 : dt;
  m.showNotebookTab = store.GetRegDword(Hive::LocalMachine, kUtlSettingKey, u"ShowNTTab", 0);
  m.nr1t2 = store.GetRegDword(Hive::LocalMachine, kProductKey, u"NR1t2", 0);
  m.hidePatternControls = store.GetRegDword(Hive::LocalMachine, std::u16string(kUtlSettingKey) + u"\\DispSetting",
                                            u"DelSetManager", 0) == 1;
  return m;
}

TabPlan PlanTabs(int32_t bits, const MachineSettings& machine, int initialTab, const USER_DATA& defaults) {
  TabPlan p;
  const bool desktop = (bits & (0x01 | 0x10 | 0x04 | 0x08)) != 0;
  if (!desktop) {
    p.removeTabs.push_back(0);
    p.layout = TabLayout(TabLayout::kNoDesktopTab);
  } else if ((bits & 0x02) == 0 && machine.showNotebookTab != 1) {
    p.removeTabs.push_back(1);
    p.layout = TabLayout(TabLayout::kNoNotebookTab);
  }
  if (machine.nr1t2 == 1) {
    if (p.layout.kind() == TabLayout::kNoDesktopTab) {
      p.removeTabs.push_back(0);
      p.layout = TabLayout(TabLayout::kOnScreenOnly);
    } else if (p.layout.kind() == TabLayout::kAllTabs) {
      p.removeTabs.push_back(1);
      p.layout = TabLayout(TabLayout::kNoNotebookTab);
    }
  }
  p.selectTab = 0;
  if (initialTab != -1) {
    if (p.layout.kind() == TabLayout::kAllTabs) {
      p.selectTab = initialTab;
    } else if (initialTab == 2 && p.layout.kind() != TabLayout::kOnScreenOnly) {
      p.selectTab = 1;
    }
  }
  p.notebookShown = 3;
  if (p.layout.Has(kNotebookPage))
    p.notebookShown = machine.notebookCount < 0 ? 0 : (machine.notebookCount > 3 ? 3 : machine.notebookCount);
  const bool desktopTab = p.layout.Has(kDesktopPage);
  p.desktopCount = 5;
  if (desktopTab && desktop && (bits & 0x02) == 0) {
    p.desktopOverride = true;
    int count = 0;
    if (machine.desktopCount >= 1 && machine.desktopCount <= 5) {
      count = machine.desktopCount;
    } else {
      while (count < 5 && !defaults.buttons[count].name.empty()) ++count;
    }
    p.desktopCount = count;
    p.wizardLimit = count - 1;
  }
  p.namedKeys = (bits & 0x08) != 0 && desktopTab;
  return p;
}

int32_t LaunchButtonKeyCode(int b) {
  if (b >= 1 && b <= 7) return 0x67 + b;
  if (b == 8) return 0x54;
  return b;
}

void NotifyButtonHandler(HandlerLink& link) {
  const uintptr_t hovl = link.Find(u"Varden Hovl MainWnd Class");
  const uintptr_t zeb = link.Find(u"VARDENZEBCLASS");
  if (hovl != 0) link.Post(hovl, kMsgSettingsChanged, 1, 0);
  if (zeb != 0) link.Send(zeb, kMsgSettingsChanged, 1, 0);
}

void PressButton(HandlerLink& link, int slot) {
  if (const uintptr_t zeb = link.Find(u"VARDENZEBCLASS"))
    link.Post(zeb, kMsgLaunchButton, static_cast<uintptr_t>(LaunchButtonKeyCode(slot + 1)), 1);
}

uint32_t FailedSaveMessage(const SaveResult& result) {
  if (result.Ok()) return 0;
  if (!result.buttons && !result.onScreen) return IDS_SAVE_FAILED_ALL;
  return result.buttons ? IDS_SAVE_FAILED_ONSCREEN : IDS_SAVE_FAILED_BUTTONS;
}

void MainModel::Load(const std::u16string& uiFace, const FontLookup& fonts) {
  const StoreHold hold = store_.Hold();
  machine = ReadMachineSettings(store_);
  store_.recordsInUse = machine.recordsInUse;
  currUser = store_.ReadMainNumber(u"CurrUser");
  numUser = store_.ReadMainNumber(u"NumUser");
  defaultOnScreen = ReadOnScreenDefaults(store_, uiFace);
  liveOnScreen = ReadOnScreen(store_, defaultOnScreen, fonts);
  defaults = BuildDefaultTable(store_, machine.recordsInUse);
  store_.defaults = defaults;
  // A current pattern below 1 would load and save a set that the list does not show: it is pattern 1.
  if (currUser < 1) currUser = 1;
  LoadPattern(currUser);
  savedOnScreen = liveOnScreen;
  previewText = ReadPreviewText(store_);
}

void MainModel::LoadPattern(int32_t n) {
  live = USER_DATA{};
  store_.LoadUserData(n, live);
  saved = live;
}

std::vector<std::u16string> MainModel::PatternNames() {
  const StoreHold hold = store_.Hold();
  numUser = store_.GetProfileNumber(u"VARDENZEB", u"NumUser", u"1", store_.profileFile);
  // A count below one reads as one set. One above the ten a list can hold reads as ten: as one, the next save
  // would write it back and the manager's next new set would overwrite set 2.
  if (numUser < 1) numUser = 1;
  if (numUser > 10) numUser = 10;
  if (currUser > numUser || currUser < 1) {
    currUser = 1;
    LoadPattern(1);
  }
  std::vector<std::u16string> names;
  for (int n = 1; n <= numUser; ++n)
    names.push_back(store_.GetProfileText(u"USER" + DecimalText(n), u"UserName", u"User" + DecimalText(n)));
  return names;
}

bool MainModel::IsChanged() const {
  return !IsUserDataEqual(live, saved, machine.recordsInUse) || !(liveOnScreen == savedOnScreen);
}

bool MainModel::SavePatternNumbers() {
  const StoreHold hold = store_.Hold();
  bool ok = store_.WriteProfileText(u"VARDENZEB", u"CurrUser", DecimalText(currUser));
  ok &= store_.WriteProfileText(u"VARDENZEB", u"NumUser", DecimalText(numUser));
  return ok;
}

SaveResult MainModel::SaveAll(bool withPatternNumbers) {
  const StoreHold hold = store_.Hold();
  SaveResult result;
  result.buttons = !withPatternNumbers || SavePatternNumbers();
  result.buttons = SaveLiveSet() && result.buttons;
  result.onScreen = SaveOnScreen(store_, liveOnScreen);
  if (result.onScreen) savedOnScreen = liveOnScreen;
  return result;
}

bool MainModel::SaveLiveSet() {
  if (!store_.SaveUserData(currUser, live)) return false;
  saved = live;
  return true;
}

bool MainModel::PrepareOk() {
  const StoreHold hold = store_.Hold();
  bool ok = SavePatternNumbers();
  const std::u16string root(kProductKey);
  // A user with nothing stored yet starts from the factory set. A profile-file machine never has the user keys:
  // there the file's own sections are looked for, or every OK would put the factory set over the user's.
  const auto inFile = [this](std::u16string_view section, std::u16string_view key) {
    constexpr std::u16string_view kAbsent = u"\x01";
    return store_.GetProfileText(section, key, kAbsent) != kAbsent;
  };
  const bool hasSets = store_.useIniFile ? inFile(u"USER1", u"UserName") || inFile(u"USER1", u"Btn1_Exec")
                                         : store_.KeyExists(Hive::CurrentUser, root + u"\\Setting");
  const bool hasOnScreen =
      store_.useIniFile ? inFile(u"ONSCREEN", u"OnScreen") : store_.KeyExists(Hive::CurrentUser, root + u"\\OnScreen");
  if (!hasSets) {
    USER_DATA copy = defaults;
    ok &= store_.SaveUserData(1, copy);
  }
  if (!hasOnScreen) ok &= SaveOnScreen(store_, defaultOnScreen);
  return ok;
}

bool MainModel::SwitchPattern(int32_t n) {
  const StoreHold hold = store_.Hold();
  if (!store_.WriteProfileText(u"VARDENZEB", u"CurrUser", DecimalText(n))) return false;
  currUser = n;
  LoadPattern(currUser);
  return true;
}

void MainModel::RestoreButtonDefaults() {
  // The five desktop records and the notebook's: with no notebook count, the desktop's alone.
  const int records = 5 + (machine.notebookCount > 0 ? machine.notebookCount : 0);
  for (int i = 0; i < records && i < kButtonSlots; ++i) live.buttons[i] = defaults.buttons[i];
}

void MainModel::PlanTabs(int32_t keyboardBits, int initialTab) {
  plan = tapstart::PlanTabs(keyboardBits, machine, initialTab, defaults);
}

void MainModel::ReloadAfterManager() {
  const StoreHold hold = store_.Hold();
  currUser = store_.ReadMainNumber(u"CurrUser");
  numUser = store_.ReadMainNumber(u"NumUser");
  live.name = store_.GetProfileText(u"USER" + DecimalText(currUser), u"UserName", store_.defaults.name);
}

int MainModel::RightClickPositions(PageIndex page) {
  if (page == kDesktopPage) {
    if (machine.desktopCount == 0) machine.desktopCount = 5;
    return machine.desktopCount;
  }
  if (plan.notebookShown == 0) plan.notebookShown = 2;
  return plan.notebookShown;
}

int MainModel::WizardRecord(int n) const {
  for (int k = 1; k <= machine.recordsInUse; ++k)
    if (store_.GetRegDword(Hive::LocalMachine, kConvAppKeyKey, u"AppKey" + DecimalText(k), 0) - 1 == n) return k - 1;
  return n;
}

}  // namespace tapstart
