// The common part of the wizard's pages: fonts, the order of activation, the picture, and where the focus
// goes once a page has been painted.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <vector>

#include "ui/Handles_win32.h"
#include "ui/PropertyPage_win32.h"
#include "wizard/WizardHost_win32.h"
#include "wizard/WizardSourcePane_win32.h"
#include "wizard/WizardSources.h"

namespace tapstart {

// A page's private messages: the focus placed after painting, and the button page's focus on Cancel.
inline constexpr UINT kMsgPlaceFocus = WM_APP + 1;
inline constexpr UINT kMsgFocusCancel = WM_APP + 2;
// A tree on the single-program page asks for Next with this message and the Next button's id.
inline constexpr UINT kMsgTreeNext = WM_USER + 1;

// How the page was entered, which decides where the focus goes at the next paint.
enum class EntryHint { None = 0, Backward = 1, Forward = 2, NameTyped = 3 };

class CwizPage : public PropertyPage {
 public:
  CwizPage(UINT templateId, WizardHost& host, bool picture)
      : PropertyPage(templateId), host_(host), picture_(picture) {}

  EntryHint Hint() const { return hint_; }

 protected:
  BOOL OnInitDialog() override;
  void OnDpiChanged() override;
  // Activation in order: the sheet's caption and buttons, the picture, the texts, the page's own set-up, the
  // first radio of an empty group, the entry hint.
  void OnSetActive() final;
  bool OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) override;

  virtual void SetTexts() = 0;
  virtual void Prepare() {}
  virtual bool IsFinishPage() const { return false; }
  // The page's radio groups, each from its first radio; a group with none checked gets its first checked.
  virtual std::vector<std::vector<int>> RadioGroups() const { return {}; }
  // After painting: Back when entered backward, Next when entered forward.
  virtual void PlaceFocus();

  // The checked radio's position in a group, or -1.
  int CheckedIn(std::initializer_list<int> group) const;
  // Moves each offered radio to its box; a radio without one is hidden and disabled.
  void PlaceRadios(const int* ids, const std::optional<RadioBox>* boxes, int count);
  // A source pane's notifications: its own first, then a tree selection becomes the wizard's selection.
  bool SourceNotify(WizardSourcePane& sources, const NMHDR& header, LRESULT& result);
  void SetHint(EntryHint hint) { hint_ = hint; }

  WizardHost& host_;

 private:
  void ShowPicture();
  void ApplyFonts() const;
  bool picture_;
  Bitmap bitmap_;
  EntryHint hint_ = EntryHint::None;
  bool focusPosted_ = false;
};

}  // namespace tapstart
