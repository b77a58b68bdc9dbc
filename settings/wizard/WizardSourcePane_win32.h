// The source controls of one program page: three trees and two lists, one shown at a time, all filled once
// when the wizard starts (the trees to their first level).
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "registration/CDDListBox_win32.h"
#include "registration/CTreeViewUtl_win32.h"
#include "shell/CSystemDrive.h"
#include "ui/Dialog_win32.h"
#include "wizard/WizardSources.h"

namespace tapstart {

// What the trees and lists show, read once by the sheet.
struct WizardSourceData {
  std::vector<std::wstring> mediaCenter;  // the lists' lines
  std::vector<std::wstring> shortcutKeys;
  bool favorites = false;  // the favourites tree is offered
  CSystemDrive drives;
  std::wstring computerName;
  DriveFolderRules driveRules;  // the IME changer, left out of the drives tree while several programs are chosen
};

class WizardSourcePane {
 public:
  explicit WizardSourcePane(const Window& page) : page_(page) {}

  // Takes over the page's controls; a right click on a tree item posts `message` with the Next button's id to
  // the page when it is set, and otherwise the tree keeps its own handling.
  void Attach(std::optional<UINT> rightClickMessage);
  void FillLists(const WizardSourceData& data);
  // The trees' roots and first levels, once; severalPrograms: the drives tree leaves the IME changer out.
  void FillTrees(const WizardSourceData& data, bool severalPrograms);
  // Hides every source control and shows the one of the source (none for the IME Changer).
  void Show(int source) const;
  // The selected item of a tree source's tree (its caret item), or nothing.
  std::optional<TreeSelection> SelectedTreeItem(int source) const;
  // The item a tree notification is about, when it is one of this pane's trees.
  std::optional<TreeSelection> ItemOf(HWND tree, HTREEITEM item) const;
  // The item a tree's selection moved to (TVN_SELCHANGED of one of this pane's trees), or nothing.
  std::optional<TreeSelection> SelectionChange(const NMHDR& header) const;
  // The line selected in a list source's list, or -1.
  int SelectedLine(int source) const;
  // A tree's notifications: folders filled on their first opening, icons on their first drawing.
  bool OnNotify(const NMHDR& header, LRESULT& result);
  // Enter on a tree: its caret item opens or closes, filled first; false when the window is none of the trees.
  bool ToggleCaret(HWND tree);
  // The source of a list control's id, or -1.
  static int ListSource(int controlId);

 private:
  CTreeViewUtl* TreeOf(int source) const;
  CTreeViewUtl* TreeOfWindow(HWND tree) const;

  const Window& page_;
  std::unique_ptr<PostOnRightClick> rightClick_;
  bool treesFilled_ = false;
  std::unique_ptr<CTreeViewUtl> startMenu_ = std::make_unique<CTreeViewUtl>(TreeKind::StartMenu);
  std::unique_ptr<CTreeViewUtl> favorites_ = std::make_unique<CTreeViewUtl>(TreeKind::Favorites);
  std::unique_ptr<CTreeViewUtl> allFiles_ = std::make_unique<CTreeViewUtl>(TreeKind::AllFiles);
  CDDListBox mediaCenter_{ListKind::MediaCenter};
  CDDListBox shortcutKeys_{ListKind::ShortcutKey};
};

}  // namespace tapstart
