// The shared helpers' system side: the shell starts the setup program and names the computer folder.
#include "Helpers_win32.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "Helpers.h"
#include "res/resource.h"
#include "ui/Handles_win32.h"
#include "ui/Resources_win32.h"
#include "ui/SystemLibrary_win32.h"
#include "ui/Text_win32.h"

namespace tapstart {

bool LaunchOwnSetup(int b) {
  const std::wstring file = Wide(OwnSetupFile(Utf16(ProgramPath())));
  const std::wstring parameters = Wide(OwnSetupParameters(b));
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
  if (folderLocation == nullptr || bindToParent == nullptr || retToBuf == nullptr) return LoadStr(IDS_MY_COMPUTER);
  LPITEMIDLIST raw = nullptr;
  // CSIDL_DRIVES: the computer folder. A failure leaves raw empty, and binding below fails with it.
  (void)folderLocation(nullptr, CSIDL_DRIVES, &raw);
  const TaskMem<ITEMIDLIST> item(raw);
  IShellFolder* rawParent = nullptr;
  LPCITEMIDLIST child = nullptr;
  if (!item || FAILED(bindToParent(item.get(), IID_IShellFolder, reinterpret_cast<void**>(&rawParent), &child)))
    return LoadStr(IDS_MY_COMPUTER);
  const ComPtr<IShellFolder> parent(rawParent);
  std::wstring name;
  STRRET ret{};
  if (parent && SUCCEEDED(parent->GetDisplayNameOf(child, SHGDN_NORMAL, &ret))) {
    wchar_t buffer[MAX_PATH] = {};
    // StrRetToBufW frees the text the folder may have allocated in ret.
    if (SUCCEEDED(retToBuf(&ret, child, buffer, MAX_PATH))) name = buffer;
  }
  // A folder that binds but cannot name its item still gets a name: the function never comes back empty.
  return name.empty() ? LoadStr(IDS_MY_COMPUTER) : name;
}

}  // namespace tapstart
