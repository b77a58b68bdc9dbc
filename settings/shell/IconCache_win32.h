// Copies the shell's icons into one tree's own image list, each icon once.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "shell/IconKeys.h"
#include "ui/Handles_win32.h"

namespace tapstart {

// The shell makes its image list of system icons on the first question, which under Wine takes most of a tenth
// of a second: a thread of its own asks once, out of the user's way, so that the first tree with icons does not
// wait for it.
void PrepareShellIcons();

class IconCache {
 public:
  // Takes the tree's image list, made by the tree at the size and colour depth it shows; the cache adds every
  // image the list holds.
  explicit IconCache(ImageList list) : list_(std::move(list)) {}

  HIMAGELIST Handle() const { return list_.Get(); }

  // The index of the path's icon in the image list, added when the list does not hold it yet; -1 when the
  // system gives no icon at all. mode kFavoritesIconMode gives Internet shortcuts their own icon.
  int Add(const std::wstring& path, int mode);

 private:
  int AddFromShell(const std::wstring& path, int mode);
  bool IsInternetShortcutType(const wchar_t* typeName);
  Icon IconFor(const IconChoice& choice, HIMAGELIST systemList) const;

  ImageList list_;
  IconKeys keys_;
  std::map<std::u16string, int> byKind_;  // image of each kind of icon that paths share (SharedIconKind)
  std::wstring shortcutTypeName_;
  bool shortcutTypeKnown_ = false;
};

}  // namespace tapstart
