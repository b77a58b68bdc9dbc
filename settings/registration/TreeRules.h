// The naming and path rules of the program source trees: the Start Menu merge, Favorites and drive items.
#pragma once

#include <string>
#include <string_view>

#include "registration/ListSources.h"

namespace tapstart {

// The two Start Menu folders, each without a trailing "\"; merged only when the shell gave both.
struct StartMenuFolders {
  std::u16string user;
  std::u16string common;
  bool merge = false;
};
StartMenuFolders MakeStartMenuFolders(std::u16string_view user, std::u16string_view common);

// The folder whose entries join those of a Start Menu folder. Merged: the common folder for the user's Start
// Menu itself, the common folder's counterpart for a folder inside it, else the folder itself. Not merged: the
// folder with the first occurrence of the user's logon name replaced by "All Users".
std::u16string CounterpartFolder(std::u16string_view path, const StartMenuFolders& folders,
                                 std::u16string_view logonName);

// Paths compared as the file system compares them for the letters A to Z: without regard to case.
bool SamePath(std::u16string_view a, std::u16string_view b);
// Folders compared the same way, a trailing "\" on either side aside.
bool SameFolder(std::u16string_view a, std::u16string_view b);
// True for a name or path ending in ".url", letter case aside.
bool EndsWithUrl(std::u16string_view path);

// A Favorites file is shown without ".url".
std::u16string_view FavoriteText(std::u16string_view name);

// Drive items: "c:" or "c:[label]", standing for "c:\".
std::u16string DriveItemText(std::u16string_view drive, std::u16string_view label);
std::u16string DriveItemPath(std::u16string_view drive);

// path + "\" + name; a path that ends in "\" (a drive) gets no second one, an empty path none at all.
std::u16string ChildPath(std::u16string_view path, std::u16string_view name);

// What the All Files tree does about the Japanese IME changer program. While the wizard gathers several
// programs the changer cannot be one of them: it is left out of folder listings, and a folder that holds
// nothing else shows no children. Otherwise it is listed and can be picked as a single special entry.
struct DriveFolderRules {
  ImeChangerLocation changer;
  bool severalPrograms = false;
  bool LeavesChangerOut() const { return severalPrograms && !changer.program.empty(); }
};

}  // namespace tapstart
