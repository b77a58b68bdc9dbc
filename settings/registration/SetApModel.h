// The program registration dialog without a window: the edited button record, what the five slots show, the
// launch-method radios, the Send menus, the drag-and-drop rules and OK's state. The dialog copies View() onto
// its controls after every call and hands Record() back on OK.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "registration/ListSources.h"
#include "registration/RegistrationSources.h"
#include "registration/SourceTree.h"
#include "store/UserData.h"

namespace tapstart {

// Flags shared by the registration dialog and the wizard for the whole run; the application holds one and
// passes it by reference. Each is 0 or 1.
struct RegistrationFlags {
  int MediaCenterSelected = 0;  // the record's single program is a Media Center entry (or the IME changer)
  int ImeSelected = 0;          // the record's single program is an IME list entry
  int OkDisabledSetting = 0;    // OK starts disabled and is enabled by the first change
  int SequentialHidden = 0;     // the sequential launch method is not offered; slots cannot be moved
};

// What a pending transfer (a drag or a Send) carries.
enum class SourceKind : int { None = 0, TreeEntry = 1, ShortcutKey = 2, MediaCenter = 3, SlotMove = 4, Ime = 5 };
enum class ListKind : int { MediaCenter = 0, ShortcutKey = 1, Ime = 2 };

// Launch methods, numbered as the radios: 1 single, 2 sequential, 3 simultaneous; 0 no radio checked.
enum Method : int { kNoMethod = 0, kSingle = 1, kSequential = 2, kSimultaneous = 3 };
// "M", "K" (and "m", "k") single; "S", "s" sequential; "P", "p" simultaneous; anything else single.
int MethodFromCode(std::u16string_view code);

// A command and its parameters are stored as command "|" parameters and must fit 260 characters with the
// terminator; the parameters may take what the command leaves of this.
inline constexpr int kCommandAndParameters = 258;

// A tree item as remembered when its menu opens or its drag begins.
struct TreePick {
  TreeKind tree = TreeKind::StartMenu;
  std::u16string path;         // the item's path (the computer's name for the All Files root)
  std::u16string text;         // the item's text
  bool favoritesRoot = false;  // the tree's root reads "IE Favorites"
};

// What the dialog asks of the system.
class SetApEnvironment {
 public:
  virtual ~SetApEnvironment() = default;
  // True when the path names an existing folder, or cannot be examined at all.
  virtual bool FolderOrUnknown(std::u16string_view path) const = 0;
  // The URL an Internet shortcut file stores; the path itself when none can be read.
  virtual std::u16string InternetShortcutUrl(std::u16string_view path) const = 0;
};

// What the controls show.
struct SetApView {
  std::array<std::u16string, kProgramsPerButton> slotText;
  std::array<bool, kProgramsPerButton> slotEnabled{};  // each slot edit with its label
  int checkedMethod = kSingle;                         // kNoMethod: no radio checked
  bool methodEnabled = true;                           // the method group box and its radios
  bool okEnabled = true;                               // when it turns on, OK becomes the default button
  bool operator==(const SetApView&) const = default;
};

struct SetApSetup {
  APPKEY_DATA record;           // a copy of the current record
  RegistrationSources sources;  // the list sources' tables
  DispSwitches switches;
  std::u16string computerName;  // the All Files root's text and path
  ImeChangerLocation changer;
};

// The Parameter Setting box: the current parameters and how many characters may be entered.
struct ParameterRequest {
  std::u16string text;
  int maxLength = 0;
  bool operator==(const ParameterRequest&) const = default;
};

class SetApModel {
 public:
  // Sets OkDisabledSetting and SequentialHidden from the switches and shows the record.
  SetApModel(SetApSetup setup, RegistrationFlags& flags, const SetApEnvironment& env);

  const SetApView& View() const { return view_; }
  const APPKEY_DATA& Record() const { return record_; }
  const RegistrationSources& Sources() const { return sources_; }
  bool SpecialEntry() const { return special_; }
  SourceKind Pending() const { return pending_; }

