// The shared helpers' system side: the shell starts the setup program and names the computer folder.
#include "Helpers_win32.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <memory>

#include "Helpers.h"
#include "ui/Resources_win32.h"
#include "ui/SystemLibrary_win32.h"

namespace tapstart {
namespace {

constexpr UINT kMyComputerText = 3100;  // "My Computer"

std::wstring W(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }

// The running program's full path, however long.
std::u16string ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  return std::u16string(path.begin(), path.end());
}

struct TaskMemFree {
  void operator()(void* p) const { CoTaskMemFree(p); }
};
using ItemList = std::unique_ptr<ITEMIDLIST, TaskMemFree>;

struct ComRelease {
  void operator()(IUnknown* p) const { p->Release(); }
};
using ShellFolder = std::unique_ptr<IShellFolder, ComRelease>;

}  // namespace

bool LaunchOwnSetup(int b) {
  const std::wstring file = W(OwnSetupFile(ProgramPath()));
  const std::wstring parameters = W(OwnSetupParameters(b));
  const auto execute = SystemFunction<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
  if (execute == nullptr) return false;
  const HINSTANCE result = execute(nullptr, L"open", file.c_str(), parameters.c_str(), nullptr, SW_SHOWNORMAL);
  // The shell answers a number dressed as a handle: above 32 means started.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

std::wstring GetMyComputerName() {
  const auto folderLocation =
      SystemFunction<decltype(&SHGetSpecialFolderLocation)>(L"shell32.dll", "SHGetSpecialFolderLocation");
  const auto bindToParent = SystemFunction<decltype(&SHBindToParent)>(L"shell32.dll", "SHBindToParent");
  const auto retToBuf = SystemFunction<decltype(&StrRetToBufW)>(L"shlwapi.dll", "StrRetToBufW");
  if (folderLocation == nullptr || bindToParent == nullptr || retToBuf == nullptr) return LoadStr(kMyComputerText);
  LPITEMIDLIST raw = nullptr;
  // CSIDL_DRIVES: the computer folder. A failure leaves raw empty, and binding below fails with it.
  (void)folderLocation(nullptr, CSIDL_DRIVES, &raw);
  const ItemList item(raw);
  IShellFolder* rawParent = nullptr;
  LPCITEMIDLIST child = nullptr;
  if (!item || FAILED(bindToParent(item.get(), IID_IShellFolder, reinterpret_cast<void**>(&rawParent), &child)))
    return LoadStr(kMyComputerText);
  const ShellFolder parent(rawParent);
  std::wstring name;
  STRRET ret{};
  if (parent && SUCCEEDED(parent->GetDisplayNameOf(child, SHGDN_NORMAL, &ret))) {
    wchar_t buffer[MAX_PATH] = {};
    // StrRetToBufW frees the text the folder may have allocated in ret.
    if (SUCCEEDED(retToBuf(&ret, child, buffer, MAX_PATH))) name = buffer;
  }
  // A folder that binds but cannot name its item still gets a name: the function never comes back empty.
  return name.empty() ? LoadStr(kMyComputerText) : name;
}

}  // namespace tapstart
