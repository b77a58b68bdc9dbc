// A source list (Media Center, shortcut keys, IME) whose selected line can be dragged onto a program slot, and
// whose right click and Apps key open its host's Send menu.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "registration/SetApModel.h"
#include "ui/Controls_win32.h"

namespace tapstart {

// What a list asks of the window that hosts it.
class ListOwner {
 public:
  virtual ~ListOwner() = default;
  // A drag of the selected line begins: the text it carries, or nothing when the host does not take it. When
  // it is taken, ListDragEnded follows, dropped or not.
  virtual std::optional<std::wstring> ListDragBegins(ListKind list, int line) = 0;
  virtual void ListDragEnded(ListKind list) = 0;
  // The Send menu of a list that has lines, at a point of the screen.
  virtual void ListSendMenu(ListKind list, POINT screen) = 0;
};

class CDDListBox {
 public:
  explicit CDDListBox(ListKind kind) : kind_(kind) {}
  CDDListBox(const CDDListBox&) = delete;
  CDDListBox& operator=(const CDDListBox&) = delete;
  ~CDDListBox();

  // Takes over a list box's mouse and keys; with no owner it keeps the control's own handling.
  [[nodiscard]] bool Attach(HWND list, ListOwner* owner);
  HWND Hwnd() const { return list_; }
  ListKind Kind() const { return kind_; }
  ListBox View() const { return ListBox(list_); }

 private:
  void OnLeftButton(LPARAM at);
  void OnRightButton();
  void OnAppsKey();
  static LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR data);

  ListKind kind_;
  HWND list_ = nullptr;
  ListOwner* owner_ = nullptr;
};

}  // namespace tapstart