  // Puts the record on the controls as the dialog opens. A record whose code is "S" while the sequential
  // method is not offered shows no radio checked, since either visible radio would misstate it, and keeps all
  // five slots enabled; its code changes only when the user clicks a radio.
  void ShowRecord();
  // The dialog made ahead, on no record, opens on a button's: the record is taken and shown as at the start.
  void Open(const APPKEY_DATA& record);
  // A click on a launch-method radio; ignored while the radios are disabled, and for the sequential radio
  // while it is not offered.
  void ClickMethod(int method);

  // Puts a picked entry into a slot: its identity comes from the remembered tree item, the lists' current
  // lines and the remembered key command; displayText is only what the slot shows.
  void AddProgram(int slot, std::u16string_view displayText, SourceKind kind);
  // Moves the later slots up by one and clears slot 5.
  void RemoveProgram(int slot);

  // The slot menu. Both items act only on a slot that shows text.
  bool ParameterGrayed(int slot) const;
  void DeleteSlot(int slot);
  // The Delete key: as the Delete item, for a slot that holds a command.
  void DeleteKey(int slot);
  // Nothing when the item is grayed or the slot shows no text.
  std::optional<ParameterRequest> ParameterFor(int slot) const;
  // The box's OK: trailing blanks are removed and the text is cut to the room the command leaves.
  void SetParameter(int slot, std::u16string_view text);

  // Trees: the item whose menu opens or whose drag begins.
  void RememberTreeItem(TreePick pick);
  // The program numbers (1 to 5) the Send submenu offers for the remembered item; empty: no menu.
  std::vector<int> TreeSendMenu() const;
  void SendTreeItem(int programNumber);

  // Lists: the selected line of each list, as the list reports it.
  void SelectListLine(ListKind list, int line);
  int ListLineCount(ListKind list) const;
  // The Send menu opens only on a list that has lines; its one item sends the selected line to slot 1.
  bool ListSendMenuOffered(ListKind list) const { return ListLineCount(list) > 0; }
  void SendListEntry(ListKind list);

  // Drags. Each Begin returns whether the drag starts; EndDrag runs when it is over, dropped or not.
  bool BeginTreeDrag();
  // The text the drag carries, or nothing when no line is selected.
  std::optional<std::u16string> BeginListDrag(ListKind list);
  // Refused for a slot that shows no text, and while SequentialHidden is set.
  bool BeginSlotDrag(int slot);
  void EndDrag();
  // Whether a drag over the slot is accepted (as a move); offersText: the data carries text.
  bool CanDropOnSlot(int slot, bool offersText) const;
  void DropOnSlot(int slot, std::u16string_view text);

 private:
  bool ValidSlot(int slot) const { return slot >= 0 && slot < kProgramsPerButton; }
  bool CodeIs(char16_t upper) const;
  bool TreeItemOffered() const;
  const std::vector<MCE_DATA>* Table(ListKind list) const;
  std::optional<int> Selected(ListKind list) const;
  std::u16string SlotTextFor(int slot) const;
  std::u16string SlotValue(int slot) const;
  void SetSlotsEnabled(int count);
  void ClearEntryFlags();
  void EnableOkOnChange();
  void OnMethodClicked();
  void ShowKeyRecord();
  void ShowTitledRecord();
  void ClearSlot(int slot);
  void MakeSingleEntry(std::u16string_view text, std::u16string command, std::u16string title);
  bool Identified(SourceKind kind) const;
  void AddTreeItem(int slot, std::u16string_view displayText);
  void AddListEntry(ListKind list, std::u16string_view displayText);
  std::u16string ButtonNameAfter(SourceKind kind) const;
  void SwapSlots(int from, int to);
  void DropTransfer(int target, std::u16string_view text);

  APPKEY_DATA record_;
  RegistrationSources sources_;
  std::u16string computerName_;
  ImeChangerLocation changer_;
  RegistrationFlags& flags_;
  const SetApEnvironment& env_;
  SetApView view_;
  bool special_ = false;
  int openingMethod_ = kSingle;
  std::optional<TreePick> pick_;
  std::array<int, 3> selection_{-1, -1, -1};
  std::optional<std::u16string> rememberedKey_;  // the key command of the entry last picked
  SourceKind pending_ = SourceKind::None;
  int sourceSlot_ = -1;
};

}  // namespace tapstart
