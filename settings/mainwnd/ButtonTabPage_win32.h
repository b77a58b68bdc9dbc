// A button page of the main window: round buttons, their names, the pattern list and the page's commands.
// The desktop page and the notebook page are one design with their own ids and records.
#pragma once

#include <windows.h>

#include <array>

#include "mainwnd/CRoundButton_win32.h"
#include "ui/Dialog_win32.h"

namespace tapstart {

class CfrmMain;

struct ButtonPageIds {
  int page;  // kDesktopPage or kNotebookPage
  UINT templateId;
  int firstRecord;  // record of position 0
  int positions;    // 5 or 3
  std::array<int, 5> buttons, labels, edits;
  int manager, wizard, defaults, pattern, patternLabel, group;
};

class ButtonTabPage : public Dialog {
 public:
  ButtonTabPage(CfrmMain& main, const ButtonPageIds& ids);

  const ButtonPageIds& Ids() const { return ids_; }
  CRoundButton& Button(int position) { return buttons_[position]; }
  // The position of a round button window, or -1.
  int PositionOf(HWND window) const;
  // Shows one record's name in its edit without counting as an edit.
  void ShowName(int position, const std::u16string& name);
  // Hides and disables a position's label, round button and name edit.
  void HidePosition(int position);
  // First-paint focus: the main window sends this when the page is shown.
  int Activations() const { return activations_; }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) override;

 private:
  void PlaceFirstFocus();

  CfrmMain& main_;
  ButtonPageIds ids_;
  std::array<CRoundButton, 5> buttons_;
  bool filling_ = false;
  int activations_ = 0;
  bool firstPaintArmed_ = false;
};

// The desktop keyboard's buttons, records 0 to 4.
class CtabMainDTTab : public ButtonTabPage {
 public:
  explicit CtabMainDTTab(CfrmMain& main);
};

// The notebook's buttons, records 5 to 7.
class CtabMainNTTab : public ButtonTabPage {
 public:
  explicit CtabMainNTTab(CfrmMain& main);
};

}  // namespace tapstart
