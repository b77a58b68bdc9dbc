// The program registration dialog: one button's programs, launch method or special entry, picked from the source
// trees and lists and sent into five slots by menu, Apps key or drag and drop.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "manager/CfrmInputBox_win32.h"
#include "registration/CDDEdit_win32.h"
#include "registration/CDDListBox_win32.h"
#include "registration/CTreeViewUtl_win32.h"
#include "registration/SetApModel.h"
#include "registration/SetApSystem_win32.h"
#include "store/SettingsStore.h"
#include "ui/Dialog_win32.h"
#include "ui/Handles_win32.h"

namespace tapstart {

// What the dialog shares with the run of the program: the store it reads its switches and sources from, the
// interface language, and the flags and the IME changer's place that the wizard shares too.
struct RegistrationContext {
  SettingsStore& store;
  bool japaneseUi = false;
  RegistrationFlags& flags;
  ImeChangerLocation& changer;
};

class CfrmSetAp : public Dialog, public TreeOwner, public ListOwner, public SlotOwner {
 public:
  CfrmSetAp(const APPKEY_DATA& record, RegistrationContext context, MenuFn menu = TrackPopup,
            InputBoxFn inputBox = RunInputBox);
  ~CfrmSetAp() override;

  // The edited record once OK closed the dialog; nothing after Cancel.
  const std::optional<APPKEY_DATA>& Result() const { return result_; }
  const SetApModel& Model() const { return model_; }
  CTreeViewUtl& Tree(TreeKind kind);
  CDDEdit& Slot(int slot) { return *slots_[static_cast<size_t>(slot)]; }
  // The source control shown for the selected tab.
  void ShowSelectedSource();
  // A dialog made ahead (on no record, hidden) takes the clicked button's record before it is shown.
  void Present(const APPKEY_DATA& record);

  // What the trees, the lists and the slots ask of the dialog.
  // TreeOwner
  void TreeRightClick(CTreeViewUtl& tree, HTREEITEM item, POINT screen) override;
  void TreeAppsKey(CTreeViewUtl& tree, HTREEITEM item, POINT screen) override;
  bool TreeDragBegins(CTreeViewUtl& tree, HTREEITEM item) override;
  void TreeDragEnded(CTreeViewUtl& tree) override;
  // ListOwner
  std::optional<std::wstring> ListDragBegins(ListKind list, int line) override;
  void ListDragEnded(ListKind list) override;
  void ListSendMenu(ListKind list, POINT screen) override;
  // SlotOwner
  bool SlotDragBegins(int slot) override;
  void SlotDragEnded() override;
  void SlotMenu(int slot, POINT screen) override;
  void SlotDeleteKey(int slot) override;
  bool SlotAccepts(int slot, bool offersText) override;
  void SlotDropped(int slot, const std::wstring& text) override;

 protected:
  BOOL OnInitDialog() override;
  void OnDpiChanged() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnButtonClicked(int id) override;
  void OnOK() override;
  void OnCancel() override { cmdCancel_Click(); }
  bool OnNotify(NMHDR* header, LRESULT& result) override;
  bool OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) override;
  void OnDestroy() override;

 private:
  // Initialisation, in its order.
  void AttachControls();
  void SizeTabs();
  void InsertTabs();
  void SetFonts();
  void SetTexts();
  void FillSources();
  void FitSourcesToTabs();
  void ApplyDelSerial();
  void ApplyAddHelp();

  void ShowView();
  void RememberTreeItem(CTreeViewUtl& tree, HTREEITEM item);
  void ShowTreeSendMenu(POINT screen);
  void RunParameterSetting(int slot);
  void cmdOK_Click();
  void cmdCancel_Click();
  void optMethod_Click(int id);
  bool OnTabKey(WPARAM key);
  // The hint line's WM_CTLCOLORSTATIC answer: its own light blue, or the system's colours in high contrast.
  INT_PTR HintColour(HDC dc) const;
  static LRESULT CALLBACK TabSubclass(HWND tab, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR data);

  RegistrationContext context_;
  SetApSystem system_;
  SetApModel model_;
  MenuFn menu_;
  InputBoxFn inputBox_;
  bool offerFavorites_ = false;
  CTreeViewUtl startMenu_{TreeKind::StartMenu};
  CTreeViewUtl favorites_{TreeKind::Favorites};
  CTreeViewUtl allFiles_{TreeKind::AllFiles};
  CDDListBox mediaCenter_{ListKind::MediaCenter};
  CDDListBox keys_{ListKind::ShortcutKey};
  CDDListBox ime_{ListKind::Ime};
  std::array<std::unique_ptr<CDDEdit>, kProgramsPerButton> slots_;
  bool okShownEnabled_ = true;
  Font tabFont_;
  Font textFont_;
  Font treeFont_;
  Brush hintBrush_;
  std::optional<APPKEY_DATA> result_;
};

// The dialog made ahead over owner, hidden, with its sources read and its trees filled, so that a click on a
// round button shows it at once; null when it could not be made.
std::unique_ptr<CfrmSetAp> PrepareRegistration(HWND owner, RegistrationContext context);
// Runs the dialog modally over owner on a copy of the record (the one made ahead when given, else one made now);
// the edited record on OK, nothing on Cancel.
std::optional<APPKEY_DATA> RunRegistration(HWND owner, const APPKEY_DATA& record, RegistrationContext context,
                                           std::unique_ptr<CfrmSetAp> prepared = nullptr);

}  // namespace tapstart
