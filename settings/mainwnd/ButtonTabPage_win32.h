// A button page of the main window: round buttons, their names, the pattern list and the page's commands.
// The desktop page and the notebook page are one design with their own ids and records.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "mainwnd/CRoundButton_win32.h"
#include "mainwnd/MainServices.h"
#include "ui/Dialog_win32.h"

namespace tapstart {

struct ButtonPageIds {
  PageIndex page;  // kDesktopPage or kNotebookPage
  UINT templateId;
  int firstRecord;  // record of position 0
  int positions;    // 5 or 3
  std::array<int, 5> buttons, labels, edits;
  int manager, wizard, defaults, pattern, patternLabel, group;
};

class ButtonTabPage : public Dialog {
 public:
  ButtonTabPage(MainServices& main, const ButtonPageIds& ids);

  const ButtonPageIds& Ids() const { return ids_; }
  CRoundButton& Button(int position) { return buttons_[position]; }
  // The position of a round button window, or -1.
  int PositionOf(HWND window) const;
  // Shows one record's name in its edit without counting as an edit.
  void ShowName(int position, const std::u16string& name);
  // Sets the label of a position ("Button 1", "Fn + 1", a named key or the machine's own name).
  void SetLabel(int position, const std::wstring& text);
  // Hides and disables a position's label, round button and name edit.
  void HidePosition(int position);
  // Hides and disables the pattern label, the pattern list and the Setting Manager button.
  void HidePatternControls();
  // The default-button look off the page's push buttons.
  void ClearDefaultLook();
  // Focus to a control of the page and its click, as its access key does.
  void RunCommand(int id);
  int Activations() const { return activations_; }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnButtonClicked(int id) override;
  void OnOK() override { main_.PageOk(); }
  void OnCancel() override { main_.PageClose(); }
  bool OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) override;
  // The round buttons take the page's new scale: their pictures' rendering and circles.
  void OnDpiChanged() override;

 private:
  void FitButtonToPicture(int position) const;
  void PlaceFirstFocus();
  INT_PTR LabelColour(HDC dc, HWND label) const;
  // Gives a round button its label and its edit's name as window text, which screen readers read.
  void NameButton(int position);

  MainServices& main_;
  ButtonPageIds ids_;
  std::array<CRoundButton, 5> buttons_;
  bool filling_ = false;
  int activations_ = 0;
  bool firstPaintArmed_ = false;
};

// The desktop keyboard's buttons, records 0 to 4.
class CtabMainDTTab : public ButtonTabPage {
 public:
  explicit CtabMainDTTab(MainServices& main);
};

// The notebook's buttons, records 5 to 7.
class CtabMainNTTab : public ButtonTabPage {
 public:
  explicit CtabMainNTTab(MainServices& main);
};

}  // namespace tapstart
