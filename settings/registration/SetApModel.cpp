// The registration dialog's rules: showing a record, the launch method, adding and removing programs, the
// menus and the drops.
#include "SetApModel.h"

#include <algorithm>

#include "app/Helpers.h"
#include "store/Text.h"

namespace tapstart {

int MethodFromCode(std::u16string_view code) {
  switch (ReadLaunchCode(code)) {
    case LaunchCode::kSequential:
      return kSequential;
    case LaunchCode::kSimultaneous:
      return kSimultaneous;
    default:
      return kSingle;
  }
}

SetApModel::SetApModel(SetApSetup setup, RegistrationFlags& flags, const SetApEnvironment& env)
    : record_(std::move(setup.record)),
      sources_(std::move(setup.sources)),
      computerName_(std::move(setup.computerName)),
      changer_(std::move(setup.changer)),
      flags_(flags),
      env_(env) {
  flags_.SequentialHidden = setup.switches.delSerial ? 1 : 0;
  flags_.OkDisabledSetting = setup.switches.okDisable ? 1 : 0;
  // Each list starts with its first line selected.
  for (const ListKind list : {ListKind::MediaCenter, ListKind::ShortcutKey, ListKind::Ime})
    if (ListLineCount(list) > 0) selection_[static_cast<size_t>(list)] = 0;
  ShowRecord();
  view_.okEnabled = flags_.OkDisabledSetting == 0;
}

bool SetApModel::CodeIs(char16_t upper) const {
  return ReadLaunchCode(record_.code) == ReadLaunchCode(std::u16string(1, upper));
}

void SetApModel::SetSlotsEnabled(int count) {
  for (int i = 0; i < kProgramsPerButton; ++i) view_.slotEnabled[static_cast<size_t>(i)] = i < count;
}

void SetApModel::ClearEntryFlags() {
  flags_.MediaCenterSelected = 0;
  flags_.ImeSelected = 0;
}

void SetApModel::EnableOkOnChange() {
  if (flags_.OkDisabledSetting != 0) view_.okEnabled = true;
}

std::u16string SetApModel::SlotValue(int slot) const {
  const auto i = static_cast<size_t>(slot);
  return Trim(record_.command[i] + record_.parameters[i]);
}

std::u16string SetApModel::SlotTextFor(int slot) const {
  const auto i = static_cast<size_t>(slot);
  if (!record_.title[i].empty()) return record_.title[i];
  const std::u16string& command = record_.command[i];
  if (command.empty()) return {};
  const std::u16string name = SplitAtLast(command, true, u"\\");
  return env_.FolderOrUnknown(command) ? name : SplitAtLast(name, false, u".");
}

void SetApModel::Open(const APPKEY_DATA& record) {
  record_ = record;
  ShowRecord();
  view_.okEnabled = flags_.OkDisabledSetting == 0;
}

void SetApModel::ShowRecord() {
  view_.slotText = {};
  view_.methodEnabled = true;
  const int method = MethodFromCode(record_.code);
  view_.checkedMethod = method == kSequential && flags_.SequentialHidden != 0 ? kNoMethod : method;
  SetSlotsEnabled(method == kSingle ? 1 : kProgramsPerButton);
  openingMethod_ = view_.checkedMethod;
  special_ = false;
  ClearEntryFlags();
  if (CodeIs(u'K')) return ShowKeyRecord();
  if (CodeIs(u'M') && !record_.title[0].empty() && record_.command[1].empty()) return ShowTitledRecord();
  for (int i = 0; i < kProgramsPerButton; ++i) view_.slotText[static_cast<size_t>(i)] = SlotTextFor(i);
}

void SetApModel::ShowKeyRecord() {
  const ShortcutKeyList& keys = sources_.keys;
  // The last entry with the record's command names it; none leaves the slot empty.
  for (size_t i = 0; i < keys.commands.size() && i < keys.names.size(); ++i)
    if (keys.commands[i] == record_.command[0]) view_.slotText[0] = keys.names[i];
  view_.methodEnabled = false;
}

void SetApModel::ShowTitledRecord() {
  const std::u16string& title = record_.title[0];
  const auto listed = [&title](const std::vector<MCE_DATA>& table) {
    return std::any_of(table.begin(), table.end(), [&title](const MCE_DATA& e) { return e.listText == title; });
  };
  view_.slotText[0] = title;
  if (listed(sources_.mediaCenter)) {
    flags_.MediaCenterSelected = 1;
  } else if (listed(sources_.ime)) {
    flags_.ImeSelected = 1;
  } else {
    return;
  }
  view_.methodEnabled = false;
  special_ = true;
}

void SetApModel::ClickMethod(int method) {
  if (!view_.methodEnabled || method < kSingle || method > kSimultaneous) return;
  if (method == kSequential && flags_.SequentialHidden != 0) return;
  view_.checkedMethod = method;
  OnMethodClicked();
}

void SetApModel::OnMethodClicked() {
  if (view_.checkedMethod != openingMethod_) EnableOkOnChange();
  if (view_.checkedMethod == kSingle) {
    if (!CodeIs(u'K')) record_.code = u"M";
    SetSlotsEnabled(1);
    record_.count = record_.command[0].empty() ? 0 : 1;
    return;
  }
  if (view_.checkedMethod != kSequential && view_.checkedMethod != kSimultaneous) return;
  record_.code = view_.checkedMethod == kSequential ? u"S" : u"P";
  SetSlotsEnabled(kProgramsPerButton);
  const auto empty =
      std::find_if(record_.command.begin(), record_.command.end(), [](const std::u16string& c) { return c.empty(); });
  record_.count = static_cast<int32_t>(empty - record_.command.begin());
}

void SetApModel::ClearSlot(int slot) {
  const auto i = static_cast<size_t>(slot);
  view_.slotText[i].clear();
  record_.command[i].clear();
  record_.parameters[i].clear();
  record_.title[i].clear();
}

void SetApModel::RemoveProgram(int slot) {
  if (!ValidSlot(slot)) return;
  for (size_t j = static_cast<size_t>(slot); j + 1 < kProgramsPerButton; ++j) {
    view_.slotText[j] = std::move(view_.slotText[j + 1]);
    record_.command[j] = std::move(record_.command[j + 1]);
    record_.parameters[j] = std::move(record_.parameters[j + 1]);
    record_.title[j] = std::move(record_.title[j + 1]);
  }
  ClearSlot(kProgramsPerButton - 1);
}

// A special entry takes the record over: the only program, single launch, the method radios disabled.
void SetApModel::MakeSingleEntry(std::u16string_view text, std::u16string command, std::u16string title) {
  view_.slotText[0] = std::u16string(text);
  record_.command[0] = std::move(command);
  record_.parameters[0].clear();
  record_.title[0] = std::move(title);
  view_.checkedMethod = kSingle;
  OnMethodClicked();
  for (int i = 1; i < kProgramsPerButton; ++i) ClearSlot(i);
  record_.count = 1;
  view_.methodEnabled = false;
}

const std::vector<MCE_DATA>* SetApModel::Table(ListKind list) const {
  if (list == ListKind::MediaCenter) return &sources_.mediaCenter;
  if (list == ListKind::Ime) return &sources_.ime;
  return nullptr;
}

int SetApModel::ListLineCount(ListKind list) const {
  const std::vector<MCE_DATA>* table = Table(list);
  if (table != nullptr) return static_cast<int>(table->size());
  return static_cast<int>(std::min(sources_.keys.names.size(), sources_.keys.commands.size()));
}

void SetApModel::SelectListLine(ListKind list, int line) {
  const auto i = static_cast<size_t>(list);
  if (i < selection_.size()) selection_[i] = line >= 0 && line < ListLineCount(list) ? line : -1;
}

std::optional<int> SetApModel::Selected(ListKind list) const {
  const auto i = static_cast<size_t>(list);
  if (i >= selection_.size() || selection_[i] < 0 || selection_[i] >= ListLineCount(list)) return std::nullopt;
  return selection_[i];
}

void SetApModel::AddTreeItem(int slot, std::u16string_view displayText) {
  const auto i = static_cast<size_t>(slot);
  const std::u16string path = pick_->path;
  view_.methodEnabled = true;
  view_.slotText[i] = env_.FolderOrUnknown(path) ? std::u16string(displayText) : SplitAtLast(displayText, false, u".");
  record_.command[i] = path;
  record_.parameters[i].clear();
  record_.title[i].clear();
  if (pick_->tree == TreeKind::AllFiles && !changer_.program.empty() && SamePath(path, changer_.program)) {
    // The IME changer picked among all files is the button's one special entry.
    MakeSingleEntry(displayText, path, u"");
    record_.code = u"M";
    flags_.MediaCenterSelected = 1;
    special_ = true;
  } else if (EndsWithUrl(path) && pick_->favoritesRoot) {
    const std::u16string url = env_.InternetShortcutUrl(path);
    record_.command[i] = u"iexplore.exe|" + url;
    record_.parameters[i] = url;
    record_.title[i] = pick_->text;
    view_.slotText[i] = std::u16string(displayText);
  }
}

void SetApModel::AddListEntry(ListKind list, std::u16string_view displayText) {
  const MCE_DATA& entry = (*Table(list))[static_cast<size_t>(Selected(list).value_or(0))];
  MakeSingleEntry(displayText, entry.command, entry.listText);
  record_.code = u"M";
  (list == ListKind::MediaCenter ? flags_.MediaCenterSelected : flags_.ImeSelected) = 1;
  special_ = true;
}

bool SetApModel::Identified(SourceKind kind) const {
  switch (kind) {
    case SourceKind::TreeEntry:
      return pick_.has_value();
    case SourceKind::ShortcutKey:
      return rememberedKey_.has_value();
    case SourceKind::MediaCenter:
      return Selected(ListKind::MediaCenter).has_value();
    case SourceKind::Ime:
      return Selected(ListKind::Ime).has_value();
    default:
      return false;
  }
}

std::u16string SetApModel::ButtonNameAfter(SourceKind kind) const {
  if (kind == SourceKind::MediaCenter && flags_.MediaCenterSelected != 0)
    if (const auto s = Selected(ListKind::MediaCenter)) return sources_.mediaCenter[static_cast<size_t>(*s)].buttonName;
  if (kind == SourceKind::Ime && flags_.ImeSelected != 0)
    if (const auto s = Selected(ListKind::Ime)) return sources_.ime[static_cast<size_t>(*s)].buttonName;
  return view_.slotText[0];
}

void SetApModel::AddProgram(int slot, std::u16string_view displayText, SourceKind kind) {
  // An entry that cannot be identified changes nothing.
  if (!ValidSlot(slot) || !Identified(kind)) return;
  const std::u16string firstBefore = record_.command[0];
  const std::u16string slotBefore = SlotValue(slot);
  special_ = false;
  ClearEntryFlags();
  if (kind == SourceKind::TreeEntry) {
    AddTreeItem(slot, displayText);
  } else if (kind == SourceKind::ShortcutKey) {
    MakeSingleEntry(displayText, *rememberedKey_, u"");
    record_.code = u"K";
  } else {
    AddListEntry(kind == SourceKind::MediaCenter ? ListKind::MediaCenter : ListKind::Ime, displayText);
  }
  if (record_.command[0] != firstBefore) record_.name = ButtonNameAfter(kind);
  if (SlotValue(slot) != slotBefore) EnableOkOnChange();
}

bool SetApModel::ParameterGrayed(int slot) const {
  if (!ValidSlot(slot)) return true;
  return CodeIs(u'K') || (CodeIs(u'M') && special_) ||
         record_.command[static_cast<size_t>(slot)].size() >= static_cast<size_t>(kCommandAndParameters);
}

void SetApModel::DeleteSlot(int slot) {
  if (!ValidSlot(slot) || view_.slotText[static_cast<size_t>(slot)].empty()) return;
  RemoveProgram(slot);
  if (CodeIs(u'M'))
    record_.count = record_.command[0].empty() ? 0 : 1;
  else
    record_.count = std::max(record_.count - 1, 0);
  if (slot == 0) record_.name = view_.slotText[0];
  EnableOkOnChange();
}

void SetApModel::DeleteKey(int slot) {
  if (ValidSlot(slot) && !record_.command[static_cast<size_t>(slot)].empty()) DeleteSlot(slot);
}

std::optional<ParameterRequest> SetApModel::ParameterFor(int slot) const {
  if (ParameterGrayed(slot) || view_.slotText[static_cast<size_t>(slot)].empty()) return std::nullopt;
  const auto i = static_cast<size_t>(slot);
  return ParameterRequest{record_.parameters[i], kCommandAndParameters - static_cast<int>(record_.command[i].size())};
}

void SetApModel::SetParameter(int slot, std::u16string_view text) {
  const auto request = ParameterFor(slot);
  if (!request) return;
  std::u16string& parameters = record_.parameters[static_cast<size_t>(slot)];
  const std::u16string entered = CutUnits(TrimRight(text), static_cast<size_t>(request->maxLength));
  if (entered == parameters) return;
  parameters = entered;
  EnableOkOnChange();
}

void SetApModel::RememberTreeItem(TreePick pick) { pick_ = std::move(pick); }

// The computer's own item and, in the Favorites tree, anything but an Internet shortcut cannot be picked.
bool SetApModel::TreeItemOffered() const {
  return pick_.has_value() && pick_->path != computerName_ && !(pick_->favoritesRoot && !EndsWithUrl(pick_->path));
}

std::vector<int> SetApModel::TreeSendMenu() const {
  if (!TreeItemOffered()) return {};
  if (MethodFromCode(record_.code) == kSingle) return {1};
  // The occupied slots and the next free one.
  const int n = std::clamp(record_.count, 0, kProgramsPerButton - 1);
  std::vector<int> numbers;
  for (int c = 1; c <= n + 1; ++c) numbers.push_back(c);
  return numbers;
}

void SetApModel::SendTreeItem(int programNumber) {
  const std::vector<int> offered = TreeSendMenu();
  if (std::find(offered.begin(), offered.end(), programNumber) == offered.end()) return;
  if (CodeIs(u'K') || flags_.MediaCenterSelected != 0 || flags_.ImeSelected != 0) {
    view_.methodEnabled = true;
    record_.code = u"M";
    ClearEntryFlags();
  }
  const int slot = programNumber - 1;
  AddProgram(slot, pick_->text, SourceKind::TreeEntry);
  // The item went into the next free slot, unless it became the one special entry.
  if (!special_ && record_.count <= slot && record_.count < kProgramsPerButton) ++record_.count;
}

void SetApModel::SendListEntry(ListKind list) {
  const auto line = Selected(list);
  if (!line) return;
  const auto s = static_cast<size_t>(*line);
  if (list == ListKind::ShortcutKey) {
    rememberedKey_ = sources_.keys.commands[s];
    AddProgram(0, sources_.keys.names[s], SourceKind::ShortcutKey);
  } else {
    const SourceKind kind = list == ListKind::MediaCenter ? SourceKind::MediaCenter : SourceKind::Ime;
    AddProgram(0, (*Table(list))[s].listText, kind);
  }
}

bool SetApModel::BeginTreeDrag() {
  if (!TreeItemOffered()) return false;
  pending_ = SourceKind::TreeEntry;
  return true;
}

std::optional<std::u16string> SetApModel::BeginListDrag(ListKind list) {
  const auto line = Selected(list);
  if (!line) return std::nullopt;
  const auto s = static_cast<size_t>(*line);
  if (list == ListKind::ShortcutKey) {
    rememberedKey_ = sources_.keys.commands[s];
    pending_ = SourceKind::ShortcutKey;
    return sources_.keys.names[s];
  }
  pending_ = list == ListKind::MediaCenter ? SourceKind::MediaCenter : SourceKind::Ime;
  return (*Table(list))[s].listText;
}

bool SetApModel::BeginSlotDrag(int slot) {
  if (flags_.SequentialHidden != 0 || !ValidSlot(slot) || view_.slotText[static_cast<size_t>(slot)].empty())
    return false;
  pending_ = SourceKind::SlotMove;
  sourceSlot_ = slot;
  return true;
}

// A drag that ends without a drop leaves nothing pending, so that text dropped later from elsewhere is not
// taken for it.
void SetApModel::EndDrag() {
  pending_ = SourceKind::None;
  sourceSlot_ = -1;
}

// A disabled slot takes no drop, as the system gives disabled windows none.
bool SetApModel::CanDropOnSlot(int slot, bool offersText) const {
  if (!ValidSlot(slot) || !view_.slotEnabled[static_cast<size_t>(slot)]) return false;
  return pending_ == SourceKind::SlotMove || (offersText && pending_ != SourceKind::None);
}

void SetApModel::SwapSlots(int from, int to) {
  if (!ValidSlot(from) || !ValidSlot(to) || from == to) return;
  const auto a = static_cast<size_t>(from);
  const auto b = static_cast<size_t>(to);
  if (view_.slotText[a].empty() || record_.command[b].empty()) return;
  const APPKEY_DATA before = record_;
  std::swap(view_.slotText[a], view_.slotText[b]);
  std::swap(record_.command[a], record_.command[b]);
  std::swap(record_.parameters[a], record_.parameters[b]);
  std::swap(record_.title[a], record_.title[b]);
  if (from == 0 || to == 0) record_.name = view_.slotText[0];
  if (record_ != before) EnableOkOnChange();
}

void SetApModel::DropTransfer(int target, std::u16string_view text) {
  if (!Identified(pending_)) return;
  if (CodeIs(u'K')) {
    view_.methodEnabled = true;
    record_.code = u"M";
  }
  // A drop behind the last program lands in the next free slot.
  if (record_.count <= target) {
    target = std::max(record_.count, 0);
    if (record_.count < kProgramsPerButton) ++record_.count;
  }
  AddProgram(target, text, pending_);
}

void SetApModel::DropOnSlot(int slot, std::u16string_view text) {
  if (!CanDropOnSlot(slot, true)) return;
  ClearEntryFlags();
  if (pending_ == SourceKind::SlotMove)
    SwapSlots(sourceSlot_, slot);
  else
    DropTransfer(slot, text);
  EndDrag();
}

}  // namespace tapstart
