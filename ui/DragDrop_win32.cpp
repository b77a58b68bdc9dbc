// The text data object, the drop source, the drag-start wait and the drop-target base.
#include "DragDrop_win32.h"

#include <shlobj.h>

#include <cstring>

#include "ui/SystemLibrary_win32.h"

namespace tapstart {
namespace {

FORMATETC TextFormat() { return {CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

bool IsTextFormat(const FORMATETC* f) {
  return f != nullptr && f->cfFormat == CF_UNICODETEXT && (f->tymed & TYMED_HGLOBAL) != 0 &&
         f->dwAspect == DVASPECT_CONTENT;
}

// A reference-counted COM object on the heap, freed by its last Release.
template <typename Interface>
class HeapObject : public Interface {
 public:
  virtual ~HeapObject() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == __uuidof(Interface)) {
      *out = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 private:
  ULONG references_ = 1;
};

class TextDataObject final : public HeapObject<IDataObject> {
 public:
  explicit TextDataObject(std::optional<std::wstring> text) : text_(std::move(text)) {}

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    return text_ && IsTextFormat(format) ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    if (out != nullptr) out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override;
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  std::optional<std::wstring> text_;
};

// Each request gets a copy of its own, which the receiver frees with ReleaseStgMedium.
HRESULT TextDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
  if (medium == nullptr) return E_POINTER;
  if (!text_ || !IsTextFormat(format)) return DV_E_FORMATETC;
  const size_t bytes = (text_->size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  if (memory == nullptr) return E_OUTOFMEMORY;
  void* p = GlobalLock(memory);
  if (p == nullptr) {
    GlobalFree(memory);
    return E_OUTOFMEMORY;
  }
  std::memcpy(p, text_->c_str(), bytes);
  GlobalUnlock(memory);
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = memory;
  medium->pUnkForRelease = nullptr;
  return S_OK;
}

HRESULT TextDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (direction != DATADIR_GET) return E_NOTIMPL;
  // The shell's standard enumerator, bound at run time: the program does not load the shell to start.
  const auto make = SystemFunction<decltype(&SHCreateStdEnumFmtEtc)>(L"shell32.dll", "SHCreateStdEnumFmtEtc");
  if (make == nullptr) return E_NOTIMPL;
  const FORMATETC format = TextFormat();
  return make(text_ ? 1 : 0, &format, out);
}

class TextDropSource final : public HeapObject<IDropSource> {
 public:
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
    if (escape) return DRAGDROP_S_CANCEL;
    return (keys & MK_LBUTTON) != 0 ? S_OK : DRAGDROP_S_DROP;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

}  // namespace

ComPtr<IDataObject> MakeTextDataObject(const std::optional<std::wstring>& text) {
  return ComPtr<IDataObject>(new TextDataObject(text));
}

bool OffersText(IDataObject* data) {
  FORMATETC format = TextFormat();
  return data != nullptr && data->QueryGetData(&format) == S_OK;
}

std::optional<std::wstring> DroppedText(IDataObject* data) {
  if (data == nullptr) return std::nullopt;
  FORMATETC format = TextFormat();
  STGMEDIUM medium{};
  if (FAILED(data->GetData(&format, &medium))) return std::nullopt;
  std::optional<std::wstring> text;
  if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal != nullptr) {
    // The memory may be larger than asked for, or hold no terminator: only what it holds is read.
    const size_t units = GlobalSize(medium.hGlobal) / sizeof(wchar_t);
    if (const auto* p = static_cast<const wchar_t*>(GlobalLock(medium.hGlobal))) {
      text.emplace(p, wcsnlen(p, units));
      GlobalUnlock(medium.hGlobal);
    }
  }
  ReleaseStgMedium(&medium);
  return text;
}

namespace {
thread_local bool g_oleStarted = false;
}  // namespace

bool StartOle() {
  if (!g_oleStarted) g_oleStarted = SUCCEEDED(OleInitialize(nullptr));
  return g_oleStarted;
}

void StopOle() {
  if (!g_oleStarted) return;
  OleUninitialize();
  g_oleStarted = false;
}

DWORD DragText(const std::optional<std::wstring>& text) {
  if (!StartOle()) return DROPEFFECT_NONE;  // without OLE there is no drag; the menus and keys still send
  const ComPtr<IDataObject> data = MakeTextDataObject(text);
  const ComPtr<IDropSource> source(new TextDropSource());
  DWORD effect = DROPEFFECT_NONE;
  if (DoDragDrop(data.get(), source.get(), DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect) != DRAGDROP_S_DROP)
    return DROPEFFECT_NONE;
  return effect;
}

RECT DragRectAround(POINT screen) {
  const int cx = GetSystemMetrics(SM_CXDRAG);
  const int cy = GetSystemMetrics(SM_CYDRAG);
  return {screen.x - cx, screen.y - cy, screen.x + cx + 1, screen.y + cy + 1};
}

bool WaitForDragStart(HWND window, const RECT& startRect) {
  SetCapture(window);
  bool started = false;
  MSG msg{};
  while (GetCapture() == window) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // the loop that called belongs to the quit
      break;
    }
    if (msg.message == WM_MOUSEMOVE) {
      if (!PtInRect(&startRect, msg.pt)) {
        started = true;
        break;
      }
      continue;
    }
    if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONDOWN || msg.message == WM_MBUTTONDOWN ||
        (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE))
      break;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (GetCapture() == window) ReleaseCapture();
  // The control that saw the press sees its release too, and ends what the press began.
  if (!started && msg.message == WM_LBUTTONUP) DispatchMessageW(&msg);
  return started;
}

DropTarget::~DropTarget() { Revoke(); }

bool DropTarget::Register(HWND window) {
  Revoke();
  if (!StartOle() || FAILED(RegisterDragDrop(window, this))) return false;
  window_ = window;
  return true;
}

void DropTarget::Revoke() {
  if (window_ == nullptr) return;
  // A window already destroyed was revoked with it: the failure then says nothing.
  (void)RevokeDragDrop(window_);
  window_ = nullptr;
  entered_.reset();
}

HRESULT DropTarget::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDropTarget) {
    *out = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

DWORD DropTarget::Answer(IDataObject* data, DWORD allowed) {
  const DWORD wanted = data != nullptr ? Accepts(data) : DROPEFFECT_NONE;
  return (wanted & allowed) != 0 ? (wanted & allowed) : DROPEFFECT_NONE;
}

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  if (effect == nullptr) return E_INVALIDARG;
  if (data != nullptr) data->AddRef();
  entered_.reset(data);
  *effect = Answer(data, *effect);
  return S_OK;
}

HRESULT DropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
  if (effect == nullptr) return E_INVALIDARG;
  *effect = Answer(entered_.get(), *effect);
  return S_OK;
}

HRESULT DropTarget::DragLeave() {
  entered_.reset();
  return S_OK;
}

// No exception may leave a COM method: a failing drop is one that did not happen.
HRESULT DropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  entered_.reset();
  if (effect == nullptr) return E_INVALIDARG;
  try {
    *effect = Answer(data, *effect);
    if (*effect != DROPEFFECT_NONE) Dropped(data);
  } catch (...) {
    *effect = DROPEFFECT_NONE;
  }
  return S_OK;
}

}  // namespace tapstart
