// The set-up wizard's data and step machine: which page follows which, the sheet's command buttons, and the
// button record the wizard builds. The sheet shows what a WizardView says and decides nothing itself.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "registration/SourceData.h"
#include "store/UserData.h"
#include "wizard/WizardPageRules.h"
#include "wizard/WizardSources.h"

namespace tapstart {

// Steps of the wizard: Start shows the first page, each other step one page.
enum class WizardStep : int {
  Start = 0,
  Button = 1,
  LaunchMethod = 2,
  Source = 3,
  SingleProgram = 4,
  Finish = 5,
  ButtonName = 6,
  SeveralPrograms = 7,
};

// The sheet's pages, numbered in the order the sheet adds them.
enum class WizardPage : int {
  SelectButton = 0,
  SelectLaunchMethod = 1,
  SelectMenu = 2,
  SelectProgramForSingle = 3,
  Finish = 4,
  ButtonName = 5,
  SomePrograms = 6,
};
constexpr WizardPage PageOf(WizardStep step) {
  constexpr WizardPage pages[] = {WizardPage::SelectButton,
                                  WizardPage::SelectButton,
                                  WizardPage::SelectLaunchMethod,
                                  WizardPage::SelectMenu,
                                  WizardPage::SelectProgramForSingle,
                                  WizardPage::Finish,
                                  WizardPage::ButtonName,
                                  WizardPage::SomePrograms};
  return pages[static_cast<int>(step)];
}

// The command that moved the wizard last. Next stands for the sheet's Finish as well; None before any.
enum class WizardDirection : int { None = 0, Next = 1, Back = 2, OwnFinish = 3 };

// Values of the sheet's PSM_SETWIZBUTTONS: Back, Next, Finish and their sums.
inline constexpr int kWizBack = 1;
inline constexpr int kWizNext = 2;
inline constexpr int kWizFinish = 4;
inline constexpr int kWizBackNext = kWizBack | kWizNext;
inline constexpr int kWizBackFinish = kWizBack | kWizFinish;

// The wizard's own Finish button (id 50006) beside the sheet's buttons on the several-programs page.
enum class OwnFinishButton { Hidden, Disabled, Enabled };

// How a command ends the wizard, if it does.
enum class WizardEnd {
  None,
  Finished,     // Finish on the finish page: Record() is the result (the sheet's IDOK)
  Cancelled,    // ends with 0; nothing is taken over
  AskToCancel,  // the sheet asks (string 3274, Yes/No) and passes the answer to AnswerCancel
  HandOver,     // the shell starts the maker's own set-up program for handOverButton; when that starts, the
                // process ends, else the wizard stays where it is
};

// What the sheet shows after a command. The shell makes `show` the active page when it is set, passes
// `buttons` on with PSM_SETWIZBUTTONS every time, and shows or hides the own Finish button as told.
struct WizardView {
  WizardStep step = WizardStep::Start;
  std::optional<WizardPage> show;
  int buttons = kWizNext;
  OwnFinishButton ownFinish = OwnFinishButton::Hidden;
  WizardEnd end = WizardEnd::None;
  int handOverButton = 0;  // hardware button 1 to 8 with HandOver
};

// What the model asks of the system and of the sheet's controls.
class WizardSystem {
 public:
  virtual ~WizardSystem() = default;
  virtual bool IsDirectory(std::u16string_view path) const = 0;
  // The address an Internet shortcut file points to; empty when it cannot be read.
  virtual std::u16string ReadShortcutUrl(std::u16string_view path) const = 0;
  // The item selected now in the tree of a tree source (none when nothing is selected).
  virtual std::optional<TreeSelection> SelectedTreeItem(int source) const = 0;
  // The line selected now in the list of a list source, or -1.
  virtual int SelectedListLine(int source) const = 0;
};

// Everything the wizard is given when it starts.
struct WizardSetup {
  bool wizardOnly = false;              // "/w:": the button is fixed and the button page skipped
  int buttonKind = kDesktopButtonKind;  // 5 desktop; notebook: its button count 1 to 3
  bool japaneseUi = false;
  SourceSwitches sources;
  std::array<bool, kButtonSlots> ownSetup{};  // WizardMachine::ownSetup
  std::vector<MCE_DATA> mediaCenter;          // the Media Center list, at most seven entries
  std::vector<std::u16string> shortcutNames;  // the shortcut-key list, names and key commands side by side
  std::vector<std::u16string> shortcutCommands;
  std::vector<MCE_DATA> imeEntries;  // the IME Changer list; loaded in the Japanese UI only
  std::u16string myComputerName;     // the computer folder's display name, the drives tree's root
  std::u16string favoritesRoot;      // string 3292, the favourites tree's root label
};

// The item a program page has selected: what would be stored, and the name it shows.
struct WizardSelection {
  std::u16string path;
  std::u16string name;
};

class WizardModel {
 public:
  WizardModel(WizardSetup setup, const WizardSystem& system);

