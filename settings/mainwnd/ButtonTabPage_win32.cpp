// The button pages of the main window.
#include "mainwnd/ButtonTabPage_win32.h"

#include "mainwnd/CfrmMain_win32.h"
#include "mainwnd/CtabMainOSDTab_win32.h"
#include "mainwnd/MainServices.h"
#include "res/resource.h"
#include "store/UserData.h"

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

CtabMainDTTab::CtabMainDTTab(CfrmMain& main) : ButtonTabPage(main, kDesktopIds) {}
CtabMainNTTab::CtabMainNTTab(CfrmMain& main) : ButtonTabPage(main, kNotebookIds) {}

ButtonTabPage::ButtonTabPage(CfrmMain& main, const ButtonPageIds& ids)
    : Dialog(ids.templateId), main_(main), ids_(ids) {}

int ButtonTabPage::PositionOf(HWND window) const {
  for (int i = 0; i < ids_.positions; ++i)
    if (window != nullptr && window == Item(ids_.buttons[i])) return i;
  return -1;
}

void ButtonTabPage::ShowName(int position, const std::u16string& name) {
  filling_ = true;
  const std::u16string shown = name.substr(0, kNameLimit);
  SetItemText(ids_.edits[position], std::wstring(shown.begin(), shown.end()));
  filling_ = false;
}

void ButtonTabPage::HidePosition(int position) {
  for (int id : {ids_.labels[position], ids_.buttons[position], ids_.edits[position]}) {
    ShowItem(id, false);
    EnableItem(id, false);
  }
}

BOOL ButtonTabPage::OnInitDialog() {
  const MachineSettings& m = main_.Model().machine;
  for (int i = 0; i < ids_.positions; ++i) {
    int shape = CRoundButton::kRound;
    if (ids_.page == kDesktopPage) {
      if (m.qstart != 0 && m.qstart != 1 && i != 0) shape = 0;
    } else if (m.imageMode == 2 || m.qstart != 0) {
      shape = 0;
    }
    buttons_[i].SetShape(shape);
    (void)buttons_[i].Attach(Item(ids_.buttons[i]));  // a failed attach leaves a plain button that still works
    SendItem(ids_.edits[i], EM_SETLIMITTEXT, kNameLimit);
  }
  return TRUE;
}

bool ButtonTabPage::OnCommand(int id, int code, HWND control) {
  for (int i = 0; i < ids_.positions; ++i) {
    if (id == ids_.buttons[i]) {
      if (code == BN_CLICKED) main_.EditButton(ids_.firstRecord + i);
      if (code == BN_SETFOCUS) main_.MarkFocus(ids_.labels[i], true);
      if (code == BN_KILLFOCUS) main_.MarkFocus(ids_.labels[i], false);
      return true;
    }
    if (id == ids_.edits[i] && code == EN_UPDATE) {
      if (!filling_) {
        const std::wstring text = ItemText(id);
        main_.Model().live.buttons[ids_.firstRecord + i].name = std::u16string(text.begin(), text.end());
      }
      return true;
    }
  }
  if (id == ids_.pattern && code == CBN_SELCHANGE) {
    main_.ChangePattern(ids_.page);
    return true;
  }
  if (code != BN_CLICKED) return false;
  if (id == ids_.manager) {
    main_.RunSettingManager();
  } else if (id == ids_.wizard) {
    main_.RunWizard(ids_.page);
  } else if (id == ids_.defaults) {
    main_.RestoreDefaults(ids_.page);
  } else if (id == IDOK) {
    main_.PageOk();
  } else if (id == IDCANCEL) {
    main_.PageClose();
  } else {
    return false;
  }
  (void)control;
  return true;
}

bool ButtonTabPage::OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) {
  switch (msg) {
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(w);
      const int id = GetDlgCtrlID(reinterpret_cast<HWND>(l));
      const bool marked = main_.ButtonHasFocus() && id == main_.FocusedLabel();
      SetTextColor(dc, marked ? RGB(255, 0, 0) : RGB(0, 0, 0));
      SetBkMode(dc, TRANSPARENT);
      result = reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    }
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
  const std::u16string line = main_.CommandLineSwitch();
  const int layout = main_.TabLayout();
  bool contents = false;
  if (ids_.page == kDesktopPage) {
    contents =
        ((layout == -1 || layout == 1) && (line == u"/k" || line == u"/t:0")) || (layout == 1 && line == u"/t:1");
  } else {
    contents =
        (layout == 0 && (line == u"/k" || line == u"/t:0")) || ((layout == 0 || layout == -1) && line == u"/t:1");
    if (contents) main_.SelectTab(layout == 0 ? 0 : 1);
  }
  if (!contents || activations_ > 1) {
    SetFocus(main_.Item(IDC_MAIN_TAB));
    return;
  }
  if (main_.Model().machine.hidePatternControls) {
    SendDlgItemMessageW(main_.Hwnd(), IDC_MAIN_OK, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    SendItem(ids_.defaults, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    SetFocus(Item(ids_.defaults));
  } else {
    SetFocus(Item(ids_.pattern));
  }
}

}  // namespace tapstart
