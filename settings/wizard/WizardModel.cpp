// The wizard's step machine and the record it builds.
#include "wizard/WizardModel.h"

#include <utility>

#include "app/Helpers.h"
#include "store/Text.h"

namespace tapstart {
namespace {

constexpr std::u16string_view kBrowser = u"iexplore.exe|";

bool SameText(std::u16string_view a, std::u16string_view b) { return AsciiLower(a) == AsciiLower(b); }

}  // namespace

WizardModel::WizardModel(WizardSetup setup, const WizardSystem& system) : setup_(std::move(setup)), system_(system) {
  singleOffered_ = SingleSourcesOffered(setup_.sources, setup_.japaneseUi, !setup_.imeEntries.empty());
  severalOffered_ = SeveralSourcesOffered(setup_.sources);
  record_.code = std::u16string(1, u'M');  // one program, none chosen yet
}

WizardView WizardModel::View(std::optional<WizardPage> show) const {
  WizardView view;
  view.step = step_;
  view.show = show;
  view.buttons = buttons_;
  view.ownFinish = ownFinish_;
  return view;
}

WizardView WizardModel::Go(WizardStep step, int buttons) {
  step_ = step;
  buttons_ = buttons;
  return View(PageOf(step));
}

WizardView WizardModel::Ending(WizardEnd end) const {
  WizardView view = Stay();
  view.end = end;
  return view;
}

int WizardModel::HardwareButton() const {
  return selectedButton_ + 1 + (IsNotebookKind(setup_.buttonKind) ? kProgramsPerButton : 0);
}

WizardView WizardModel::Start() {
  direction_ = WizardDirection::None;
  // Back stays disabled on the first page: only Next is on.
  return Go(setup_.wizardOnly ? WizardStep::LaunchMethod : WizardStep::Button, kWizNext);
}

WizardView WizardModel::Press(WizardDirection direction) {
  if (direction == WizardDirection::None) return Stay();
  direction_ = direction;
  switch (step_) {
    case WizardStep::Start:
      return Start();
    case WizardStep::Button:
      return FromButtonPage(direction);
    case WizardStep::LaunchMethod:
      return FromLaunchMethodPage(direction);
    case WizardStep::Source:
      return FromSourcePage(direction);
    case WizardStep::SingleProgram:
      return FromSingleProgramPage(direction);
    case WizardStep::Finish:
      return FromFinishPage(direction);
    case WizardStep::ButtonName:
      return FromButtonNamePage(direction);
    case WizardStep::SeveralPrograms:
      return FromSeveralProgramsPage(direction);
  }
  return Stay();
}

WizardView WizardModel::FromButtonPage(WizardDirection d) {
  if (d != WizardDirection::Next) return Stay();
  const int button = HardwareButton();
  // In the Japanese UI a button the maker's own set-up program serves is handed over to that program.
  if (setup_.japaneseUi && button <= kButtonSlots && setup_.ownSetup[button - 1]) {
    WizardView view = Ending(WizardEnd::HandOver);
    view.handOverButton = button;
    return view;
  }
  return Go(WizardStep::LaunchMethod, kWizBackNext);
}

WizardView WizardModel::FromLaunchMethodPage(WizardDirection d) {
  if (d == WizardDirection::Back) {
    // A wizard-only run has no button page to go back to.
    return setup_.wizardOnly ? Stay() : Go(WizardStep::Button, kWizNext);
  }
  if (d != WizardDirection::Next) return Stay();
  if (multiMode_ != 0) {
    severalPrograms_ = true;
    return Go(WizardStep::ButtonName, NamePageButtons());
  }
  // The checked radio decides the source and, with it, the pending code.
  ChooseSingleSource(checkedSingle_);
  severalPrograms_ = false;
  return Go(WizardStep::Source, kWizBackNext);
}

WizardView WizardModel::FromSourcePage(WizardDirection d) {
  if (d == WizardDirection::Back) return Go(WizardStep::LaunchMethod, BackOrNextOnly());
  if (d != WizardDirection::Next) return Stay();
  if (source_ == kSourceImeChanger) {
    // The IME Changer has no program page: its first entry is taken at once.
    FillOneProgram();
    return Go(WizardStep::Finish, kWizBackFinish);
  }
  PrepareSource(source_);
  return Go(WizardStep::SingleProgram, buttons_);
}

WizardView WizardModel::FromSingleProgramPage(WizardDirection d) {
  if (d == WizardDirection::Back) return Go(WizardStep::Source, kWizBackNext);
  if (d != WizardDirection::Next || !selectionUsable_) return Stay();
  FillOneProgram();
  return Go(WizardStep::Finish, kWizBackFinish);
}

WizardView WizardModel::FromFinishPage(WizardDirection d) {
  if (d == WizardDirection::Next) return Ending(WizardEnd::Finished);
  if (d != WizardDirection::Back) return Stay();
  if (multiMode_ != 0) return BackToSeveralPrograms();
  record_.count = 0;
  if (source_ == kSourceImeChanger) return Go(WizardStep::Source, kWizBackNext);
  return Go(WizardStep::SingleProgram, ProgramPageButtons());
}

WizardView WizardModel::BackToSeveralPrograms() {
  // Five programs came here on their own: the fifth is taken back. After the own Finish, slot `count` is
  // the empty one the next program goes to.
  if (record_.count == kProgramsPerButton) record_.count = kProgramsPerButton - 1;
  ClearSlot(record_.count);
  ownFinish_ = record_.count > 0 ? OwnFinishButton::Enabled : OwnFinishButton::Disabled;
  return Go(WizardStep::SeveralPrograms, ProgramPageButtons());
}

WizardView WizardModel::FromButtonNamePage(WizardDirection d) {
  if (d == WizardDirection::Back) return Go(WizardStep::LaunchMethod, BackOrNextOnly());
  if (d != WizardDirection::Next || !ButtonNameAllowsNext(nameText_)) return Stay();
  ownFinish_ = record_.count > 0 ? OwnFinishButton::Enabled : OwnFinishButton::Disabled;
  source_ = checkedSeveral_;
  PrepareSource(source_);
  return Go(WizardStep::SeveralPrograms, buttons_);
}

WizardView WizardModel::FromSeveralProgramsPage(WizardDirection d) {
  switch (d) {
    case WizardDirection::Next:
      return AddProgram();
    case WizardDirection::Back:
      return RemoveProgram();
    case WizardDirection::OwnFinish:
      // The own Finish is disabled until a program is in; a button without programs is not finished here.
      if (record_.count == 0) return Stay();
      ownFinish_ = OwnFinishButton::Hidden;
      return Go(WizardStep::Finish, kWizBackFinish);
    case WizardDirection::None:
      break;
  }
  return Stay();
}

WizardView WizardModel::AddProgram() {
  const int slot = record_.count;
  if (!selectionUsable_ || slot >= kProgramsPerButton) return Stay();
  record_.name = nameText_;
  record_.code = pendingCode_;
  FillSlot(slot);
  programNames_[slot] = selection_.name;
  record_.count = slot + 1;
  if (record_.count < kProgramsPerButton) {
    ownFinish_ = OwnFinishButton::Enabled;
    return Stay();
  }
  ownFinish_ = OwnFinishButton::Hidden;
  return Go(WizardStep::Finish, kWizBackFinish);
}

WizardView WizardModel::RemoveProgram() {
  if (record_.count == 0) {
    ownFinish_ = OwnFinishButton::Hidden;
    return Go(WizardStep::ButtonName, NamePageButtons());
  }
  --record_.count;
  ClearSlot(record_.count);
  if (record_.count == 0) ownFinish_ = OwnFinishButton::Disabled;
  return Stay();
}

void WizardModel::FillOneProgram() {
  const WizardSelection& s = selection_;
  // A folder keeps its whole name; a file loses its extension.
  record_.name = system_.IsDirectory(s.path) ? s.name : SplitAtLast(s.name, false, u".");
  record_.code = pendingCode_;
  record_.count = 1;
  if (FillSlot(0)) record_.name = s.name;
  if (source_ == kSourceMediaCenter && mediaCenterSelected_) {
    for (const MCE_DATA& entry : setup_.mediaCenter) {
      if (!SameText(entry.listText, s.name)) continue;
      record_.name = entry.buttonName;
      record_.title[0] = entry.listText;
    }
  }
  if (source_ == kSourceImeChanger && !setup_.imeEntries.empty()) {
    const MCE_DATA& first = setup_.imeEntries.front();
    record_.name = first.buttonName;
    record_.title[0] = first.listText;
    record_.command[0] = first.command;
  }
}

bool WizardModel::FillSlot(int slot) {
  record_.command[slot] = selection_.path;
  // A slot taken over starts clean: a favourite's address must not stay behind as another program's parameter.
  record_.parameters[slot].clear();
  record_.title[slot].clear();
  if (source_ != kSourceFavorites || !IsInternetShortcut(selection_.path)) return false;
  const std::u16string url = system_.ReadShortcutUrl(selection_.path);
  // A shortcut whose address cannot be read is stored as the file itself, which the system still opens.
  if (url.empty()) return false;
  record_.command[slot] = std::u16string(kBrowser) + url;
  record_.parameters[slot] = url;
  record_.title[slot] = selection_.name;
  return true;
}

void WizardModel::ClearSlot(int slot) {
  record_.command[slot].clear();
  record_.parameters[slot].clear();
  record_.title[slot].clear();
  programNames_[slot].clear();
}

void WizardModel::PrepareSource(int source) {
  selectionUsable_ = false;
  buttons_ = kWizBack;
  if (IsTreeSource(source)) {
    const std::optional<TreeSelection> item = system_.SelectedTreeItem(source);
    if (!item || !TreeItemAllowsNext(*item, setup_.myComputerName, setup_.favoritesRoot)) return;
    TakeTreeItem(*item);
  } else if (!TakeListLine(source, system_.SelectedListLine(source))) {
    return;
  }
  selectionUsable_ = true;
  buttons_ = kWizBackNext;
}

bool WizardModel::TakeListLine(int source, int line) {
  if (line < 0) return false;
  const auto at = static_cast<size_t>(line);
  if (source == kSourceMediaCenter && at < setup_.mediaCenter.size()) {
    selection_ = {setup_.mediaCenter[at].command, setup_.mediaCenter[at].listText};
    mediaCenterSelected_ = true;
    return true;
  }
  if (source == kSourceShortcutKey && at < setup_.shortcutNames.size() && at < setup_.shortcutCommands.size()) {
    selection_ = {setup_.shortcutCommands[at], setup_.shortcutNames[at]};
    return true;
  }
  return false;
}

void WizardModel::TakeTreeItem(const TreeSelection& item) {
  selection_ = {item.path, item.name};
  // A tree holds programs, never a shortcut key; and it is not the Media Center list.
  if (pendingCode_ == u"K") pendingCode_ = u"M";
  mediaCenterSelected_ = false;
}

void WizardModel::ChooseButton(int index) {
  const int radios = IsNotebookKind(setup_.buttonKind) ? setup_.buttonKind : 5;
  if (index >= 0 && index < radios) selectedButton_ = index;
}

void WizardModel::ChooseLaunchMethod(int mode) {
  static constexpr const char16_t* kCodes[] = {u"M", u"S", u"P"};
  if (mode < 0 || mode > 2) return;
  multiMode_ = mode;
  pendingCode_ = kCodes[mode];
}

void WizardModel::ChooseSingleSource(int source) {
  if (source < 0 || source >= kSingleSourceCount || !singleOffered_[source]) return;
  checkedSingle_ = source;
  source_ = source;
  pendingCode_ = source == kSourceShortcutKey ? u"K" : u"M";
}

WizardView WizardModel::ChooseSeveralSource(int source) {
  if (source < 0 || source >= kSeveralSourceCount || !severalOffered_[source]) return Stay();
  checkedSeveral_ = source;
  source_ = source;
  if (step_ == WizardStep::SeveralPrograms) PrepareSource(source);
  return Stay();
}

WizardView WizardModel::SelectTreeItem(const TreeSelection& item) {
  if (!OnProgramPage() || !IsTreeSource(source_)) return Stay();
  TakeTreeItem(item);
  selectionUsable_ = TreeItemAllowsNext(item, setup_.myComputerName, setup_.favoritesRoot);
  buttons_ = ProgramPageButtons();
  return Stay();
}

WizardView WizardModel::SelectListLine(int line) {
  if (!OnProgramPage() || !TakeListLine(source_, line)) return Stay();
  selectionUsable_ = true;
  buttons_ = ProgramPageButtons();
  return Stay();
}

WizardView WizardModel::SetButtonNameText(std::u16string_view text) {
  nameText_ = CutUnits(text, kNameLimit);
  if (step_ == WizardStep::ButtonName) buttons_ = NamePageButtons();
  return Stay();
}

}  // namespace tapstart