  // Step 0: the first page, the launch-method page in a wizard-only run.
  WizardView Start();
  // Next (or the sheet's Finish), Back, or the own Finish button on the current step; None changes nothing.
  WizardView Press(WizardDirection direction);
  // The view as it stands, for a page that reports a choice which moves nothing.
  WizardView Current() const { return Stay(); }
  WizardView Cancel() const { return Ending(WizardEnd::AskToCancel); }
  WizardView AnswerCancel(bool close) const { return Ending(close ? WizardEnd::Cancelled : WizardEnd::None); }
  // Close from the system menu ends the wizard without asking.
  WizardView Close() const { return Ending(WizardEnd::Cancelled); }

  // What the pages report. A choice outside the offered range is ignored.
  void ChooseButton(int index);
  void ChooseLaunchMethod(int mode);           // 0 single "M", 1 sequential "S", 2 simultaneous "P"
  void ChooseSingleSource(int source);         // source page: the source, and the pending code "K" or "M"
  WizardView ChooseSeveralSource(int source);  // several-programs page: the source, its control prepared
  WizardView SelectTreeItem(const TreeSelection& item);
  WizardView SelectListLine(int line);  // the list of the current source
  WizardView SetButtonNameText(std::u16string_view text);

  WizardStep Step() const { return step_; }
  WizardDirection LastDirection() const { return direction_; }
  int Buttons() const { return buttons_; }
  OwnFinishButton OwnFinish() const { return ownFinish_; }
  const APPKEY_DATA& Record() const { return record_; }

  int SelectedButton() const { return selectedButton_; }
  int ButtonKind() const { return setup_.buttonKind; }
  // The hardware button 1 to 8 of the selected radio: notebook buttons follow the five desktop ones.
  int HardwareButton() const;
  int MultiMode() const { return multiMode_; }
  int SourceIndex() const { return source_; }
  int CheckedSingleSource() const { return checkedSingle_; }
  int CheckedSeveralSource() const { return checkedSeveral_; }
  const SingleSources& SingleOffered() const { return singleOffered_; }
  const SeveralSources& SeveralOffered() const { return severalOffered_; }
  const std::u16string& PendingCode() const { return pendingCode_; }
  const WizardSelection& Selection() const { return selection_; }
  const std::u16string& ButtonNameText() const { return nameText_; }
  // Raised while several programs are being chosen: the drives tree then leaves the IME changer out.
  bool SeveralPrograms() const { return severalPrograms_; }
  bool MediaCenterSelected() const { return mediaCenterSelected_; }

  // The several-programs page's program-name edits, and the one that takes the next program (-1: none).
  const std::array<std::u16string, kProgramsPerButton>& ProgramNames() const { return programNames_; }
  int WritableSlot() const { return record_.count < kProgramsPerButton ? record_.count : -1; }

 private:
  WizardView View(std::optional<WizardPage> show) const;
  WizardView Go(WizardStep step, int buttons);
  WizardView Stay() const { return View(std::nullopt); }
  WizardView Ending(WizardEnd end) const;

  WizardView FromButtonPage(WizardDirection d);
  WizardView FromLaunchMethodPage(WizardDirection d);
  WizardView FromSourcePage(WizardDirection d);
  WizardView FromSingleProgramPage(WizardDirection d);
  WizardView FromFinishPage(WizardDirection d);
  WizardView FromButtonNamePage(WizardDirection d);
  WizardView FromSeveralProgramsPage(WizardDirection d);
  WizardView BackToSeveralPrograms();
  WizardView AddProgram();
  WizardView RemoveProgram();

  // Back + Next when the program page's selection may be taken, else Back only.
  int ProgramPageButtons() const { return selectionUsable_ ? kWizBackNext : kWizBack; }
  int NamePageButtons() const { return ButtonNameAllowsNext(nameText_) ? kWizBackNext : kWizBack; }
  int BackOrNextOnly() const { return setup_.wizardOnly ? kWizNext : kWizBackNext; }
  void PrepareSource(int source);
  bool TakeListLine(int source, int line);
  void TakeTreeItem(const TreeSelection& item);
  void FillOneProgram();
  // Takes the selection into a slot; true when it became an Internet address.
  bool FillSlot(int slot);
  void ClearSlot(int slot);
  bool OnProgramPage() const { return step_ == WizardStep::SingleProgram || step_ == WizardStep::SeveralPrograms; }

  WizardSetup setup_;
  const WizardSystem& system_;
  SingleSources singleOffered_{};
  SeveralSources severalOffered_{};

  WizardStep step_ = WizardStep::Start;
  WizardDirection direction_ = WizardDirection::None;
  int buttons_ = kWizNext;
  OwnFinishButton ownFinish_ = OwnFinishButton::Hidden;
  APPKEY_DATA record_;

  int selectedButton_ = 0;
  int multiMode_ = 0;
  int source_ = kSourceStartMenu;
  int checkedSingle_ = kSourceStartMenu;
  int checkedSeveral_ = kSourceStartMenu;
  // "M" until a page says otherwise, so that a record never takes an empty launch code.
  std::u16string pendingCode_ = u"M";
  WizardSelection selection_;
  bool selectionUsable_ = false;
  std::u16string nameText_;
  bool severalPrograms_ = false;
  bool mediaCenterSelected_ = false;
  std::array<std::u16string, kProgramsPerButton> programNames_;
};

}  // namespace tapstart
