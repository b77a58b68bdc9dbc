// OLE drag and drop between the program's own controls: a data object that carries one text as UTF-16
// (CF_UNICODETEXT), the drag itself, the wait for the mouse to leave a start rectangle, and a drop-target base
// that a control registers. The thread has OLE initialised (OleInitialize).
#pragma once

#include <windows.h>
#include <ole2.h>

#include <optional>
#include <string>

#include "ui/Handles_win32.h"

namespace tapstart {

// A data object holding the text as CF_UNICODETEXT in movable global memory; without a text, one that offers
// no data at all (a move whose meaning the dialog holds).
[[nodiscard]] ComPtr<IDataObject> MakeTextDataObject(const std::optional<std::wstring>& text);

// Whether the object offers text as CF_UNICODETEXT in global memory.
[[nodiscard]] bool OffersText(IDataObject* data);
// The object's CF_UNICODETEXT text, up to its terminator and never past the memory it hands over; nothing when
// it offers no text.
[[nodiscard]] std::optional<std::wstring> DroppedText(IDataObject* data);

// OLE on this thread, started the first time a window offers or takes a drag or reads a shell object, not at the
// program's start (under Wine starting it costs the main window's start). True when OLE runs on the thread.
bool StartOle();
// At the end of a thread's run: stops OLE when StartOle started it there.
void StopOle();

// Runs a copy-or-move drag of the text (none: a drag that carries no data) until it is dropped or cancelled;
// the effect of the drop, DROPEFFECT_NONE when nothing took it.
DWORD DragText(const std::optional<std::wstring>& text);

// Follows the mouse with the capture while the left button is held: true once it leaves startRect (screen
// coordinates), false when the button is released first (the release then goes to the window) or when Esc,
// another button or the loss of the capture ends the wait.
[[nodiscard]] bool WaitForDragStart(HWND window, const RECT& startRect);
// The system's drag rectangle around a point of the screen: a drag begins once the mouse leaves it.
[[nodiscard]] RECT DragRectAround(POINT screen);

// A drop target for one window. The object lives in its owner, not on the COM heap: OLE holds references only
// while it is registered, and Revoke (or the destructor) ends the registration before the object goes.
class DropTarget : public IDropTarget {
 public:
  DropTarget() = default;
  DropTarget(const DropTarget&) = delete;
  DropTarget& operator=(const DropTarget&) = delete;
  virtual ~DropTarget();

  // Registers this target for the window (RegisterDragDrop); revokes an earlier registration first.
  [[nodiscard]] bool Register(HWND window);
  // Ends the registration; call it before the window is destroyed.
  void Revoke();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override { return references_ > 0 ? --references_ : 0; }
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;

 protected:
  // The effect a drop of this data would have here (DROPEFFECT_MOVE, DROPEFFECT_NONE...).
  virtual DWORD Accepts(IDataObject* data) = 0;
  // The data was dropped here while Accepts allowed it.
  virtual void Dropped(IDataObject* data) = 0;

 private:
  DWORD Answer(IDataObject* data, DWORD allowed);

  HWND window_ = nullptr;
  ULONG references_ = 0;
  ComPtr<IDataObject> entered_;  // the data being dragged over the window, from DragEnter to DragLeave or Drop
};

}  // namespace tapstart
