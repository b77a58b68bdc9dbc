// The button pages of the main window.
#include "mainwnd/ButtonTabPage_win32.h"

#include <algorithm>

#include "app/Contrast_win32.h"
#include "mainwnd/ButtonAccessName.h"
#include "mainwnd/ButtonImage.h"
#include "mainwnd/CMainTabCtrl_win32.h"
#include "mainwnd/FocusRules.h"
#include "mainwnd/MainModel.h"
#include "res/resource.h"
#include "store/UserData.h"
#include "ui/Controls_win32.h"
#include "ui/Resources_win32.h"
#include "ui/Text_win32.h"

namespace tapstart {
namespace {

const ButtonPageIds kDesktopIds{kDesktopPage,
                                IDD_DT_TAB,
                                0,
                                5,
                                {IDC_DT_BUTTON1, IDC_DT_BUTTON2, IDC_DT_BUTTON3, IDC_DT_BUTTON4, IDC_DT_BUTTON5},
                                {IDC_DT_LABEL1, IDC_DT_LABEL2, IDC_DT_LABEL3, IDC_DT_LABEL4, IDC_DT_LABEL5},
                                {IDC_DT_EDIT1, IDC_DT_EDIT2, IDC_DT_EDIT3, IDC_DT_EDIT4, IDC_DT_EDIT5},
                                IDC_DT_MANAGER,
                                IDC_DT_WIZARD,
                                IDC_DT_DEFAULT,
                                IDC_DT_PATTERN,
                                IDC_DT_PATTERN_LABEL,
                                IDC_DT_GROUP};

const ButtonPageIds kNotebookIds{kNotebookPage,
                                 IDD_NT_TAB,
                                 5,
                                 3,
                                 {IDC_NT_BUTTON1, IDC_NT_BUTTON2, IDC_NT_BUTTON3, 0, 0},
                                 {IDC_NT_LABEL1, IDC_NT_LABEL2, IDC_NT_LABEL3, 0, 0},
                                 {IDC_NT_EDIT1, IDC_NT_EDIT2, IDC_NT_EDIT3, 0, 0},
                                 IDC_NT_MANAGER,
                                 IDC_NT_WIZARD,
                                 IDC_NT_DEFAULT,
                                 IDC_NT_PATTERN,
                                 IDC_NT_PATTERN_LABEL,
                                 IDC_NT_GROUP};

}  // namespace

CtabMainDTTab::CtabMainDTTab(MainServices& main) : ButtonTabPage(main, kDesktopIds) {}
CtabMainNTTab::CtabMainNTTab(MainServices& main) : ButtonTabPage(main, kNotebookIds) {}

ButtonTabPage::ButtonTabPage(MainServices& main, const ButtonPageIds& ids)
    : Dialog(ids.templateId), main_(main), ids_(ids) {}

int ButtonTabPage::PositionOf(HWND window) const {
  for (int i = 0; i < ids_.positions; ++i)
    if (window != nullptr && window == Item(ids_.buttons[i])) return i;
  return -1;
}

void ButtonTabPage::ShowName(int position, const std::u16string& name) {
  filling_ = true;
  SetItemText(ids_.edits[position], Wide(name.substr(0, kNameLimit)));
  filling_ = false;
  NameButton(position);
}

void ButtonTabPage::SetLabel(int position, const std::wstring& text) {
  SetItemText(ids_.labels[position], text);
  NameButton(position);
}

void ButtonTabPage::NameButton(int position) {
  const std::u16string name =
      RoundButtonAccessName(Utf16(LoadStr(IDS_BUTTON_ACCESS_NAME)), Utf16(ItemText(ids_.labels[position])),
                            Utf16(ItemText(ids_.edits[position])));
  SetItemText(ids_.buttons[position], Wide(name));
}

void ButtonTabPage::HidePosition(int position) {
  for (int id : {ids_.labels[position], ids_.buttons[position], ids_.edits[position]}) {
    ShowItem(id, false);
    EnableItem(id, false);
  }
}

void ButtonTabPage::HidePatternControls() {
  for (int id : {ids_.patternLabel, ids_.pattern, ids_.manager}) {
    ShowItem(id, false);
    EnableItem(id, false);
  }
}

void ButtonTabPage::ClearDefaultLook() {
  for (int id : {ids_.manager, ids_.wizard, ids_.defaults}) ButtonItem(id).SetDefaultLook(false);
}

void ButtonTabPage::RunCommand(int id) {
  SetFocus(Item(id));
  ButtonItem(id).Click();
}

BOOL ButtonTabPage::OnInitDialog() {
  const MachineSettings& m = main_.Machine();
  for (int i = 0; i < ids_.positions; ++i) {
    int shape = CRoundButton::kRound;
    if (ids_.page == kDesktopPage) {
      if (m.qstart != 0 && m.qstart != 1 && i != 0) shape = 0;
    } else if (m.imageMode == 2 || m.qstart != 0) {
      shape = 0;
    }
    buttons_[i].SetShape(shape);
    buttons_[i].SetDpi(Dpi());
    FitButtonToPicture(i);
    (void)buttons_[i].Attach(Item(ids_.buttons[i]));  // a failed attach leaves a plain button that still works
    SendItem(ids_.edits[i], EM_SETLIMITTEXT, kNameLimit);
  }
  return TRUE;
}

void ButtonTabPage::OnDpiChanged() {
  for (int i = 0; i < ids_.positions; ++i) {
    FitButtonToPicture(i);
    buttons_[i].SetDpi(Dpi());
  }
}

// The dialog manager sizes a button in dialog units, which grow a little less than the DPI (at 144 DPI a button
// of 75 pixels at 96 becomes 108): a button smaller than the picture drawn for its scale grows around its centre.
void ButtonTabPage::FitButtonToPicture(int position) const {
  HWND button = Item(ids_.buttons[position]);
  if (button == nullptr) return;
  const RECT r = ChildRect(hwnd_, button);
  const int side = PictureSide(Dpi());
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  if (w >= side && h >= side) return;
  const int fitW = std::max(w, side);
  const int fitH = std::max(h, side);
  SetWindowPos(button, nullptr, r.left - (fitW - w) / 2, r.top - (fitH - h) / 2, fitW, fitH,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ButtonTabPage::OnCommand(int id, int code, HWND) {
  for (int i = 0; i < ids_.positions; ++i) {
    if (id == ids_.buttons[i]) {
      if (code == BN_CLICKED) main_.EditButton(ids_.firstRecord + i);
      if (code == BN_SETFOCUS || code == BN_KILLFOCUS) main_.MarkFocus(ids_.labels[i], code == BN_SETFOCUS);
      return true;
    }
    if (id == ids_.edits[i] && code == EN_UPDATE) {
      if (!filling_) {
        main_.LiveUserData().buttons[ids_.firstRecord + i].name = Utf16(ItemText(id));
        NameButton(i);
      }
      return true;
    }
  }
  if (id == ids_.pattern && code == CBN_SELCHANGE) {
    main_.ChangePattern(ids_.page);
    return true;
  }
  return false;
}

bool ButtonTabPage::OnButtonClicked(int id) {
  if (id == ids_.manager) {
    main_.RunSettingManager();
  } else if (id == ids_.wizard) {
    main_.RunWizard(ids_.page);
  } else if (id == ids_.defaults) {
    main_.RestoreDefaults(ids_.page);
  } else {
    return false;
  }
  return true;
}

INT_PTR ButtonTabPage::LabelColour(HDC dc, HWND label) const {
  const bool marked = main_.IsMarked(GetDlgCtrlID(label));
  const PaintedElement element = marked ? PaintedElement::kFocusedButtonLabel : PaintedElement::kButtonLabel;
  // Both looks paint on a system colour's brush: no brush of the page's own is needed.
  return reinterpret_cast<INT_PTR>(ApplyPaint(dc, PaintFor(element, HighContrastOn()), nullptr));
}

bool ButtonTabPage::OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) {
  switch (msg) {
    case WM_CTLCOLORSTATIC:
      result = LabelColour(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
      return true;
    case WM_ACTIVATEAPP:
      main_.SetAppActive(w != FALSE);
      return false;
    case kMsgPageShown:
      ++activations_;
      firstPaintArmed_ = true;
      InvalidateRect(hwnd_, nullptr, FALSE);
      return true;
    case WM_PAINT:
      if (firstPaintArmed_) {
        firstPaintArmed_ = false;
        PlaceFirstFocus();
      }
      return false;
    default:
      return false;
  }
}

void ButtonTabPage::PlaceFirstFocus() {
  const FirstFocus focus = DecideButtonPageFirstFocus(ids_.page, activations_, main_.CommandLineText(), main_.Layout());
  if (focus.selectTab >= 0) main_.ShowTab(focus.selectTab);
  if (!focus.onPage) {
    main_.FocusTabControl();
    return;
  }
  if (main_.Machine().hidePatternControls) {
    main_.TakeDefaultLookFromOk();
    ButtonItem(ids_.defaults).SetDefaultLook(true);
    SetFocus(Item(ids_.defaults));
  } else {
    SetFocus(Item(ids_.pattern));
  }
}

}  // namespace tapstart
