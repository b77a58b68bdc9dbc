// The control wrappers: each call is the control's own message.
#include "Controls_win32.h"

namespace tapstart {
namespace {

// The text of a list item whose length the control reports first; empty for an index outside the list.
template <UINT kLengthMsg, UINT kTextMsg>
std::wstring ItemText(HWND control, int index) {
  const LRESULT n = SendMessageW(control, kLengthMsg, static_cast<WPARAM>(index), 0);
  if (n <= 0) return {};
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  const LRESULT got =
      SendMessageW(control, kTextMsg, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

int AsIndex(LRESULT r) { return r < 0 ? -1 : static_cast<int>(r); }

}  // namespace

ScopedRedrawOff::ScopedRedrawOff(HWND window) : window_(window) { SendMessageW(window_, WM_SETREDRAW, FALSE, 0); }

ScopedRedrawOff::~ScopedRedrawOff() {
  SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(window_, nullptr, TRUE);
}

void Button::SetDefaultLook(bool look) const {
  SendMessageW(h_, BM_SETSTYLE, look ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}
bool Button::IsChecked() const { return SendMessageW(h_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void Button::SetChecked(bool checked) const { SendMessageW(h_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0); }
void Button::Click() const {
  SendMessageW(GetParent(h_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h_), BN_CLICKED), reinterpret_cast<LPARAM>(h_));
}

void ComboBox::Fill(const std::vector<std::wstring>& items) const {
  ScopedRedrawOff quiet(h_);
  SendMessageW(h_, CB_RESETCONTENT, 0, 0);
  // Inserted by index: a sorted combo would reorder added items, inserted ones keep the caller's order.
  for (size_t i = 0; i < items.size(); ++i)
    SendMessageW(h_, CB_INSERTSTRING, i, reinterpret_cast<LPARAM>(items[i].c_str()));
}
int ComboBox::Count() const { return AsIndex(SendMessageW(h_, CB_GETCOUNT, 0, 0)); }
int ComboBox::Selected() const { return AsIndex(SendMessageW(h_, CB_GETCURSEL, 0, 0)); }
void ComboBox::Select(int index) const { SendMessageW(h_, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
std::wstring ComboBox::Text(int index) const { return ItemText<CB_GETLBTEXTLEN, CB_GETLBTEXT>(h_, index); }
int ComboBox::FindExact(const std::wstring& text) const {
  if (text.empty()) return -1;
  return AsIndex(SendMessageW(h_, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())));
}
void ComboBox::SetData(int index, LPARAM data) const {
  SendMessageW(h_, CB_SETITEMDATA, static_cast<WPARAM>(index), data);
}
LPARAM ComboBox::Data(int index) const { return SendMessageW(h_, CB_GETITEMDATA, static_cast<WPARAM>(index), 0); }

void ListBox::Fill(const std::vector<std::wstring>& items) const {
  ScopedRedrawOff quiet(h_);
  SendMessageW(h_, LB_RESETCONTENT, 0, 0);
  for (size_t i = 0; i < items.size(); ++i)
    SendMessageW(h_, LB_INSERTSTRING, i, reinterpret_cast<LPARAM>(items[i].c_str()));
}
int ListBox::Insert(int index, const std::wstring& text) const {
  return AsIndex(SendMessageW(h_, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())));
}
void ListBox::Delete(int index) const { SendMessageW(h_, LB_DELETESTRING, static_cast<WPARAM>(index), 0); }
void ListBox::Replace(int index, const std::wstring& text) const {
  // Inserting before deleting keeps the list's length, so the selection never falls off its end.
  Insert(index, text);
  Delete(index + 1);
}
int ListBox::Count() const { return AsIndex(SendMessageW(h_, LB_GETCOUNT, 0, 0)); }
int ListBox::Selected() const { return AsIndex(SendMessageW(h_, LB_GETCURSEL, 0, 0)); }
void ListBox::Select(int index) const { SendMessageW(h_, LB_SETCURSEL, static_cast<WPARAM>(index), 0); }
std::wstring ListBox::Text(int index) const { return ItemText<LB_GETTEXTLEN, LB_GETTEXT>(h_, index); }
bool ListBox::ItemRect(int index, RECT& rect) const {
  return SendMessageW(h_, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)) != LB_ERR;
}

int TabControl::Count() const { return AsIndex(SendMessageW(h_, TCM_GETITEMCOUNT, 0, 0)); }
int TabControl::Selected() const { return AsIndex(SendMessageW(h_, TCM_GETCURSEL, 0, 0)); }
void TabControl::Select(int index) const { SendMessageW(h_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0); }
bool TabControl::Insert(int index, const std::wstring& text) const {
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  std::wstring copy = text;
  item.pszText = copy.data();
  return SendMessageW(h_, TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) >= 0;
}
void TabControl::SetText(int index, const std::wstring& text) const {
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  std::wstring copy = text;
  item.pszText = copy.data();
  SendMessageW(h_, TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}
std::wstring TabControl::Text(int index) const {
  wchar_t buffer[256] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = buffer;
  item.cchTextMax = static_cast<int>(std::size(buffer));
  if (!SendMessageW(h_, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) return {};
  return item.pszText != nullptr ? std::wstring(item.pszText) : std::wstring();
}
void TabControl::Delete(int index) const { SendMessageW(h_, TCM_DELETEITEM, static_cast<WPARAM>(index), 0); }
void TabControl::SetItemSize(int width, int height) const {
  SendMessageW(h_, TCM_SETITEMSIZE, 0, MAKELPARAM(width, height));
}
RECT TabControl::DisplayArea() const {
  RECT area{};
  GetClientRect(h_, &area);
  SendMessageW(h_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  return area;
}

HTREEITEM TreeView::Insert(HTREEITEM parent, const NewItem& item) const {
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  std::wstring text = item.text;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_PARAM;
  insert.item.pszText = text.data();
  insert.item.iImage = item.image;
  insert.item.iSelectedImage = item.image;
  insert.item.cChildren = item.hasChildren ? 1 : 0;
  insert.item.lParam = item.data;
  return reinterpret_cast<HTREEITEM>(SendMessageW(h_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}
void TreeView::DeleteAll() const { SendMessageW(h_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); }
int TreeView::Count() const { return AsIndex(SendMessageW(h_, TVM_GETCOUNT, 0, 0)); }
HTREEITEM TreeView::Root() const { return TreeView_GetRoot(h_); }
HTREEITEM TreeView::Child(HTREEITEM item) const { return TreeView_GetChild(h_, item); }
HTREEITEM TreeView::Next(HTREEITEM item) const { return TreeView_GetNextSibling(h_, item); }
HTREEITEM TreeView::Parent(HTREEITEM item) const { return TreeView_GetParent(h_, item); }
HTREEITEM TreeView::Caret() const { return TreeView_GetSelection(h_); }
HTREEITEM TreeView::FirstVisible() const { return TreeView_GetFirstVisible(h_); }
void TreeView::Select(HTREEITEM item) const { TreeView_SelectItem(h_, item); }
void TreeView::Expand(HTREEITEM item, UINT how) const { TreeView_Expand(h_, item, how); }
bool TreeView::IsExpanded(HTREEITEM item) const {
  return (TreeView_GetItemState(h_, item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}
std::wstring TreeView::Text(HTREEITEM item) const {
  // Paths and names are at most what the file system holds; longer texts are cut there.
  std::wstring text(MAX_PATH * 4, L'\0');
  TVITEMW query{};
  query.mask = TVIF_TEXT;
  query.hItem = item;
  query.pszText = text.data();
  query.cchTextMax = static_cast<int>(text.size());
  if (!TreeView_GetItem(h_, &query)) return {};
  text.resize(wcsnlen(text.c_str(), text.size()));
  return text;
}
LPARAM TreeView::Data(HTREEITEM item) const {
  TVITEMW query{};
  query.mask = TVIF_PARAM;
  query.hItem = item;
  return TreeView_GetItem(h_, &query) ? query.lParam : 0;
}
void TreeView::SetHasChildren(HTREEITEM item, bool hasChildren) const {
  TVITEMW change{};
  change.mask = TVIF_CHILDREN;
  change.hItem = item;
  change.cChildren = hasChildren ? 1 : 0;
  TreeView_SetItem(h_, &change);
}
bool TreeView::ItemRect(HTREEITEM item, bool textOnly, RECT& rect) const {
  return TreeView_GetItemRect(h_, item, &rect, textOnly ? TRUE : FALSE) != FALSE;
}
HTREEITEM TreeView::HitTest(POINT client) const {
  TVHITTESTINFO hit{};
  hit.pt = client;
  return TreeView_HitTest(h_, &hit);
}
void TreeView::SetImageList(HIMAGELIST images) const { TreeView_SetImageList(h_, images, TVSIL_NORMAL); }

}  // namespace tapstart
