// Thin wrappers over the controls the dialogs use: each borrows a control's window and sends its messages, so
// that no dialog sends raw combo, list, tab, tree or button messages. Fills run with redraw off: under Wine a
// visible list or tree repaints after every insert.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace tapstart {

// A child window's rectangle in its parent's client coordinates.
inline RECT ChildRect(HWND parent, HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Where the mouse is, in screen coordinates.
inline POINT CursorAt() {
  POINT p{};
  GetCursorPos(&p);
  return p;
}

// Turns a window's redrawing off for one scope, then on again with the window invalidated.
class ScopedRedrawOff {
 public:
  explicit ScopedRedrawOff(HWND window);
  ScopedRedrawOff(const ScopedRedrawOff&) = delete;
  ScopedRedrawOff& operator=(const ScopedRedrawOff&) = delete;
  ~ScopedRedrawOff();

 private:
  HWND window_;
};

// A push button, check box or radio button.
class Button {
 public:
  explicit Button(HWND button) : h_(button) {}
  HWND Hwnd() const { return h_; }
  // The default-button look (BS_DEFPUSHBUTTON) on or off, redrawn at once.
  void SetDefaultLook(bool look) const;
  bool IsChecked() const;
  void SetChecked(bool checked) const;
  // Presses the button as a click does: its parent gets BN_CLICKED.
  void Click() const;

 private:
  HWND h_;
};

// A drop-down list.
class ComboBox {
 public:
  explicit ComboBox(HWND combo) : h_(combo) {}
  HWND Hwnd() const { return h_; }
  // Replaces the items by these, in this order.
  void Fill(const std::vector<std::wstring>& items) const;
  int Count() const;
  int Selected() const;  // -1 when none
  void Select(int index) const;
  std::wstring Text(int index) const;
  // The index of the item whose text equals this one (letter case ignored), or -1.
  int FindExact(const std::wstring& text) const;
  void SetData(int index, LPARAM data) const;
  LPARAM Data(int index) const;  // CB_ERR for an index outside the list

 private:
  HWND h_;
};

// A list box.
class ListBox {
 public:
  explicit ListBox(HWND list) : h_(list) {}
  HWND Hwnd() const { return h_; }
  void Fill(const std::vector<std::wstring>& items) const;
  // Inserts at index (-1: at the end); the index it took, or -1.
  int Insert(int index, const std::wstring& text) const;
  void Delete(int index) const;
  // Replaces the text of one line, keeping its place.
  void Replace(int index, const std::wstring& text) const;
  int Count() const;
  int Selected() const;  // -1 when none
  void Select(int index) const;
  std::wstring Text(int index) const;
  bool ItemRect(int index, RECT& rect) const;

 private:
  HWND h_;
};

// A tab control.
class TabControl {
 public:
  explicit TabControl(HWND tab) : h_(tab) {}
  HWND Hwnd() const { return h_; }
  int Count() const;
  int Selected() const;  // -1 when none
  void Select(int index) const;
  bool Insert(int index, const std::wstring& text) const;
  void SetText(int index, const std::wstring& text) const;
  std::wstring Text(int index) const;
  void Delete(int index) const;
  void SetItemSize(int width, int height) const;
  // The display area below the tabs, in the tab control's client coordinates.
  RECT DisplayArea() const;

 private:
  HWND h_;
};

// A tree view.
class TreeView {
 public:
  struct NewItem {
    std::wstring text;
    int image = 0;
    bool hasChildren = false;  // shows an expand button before the children are there
    LPARAM data = 0;
  };
  explicit TreeView(HWND tree) : h_(tree) {}
  HWND Hwnd() const { return h_; }
  // Inserts as the last child of parent (TVI_ROOT for a root item); null on failure.
  HTREEITEM Insert(HTREEITEM parent, const NewItem& item) const;
  void DeleteAll() const;
  int Count() const;
  HTREEITEM Root() const;
  HTREEITEM Child(HTREEITEM item) const;
  HTREEITEM Next(HTREEITEM item) const;
  HTREEITEM Parent(HTREEITEM item) const;
  HTREEITEM Caret() const;
  HTREEITEM FirstVisible() const;
  void Select(HTREEITEM item) const;
  void Expand(HTREEITEM item, UINT how = TVE_EXPAND) const;
  bool IsExpanded(HTREEITEM item) const;
  std::wstring Text(HTREEITEM item) const;
  LPARAM Data(HTREEITEM item) const;
  void SetHasChildren(HTREEITEM item, bool hasChildren) const;
  // The item's rectangle, its label alone when textOnly; false when the item is not visible.
  bool ItemRect(HTREEITEM item, bool textOnly, RECT& rect) const;
  // The item at a point of the client area, or null.
  HTREEITEM HitTest(POINT client) const;
  void SetImageList(HIMAGELIST images) const;

 private:
  HWND h_;
};

}  // namespace tapstart
