// The setting manager's list of setting sets and its operations: add, copy, rename and delete, each written to
// the store at once, and the renumbering of the sets behind a deleted one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/SettingsStore.h"
#include "store/Text.h"
#include "store/UserData.h"

namespace tapstart {

class SettingManagerModel {
 public:
  static constexpr int kMaxSets = 10;

  // Reads the current set number and the set count, and loads every set; the current set is selected.
  explicit SettingManagerModel(SettingsStore& store);

  int Count() const { return static_cast<int>(sets_.size()); }
  // The current set's number, from 1.
  int Current() const { return current_; }
  // The selected position, from 0; -1 while there is no set.
  int Selected() const { return selected_; }
  const std::vector<USER_DATA>& Sets() const { return sets_; }
  std::vector<std::u16string> Names() const;

  // A position outside the list is ignored.
  void Select(int index);
  bool CanAdd() const { return Count() < kMaxSets; }
  // The current set cannot be deleted.
  bool CanDelete() const;

  // The copy's start text: the selected set's name followed by the suffix that marks a copy (" - Copy"), the
  // order in which every language names a copy. When the two together would break the name length rule, the
  // name is cut by whole characters and loses the blanks left at its cut end: the suffix always stays whole.
  std::u16string CopyStartText(std::u16string_view suffix, const AnsiByteCounter& ansiBytes) const;
  // The delete question: the selected set's name, one blank and the question's text.
  std::u16string DeleteQuestion(std::u16string_view question) const;

  // Each operation holds the store from its first read to its last write: it reads the sets anew (another program
  // may have changed them since), changes the list, selects as the manager shows it, and writes the store. The
  // result is whether every write succeeded; after a failure the list shows the sets as the store holds them.
  // A copy of the factory-default set under the given name, appended and selected.
  [[nodiscard]] bool Add(std::u16string_view name);
  // A copy of the selected set under the given name, appended and selected.
  [[nodiscard]] bool Copy(std::u16string_view name);
  // The selected set takes the name.
  [[nodiscard]] bool Rename(std::u16string_view name);
  // Removes the selected set (never the current one); the sets behind it move up one number, and the current
  // number follows its set. The selection stays at the same position, or the new last one.
  [[nodiscard]] bool Delete();

  // Reads the current set number, the set count and every set as the store holds them now. The selection keeps
  // its position where it can.
  void Reload();

 private:
  [[nodiscard]] bool Append(USER_DATA set, std::u16string_view name);
  // The end of an operation: after a failed write the list is read back from the store, and the selection goes
  // back to where it was.
  bool Finish(bool ok, int selection);
  [[nodiscard]] bool WriteMainNumber(std::u16string_view key, int value);
  bool ValidSelection() const { return selected_ >= 0 && selected_ < Count(); }

  SettingsStore& store_;
  std::vector<USER_DATA> sets_;
  int current_ = 1;
  int selected_ = 0;
};

}  // namespace tapstart
