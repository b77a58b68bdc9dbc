// A program page's source controls.
#include "wizard/WizardSourcePane_win32.h"

#include "res/resource.h"
#include "ui/Resources_win32.h"
#include "ui/Text_win32.h"

namespace tapstart {
namespace {

// The control of each source; the IME Changer has none.
constexpr int kControls[kSingleSourceCount] = {IDC_WIZP_START_MENU, IDC_WIZP_MEDIA_CENTER, IDC_WIZP_FAVORITES,
                                               IDC_WIZP_ALL_FILES,  IDC_WIZP_SHORTCUT_KEY, 0};

void FillList(const ListBox& list, const std::vector<std::wstring>& lines) {
  list.Fill(lines);
  if (!lines.empty()) list.Select(0);
}

}  // namespace

void WizardSourcePane::Attach(std::optional<UINT> rightClickMessage) {
  if (rightClickMessage)
    rightClick_ = std::make_unique<PostOnRightClick>(page_.Hwnd(), *rightClickMessage, IDC_WIZ_NEXT);
  // A control the template lacks stays empty; the page shows nothing for it.
  (void)startMenu_->Attach(page_.Item(IDC_WIZP_START_MENU), rightClick_.get());
  (void)favorites_->Attach(page_.Item(IDC_WIZP_FAVORITES), rightClick_.get());
  (void)allFiles_->Attach(page_.Item(IDC_WIZP_ALL_FILES), rightClick_.get());
  // The lists have no Send menu and no drag here: nothing on the wizard's pages takes them.
  (void)mediaCenter_.Attach(page_.Item(IDC_WIZP_MEDIA_CENTER), nullptr);
  (void)shortcutKeys_.Attach(page_.Item(IDC_WIZP_SHORTCUT_KEY), nullptr);
}

void WizardSourcePane::FillLists(const WizardSourceData& data) {
  FillList(mediaCenter_.View(), data.mediaCenter);
  FillList(shortcutKeys_.View(), data.shortcutKeys);
}

void WizardSourcePane::FillTrees(const WizardSourceData& data, bool severalPrograms) {
  if (treesFilled_) return;
  treesFilled_ = true;
  startMenu_->FillStartMenu(UserStartMenuFolder(), LoadStr(IDS_START_MENU_ROOT));
  if (data.favorites) {
    const std::wstring folder = FavoritesFolder();
    if (!folder.empty()) favorites_->FillFavorites(folder, LoadStr(IDS_SOURCE_FAVORITES));
  }
  DriveFolderRules rules = data.driveRules;
  rules.severalPrograms = severalPrograms;
  allFiles_->FillAllFiles(data.drives, data.computerName, rules);
}

void WizardSourcePane::Show(int source) const {
  for (int s = 0; s < kSingleSourceCount; ++s)
    if (kControls[s] != 0) page_.ShowItem(kControls[s], s == source);
}

CTreeViewUtl* WizardSourcePane::TreeOf(int source) const {
  switch (source) {
    case kSourceStartMenu:
      return startMenu_.get();
    case kSourceFavorites:
      return favorites_.get();
    case kSourceAllFiles:
      return allFiles_.get();
    default:
      return nullptr;
  }
}

CTreeViewUtl* WizardSourcePane::TreeOfWindow(HWND tree) const {
  for (CTreeViewUtl* t : {startMenu_.get(), favorites_.get(), allFiles_.get()})
    if (tree != nullptr && t->Hwnd() == tree) return t;
  return nullptr;
}

std::optional<TreeSelection> WizardSourcePane::ItemOf(HWND tree, HTREEITEM item) const {
  const CTreeViewUtl* t = TreeOfWindow(tree);
  if (t == nullptr || item == nullptr) return std::nullopt;
  return TreeSelection{Utf16(t->ItemPath(item)), Utf16(t->ItemText(item)), Utf16(t->RootText())};
}

std::optional<TreeSelection> WizardSourcePane::SelectedTreeItem(int source) const {
  const CTreeViewUtl* t = TreeOf(source);
  return t != nullptr ? ItemOf(t->Hwnd(), t->View().Caret()) : std::nullopt;
}

std::optional<TreeSelection> WizardSourcePane::SelectionChange(const NMHDR& header) const {
  if (header.code != TVN_SELCHANGEDW) return std::nullopt;
  return ItemOf(header.hwndFrom, reinterpret_cast<const NMTREEVIEWW&>(header).itemNew.hItem);
}

int WizardSourcePane::SelectedLine(int source) const {
  if (source == kSourceMediaCenter) return mediaCenter_.View().Selected();
  if (source == kSourceShortcutKey) return shortcutKeys_.View().Selected();
  return -1;
}

bool WizardSourcePane::OnNotify(const NMHDR& header, LRESULT& result) {
  CTreeViewUtl* t = TreeOfWindow(header.hwndFrom);
  return t != nullptr && t->OnNotify(header, result);
}

bool WizardSourcePane::ToggleCaret(HWND tree) {
  CTreeViewUtl* t = TreeOfWindow(tree);
  if (t == nullptr) return false;
  const HTREEITEM caret = t->View().Caret();
  if (caret == nullptr) return true;
  (void)t->FillChildren(caret);  // an empty folder merely loses its button
  t->View().Expand(caret, TVE_TOGGLE);
  return true;
}

int WizardSourcePane::ListSource(int controlId) {
  if (controlId == IDC_WIZP_MEDIA_CENTER) return kSourceMediaCenter;
  if (controlId == IDC_WIZP_SHORTCUT_KEY) return kSourceShortcutKey;
  return -1;
}

}  // namespace tapstart
