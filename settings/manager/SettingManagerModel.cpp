// The setting manager's list of setting sets and its operations, written to the store as they happen.
#include "SettingManagerModel.h"

#include <utility>

#include "manager/NameRules.h"
#include "store/Text.h"

namespace tapstart {
SettingManagerModel::SettingManagerModel(SettingsStore& store) : store_(store) {
  Reload();
  selected_ = Count() == 0 ? -1 : current_ - 1;
}

void SettingManagerModel::Reload() {
  const StoreHold hold = store_.Hold();
  current_ = store_.ReadMainNumber(u"CurrUser");
  int count = store_.ReadMainNumber(u"NumUser");
  // A count of 0 is a store with no sets yet: the first one added is set 1. A damaged count reads as the main
  // window's pattern list reads it: below zero as one, above the most sets as that many, so that no stored set is
  // overwritten by a new one.
  if (count < 0) count = 1;
  if (count > kMaxSets) count = kMaxSets;
  // A current number outside the list points at the first set; the main window does the same.
  if (current_ > count || current_ < 1) current_ = 1;
  sets_.assign(static_cast<size_t>(count), USER_DATA{});
  for (int n = 1; n <= count; ++n) store_.LoadUserData(n, sets_[static_cast<size_t>(n - 1)]);
  if (selected_ >= Count()) selected_ = Count() - 1;
  if (selected_ < 0 && Count() > 0) selected_ = 0;
}

bool SettingManagerModel::Finish(bool ok, int selection) {
  if (ok) return true;
  selected_ = selection;
  Reload();
  return false;
}

std::vector<std::u16string> SettingManagerModel::Names() const {
  std::vector<std::u16string> names;
  names.reserve(sets_.size());
  for (const USER_DATA& set : sets_) names.push_back(set.name);
  return names;
}

void SettingManagerModel::Select(int index) {
  if (index >= 0 && index < Count()) selected_ = index;
}

bool SettingManagerModel::CanDelete() const { return ValidSelection() && selected_ + 1 != current_; }

std::u16string SettingManagerModel::CopyStartText(std::u16string_view suffix, const AnsiByteCounter& ansiBytes) const {
  std::u16string text = ValidSelection() ? sets_[static_cast<size_t>(selected_)].name : std::u16string();
  const size_t suffixBytes = ansiBytes(suffix);
  const size_t room = suffixBytes < kMaxSetNameBytes ? kMaxSetNameBytes - suffixBytes : 0;
  if (ansiBytes(text) > room) text = TrimRight(CutToAnsiBytes(text, room, ansiBytes));
  text += suffix;
  return text;
}

std::u16string SettingManagerModel::DeleteQuestion(std::u16string_view question) const {
  std::u16string text = ValidSelection() ? sets_[static_cast<size_t>(selected_)].name : std::u16string();
  text += u' ';
  text += question;
  return text;
}

bool SettingManagerModel::WriteMainNumber(std::u16string_view key, int value) {
  return store_.WriteProfileText(u"VARDENZEB", key, DecimalText(value));
}

// Called under the operation's hold, after the sets were read anew.
bool SettingManagerModel::Append(USER_DATA set, std::u16string_view name) {
  if (!CanAdd()) return false;
  set.name = std::u16string(name);
  sets_.push_back(std::move(set));
  selected_ = Count() - 1;
  // The count first, then the set under its number: a set beyond the count is never read.
  bool ok = WriteMainNumber(u"NumUser", Count());
  ok = store_.SaveUserData(Count(), sets_.back()) && ok;
  return ok;
}

bool SettingManagerModel::Add(std::u16string_view name) {
  const StoreHold hold = store_.Hold();
  const int selection = selected_;
  Reload();
  return Finish(hold.Held() && Append(store_.defaults, name), selection);
}

bool SettingManagerModel::Copy(std::u16string_view name) {
  const StoreHold hold = store_.Hold();
  const int selection = selected_;
  Reload();
  return Finish(hold.Held() && ValidSelection() && Append(sets_[static_cast<size_t>(selected_)], name), selection);
}

bool SettingManagerModel::Rename(std::u16string_view name) {
  const StoreHold hold = store_.Hold();
  const int selection = selected_;
  Reload();
  if (!hold.Held() || !ValidSelection()) return Finish(false, selection);
  USER_DATA& set = sets_[static_cast<size_t>(selected_)];
  set.name = std::u16string(name);
  return Finish(store_.SaveUserData(selected_ + 1, set), selection);
}

bool SettingManagerModel::Delete() {
  const StoreHold hold = store_.Hold();
  const int selection = selected_;
  Reload();
  if (!hold.Held() || !CanDelete()) return Finish(false, selection);
  const int formerCount = Count();
  const int deleted = selected_;
  sets_.erase(sets_.begin() + deleted);
  // The former last set's section keeps its data beyond the count; a later Add or Copy overwrites it.
  bool ok = store_.WriteProfileText(u"User" + DecimalText(formerCount), u"", u"");
  if (deleted + 1 < current_) {
    --current_;
    ok = WriteMainNumber(u"CurrUser", current_) && ok;
  }
  ok = WriteMainNumber(u"NumUser", Count()) && ok;
  for (int n = deleted + 1; n <= Count(); ++n) ok = store_.SaveUserData(n, sets_[static_cast<size_t>(n - 1)]) && ok;
  if (selected_ >= Count()) selected_ = Count() - 1;
  return Finish(ok, selection);
}

}  // namespace tapstart
