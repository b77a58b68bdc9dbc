// Internet shortcuts read through the shell's own object, which knows every form the file may take.
#include "InternetShortcut_win32.h"

#include <windows.h>
#include <intshcut.h>
#include <objbase.h>
#include <objidl.h>

#include "ui/DragDrop_win32.h"
#include "ui/Handles_win32.h"

namespace tapstart {

std::wstring ResolveInternetShortcut(const std::wstring& path) {
  if (!StartOle()) return path;
  IUniformResourceLocatorW* rawLocator = nullptr;
  if (FAILED(CoCreateInstance(CLSID_InternetShortcut, nullptr, CLSCTX_INPROC_SERVER, IID_IUniformResourceLocatorW,
                              reinterpret_cast<void**>(&rawLocator))))
    return path;
  const ComPtr<IUniformResourceLocatorW> locator(rawLocator);
  IPersistFile* rawFile = nullptr;
  if (FAILED(locator->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile)))) return path;
  const ComPtr<IPersistFile> file(rawFile);
  if (FAILED(file->Load(path.c_str(), STGM_READ))) return path;
  wchar_t* rawUrl = nullptr;
  // S_FALSE with no text: the shortcut holds no address.
  if (locator->GetURL(&rawUrl) != S_OK || rawUrl == nullptr) return path;
  const TaskMem<wchar_t> url(rawUrl);
  return *url ? std::wstring(url.get()) : path;
}

}  // namespace tapstart
