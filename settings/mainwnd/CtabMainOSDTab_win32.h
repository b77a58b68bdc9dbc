// The on-screen display page of the main window: display switch, font, size and colour, with a live preview.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "mainwnd/FocusRules.h"
#include "mainwnd/MainServices.h"
#include "ui/Dialog_win32.h"
#include "ui/Handles_win32.h"

namespace tapstart {

using CustomColors = std::array<COLORREF, 16>;

// The system's colour dialog with the live colour as its initial colour; the chosen colour, or nothing on Cancel.
// The custom colours are the dialog's to change and persist in the caller.
std::optional<COLORREF> RunColorDialog(HWND owner, COLORREF initial, CustomColors& custom);

class CtabMainOSDTab : public Dialog {
 public:
  // Opens the colour choice; the real dialog unless a test puts another function here.
  using ColorChooser = std::function<std::optional<COLORREF>(HWND owner, COLORREF initial, CustomColors& custom)>;

  // The page edits services.LiveOnScreen() directly; create it with CreateModeless(main window, UI face).
  explicit CtabMainOSDTab(MainServices& services);
  ~CtabMainOSDTab() override;

  // Captions from the string table and the size list "Minimum" to "Maximum" with item data 1 to 5.
  void SetCaptions();
  // The main window's fonts (it owns them): the UI font on the buttons, check box and labels, the large font on
  // the two combo boxes. The preview keeps its own font.
  void ApplyFonts(HFONT uiFont, HFONT largeFont, BOOL redraw = TRUE);
  // Enumerates the screen's fonts into the font combo, in the order collected, and selects the live face; once,
  // when the page is first shown (or before, when asked), since the enumeration takes longer than the rest of the
  // main window's start.
  const std::vector<std::u16string>& FillFontList();
  const std::vector<std::u16string>& FontList() const { return fonts_; }
  // Shows the live settings (after loading and after Default): check box, enabling, selections, preview.
  void ShowSettings();
  // Redraws the preview with the live font, size and colour, and the preview text or the pattern's name.
  void RefreshPreview();
  // Carries out an Alt key of the page as the main window's keyboard filter decided it.
  void RunAltCommand(AltCommand command);
  // Whether the display switch is on: the font, size and colour controls follow it.
  bool DisplayOn() const;
  // The default-button look off the page's push buttons.
  void ClearDefaultLook();

  const CustomColors& CustomColorTable() const { return customColors_; }
  int Activations() const { return activations_; }
  ColorChooser chooseColor = RunColorDialog;

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnButtonClicked(int id) override;
  void OnOK() override { services_.PageOk(); }
  void OnCancel() override { services_.PageClose(); }
  bool OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) override;

 private:
  void FontChosen();
  void SizeChosen();
  void DisplayClicked();
  void EnableDependents(bool enable);
  void ChooseColorForPreview();
  void PlaceFirstFocus();
  void SelectLiveFont();

  MainServices& services_;
  std::vector<std::u16string> fonts_;
  bool fontsFilled_ = false;
  Font previewFont_;
  CustomColors customColors_{};  // all black until the user adds some
  int activations_ = 0;
  bool firstPaintArmed_ = false;
};

}  // namespace tapstart
