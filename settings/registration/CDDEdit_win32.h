// A program slot of the registration dialog: a read-only edit that shows what the slot holds, takes drops from
// the source trees, the lists and the other slots, can itself be dragged onto another slot, and opens the slot
// menu. Typing is kept out: the only keys are Delete, the Apps key and caret moves.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "ui/DragDrop_win32.h"

namespace tapstart {

// What a slot asks of the window that hosts it.
class SlotOwner {
 public:
  virtual ~SlotOwner() = default;
  // A drag of the slot begins: true when the host takes it as its pending transfer; SlotDragEnded follows.
  virtual bool SlotDragBegins(int slot) = 0;
  virtual void SlotDragEnded() = 0;
  // The slot menu at a point of the screen.
  virtual void SlotMenu(int slot, POINT screen) = 0;
  // The Delete key in the slot.
  virtual void SlotDeleteKey(int slot) = 0;
  // Whether a drag over the slot would be taken; offersText: the data carries text.
  virtual bool SlotAccepts(int slot, bool offersText) = 0;
  // Something was dropped on the slot: its text, empty when it carried none.
  virtual void SlotDropped(int slot, const std::wstring& text) = 0;
};

// The slot's drop target: every question goes to the slot's host.
class SlotDropTarget final : public DropTarget {
 public:
  SlotDropTarget(SlotOwner& owner, int slot) : owner_(owner), slot_(slot) {}

 protected:
  DWORD Accepts(IDataObject* data) override;
  void Dropped(IDataObject* data) override;

 private:
  SlotOwner& owner_;
  int slot_;
};

class CDDEdit {
 public:
  CDDEdit(SlotOwner& owner, int slot) : owner_(owner), slot_(slot), target_(owner, slot) {}
  CDDEdit(const CDDEdit&) = delete;
  CDDEdit& operator=(const CDDEdit&) = delete;
  ~CDDEdit();

  // Takes over the edit's mouse and keys and registers its drop target.
  [[nodiscard]] bool Attach(HWND edit);
  HWND Hwnd() const { return edit_; }
  int Slot() const { return slot_; }
  // The slot's drop target, as OLE reaches it.
  IDropTarget& Target() { return target_; }

 private:
  void Detach();
  void OnLeftButton();
  void OnAppsKey();
  void MoveCaret(int by);
  bool OnKey(WPARAM key);
  static LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR data);

  SlotOwner& owner_;
  int slot_;
  SlotDropTarget target_;
  HWND edit_ = nullptr;
};

}  // namespace tapstart
