// The wizard pages' common activation, picture and focus.
#include "wizard/CwizPage_win32.h"

#include "mainwnd/ButtonImage.h"
#include "res/resource.h"
#include "ui/Controls_win32.h"

namespace tapstart {
namespace {

bool IsSourceControl(HWND w) {
  wchar_t cls[32] = {};
  GetClassNameW(w, cls, 32);
  return lstrcmpiW(cls, WC_TREEVIEWW) == 0 || lstrcmpiW(cls, L"ListBox") == 0;
}

}  // namespace

BOOL CwizPage::OnInitDialog() {
  ApplyFonts();
  return TRUE;
}

// Texts and buttons take the wizard font, the source trees and lists a font of their own.
void CwizPage::ApplyFonts() const {
  const BOOL redraw = IsWindowVisible(hwnd_);
  for (HWND child = GetWindow(hwnd_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const HFONT font = IsSourceControl(child) ? host_.TreeFont() : host_.TextFont();
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
  }
}

// A new scale: the wizard has made its fonts for it, and the picture has a rendering of its own (a page not shown
// yet takes its picture when it is).
void CwizPage::OnDpiChanged() {
  ApplyFonts();
  if (picture_ && bitmap_) ShowPicture();
}

void CwizPage::OnSetActive() {
  host_.PrepareSheet(IsFinishPage());
  if (picture_) ShowPicture();
  SetTexts();
  Prepare();
  for (const std::vector<int>& group : RadioGroups()) {
    bool any = false;
    for (int id : group) any = any || ButtonItem(id).IsChecked();
    if (!any && !group.empty()) ButtonItem(group.front()).SetChecked(true);
  }
  const WizardDirection last = host_.Model().LastDirection();
  if (last == WizardDirection::Back) {
    hint_ = EntryHint::Backward;
  } else if (last != WizardDirection::None) {
    hint_ = EntryHint::Forward;
  }
}

void CwizPage::ShowPicture() {
  // The picture is loaded anew at each showing, drawn for the page's scale, and the previous one freed. The
  // picture control takes the bitmap's size.
  const int id = ScaledPictureId(IDB_WIZARD, Dpi());
  const auto bitmap = static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
  SendItem(IDC_WIZ_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
  bitmap_.Reset(bitmap);
}

bool CwizPage::OnMessage(UINT msg, WPARAM, LPARAM, INT_PTR& result) {
  if (msg == WM_PAINT && hint_ != EntryHint::None && !focusPosted_) {
    // The focus moves once the painting is done: the dialog manager would otherwise move it again.
    focusPosted_ = PostMessageW(hwnd_, kMsgPlaceFocus, 0, 0) != FALSE;
    return false;
  }
  if (msg == kMsgPlaceFocus) {
    focusPosted_ = false;
    PlaceFocus();
    result = 0;
    return true;
  }
  return false;
}

void CwizPage::PlaceFocus() {
  if (hint_ == EntryHint::Backward) host_.FocusSheetButton(IDC_WIZ_BACK);
  if (hint_ == EntryHint::Forward) host_.FocusSheetButton(IDC_WIZ_NEXT);
  hint_ = EntryHint::None;
}

int CwizPage::CheckedIn(std::initializer_list<int> group) const {
  int position = 0;
  for (int id : group) {
    if (ButtonItem(id).IsChecked()) return position;
    ++position;
  }
  return -1;
}

void CwizPage::PlaceRadios(const int* ids, const std::optional<RadioBox>* boxes, int count) {
  for (int i = 0; i < count; ++i) {
    HWND radio = Item(ids[i]);
    if (!boxes[i]) {
      ShowWindow(radio, SW_HIDE);
      EnableWindow(radio, FALSE);
      continue;
    }
    const RECT r = ChildRect(hwnd_, radio);
    SetWindowPos(radio, nullptr, r.left, boxes[i]->top, r.right - r.left, boxes[i]->height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool CwizPage::SourceNotify(WizardSourcePane& sources, const NMHDR& header, LRESULT& result) {
  if (sources.OnNotify(header, result)) return true;
  const std::optional<TreeSelection> item = sources.SelectionChange(header);
  if (!item) return false;
  host_.Show(host_.Model().SelectTreeItem(*item));
  host_.MakeNextDefault();
  return true;
}

}  // namespace tapstart
