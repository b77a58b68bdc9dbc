// Icons from the shell's system image list, shell32.dll and url.dll, copied into a tree's image list.
#include "IconCache_win32.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include "ui/SystemLibrary_win32.h"

namespace tapstart {
namespace {

// The small system icon's index, and the type name, which tells Internet shortcuts apart.
constexpr UINT kIndexFlags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
constexpr UINT kInfoFlags = kIndexFlags | SHGFI_TYPENAME;

DWORD_PTR FileInfo(const wchar_t* path, DWORD attributes, SHFILEINFOW& info, UINT flags) {
  const auto getInfo = SystemFunction<decltype(&SHGetFileInfoW)>(L"shell32.dll", "SHGetFileInfoW");
  return getInfo == nullptr ? 0 : getInfo(path, attributes, &info, sizeof info, flags);
}

std::wstring SystemFolder() {
  wchar_t folder[MAX_PATH] = {};
  const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::wstring(folder, n) : std::wstring();
}

// The first small icon of a library in the system folder.
Icon FirstIconOf(const wchar_t* library) {
  const auto extract = SystemFunction<decltype(&ExtractIconExW)>(L"shell32.dll", "ExtractIconExW");
  const std::wstring folder = SystemFolder();
  if (extract == nullptr || folder.empty()) return Icon();
  const std::u16string path = SystemLibraryPath(std::u16string(folder.begin(), folder.end()),
                                                std::u16string(library, library + wcslen(library)));
  HICON small = nullptr;
  if (extract(std::wstring(path.begin(), path.end()).c_str(), 0, nullptr, &small, 1) == 0) return Icon();
  return Icon(small);
}

DWORD WINAPI AskForTheSystemImageList(void*) {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  wchar_t windows[MAX_PATH] = {};
  const UINT n = GetWindowsDirectoryW(windows, MAX_PATH);
  if (n > 0 && n < MAX_PATH) {
    SHFILEINFOW info{};
    (void)FileInfo((std::wstring(windows, n) + L"\\explorer.exe").c_str(), 0, info, kIndexFlags);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return 0;
}

}  // namespace

void PrepareShellIcons() {
  if (HANDLE thread = CreateThread(nullptr, 0, AskForTheSystemImageList, nullptr, 0, nullptr)) CloseHandle(thread);
}

bool IconCache::IsInternetShortcutType(const wchar_t* typeName) {
  if (!shortcutTypeKnown_) {
    SHFILEINFOW info{};
    if (FileInfo(L".url", FILE_ATTRIBUTE_NORMAL, info, SHGFI_USEFILEATTRIBUTES | SHGFI_TYPENAME) != 0)
      shortcutTypeName_ = info.szTypeName;
    shortcutTypeKnown_ = true;
  }
  // With no type name for Internet shortcuts, nothing is taken for one.
  return !shortcutTypeName_.empty() &&
         CompareStringOrdinal(typeName, -1, shortcutTypeName_.c_str(), -1, TRUE) == CSTR_EQUAL;
}

Icon IconCache::IconFor(const IconChoice& choice, HIMAGELIST systemList) const {
  Icon icon;
  if (choice.source == IconSource::Shell32FirstIcon) icon = FirstIconOf(L"shell32.dll");
  if (choice.source == IconSource::UrlDllFirstIcon) icon = FirstIconOf(L"url.dll");
  // A library without icons (or a system without the library) falls back to the shell's own icon.
  if (!icon && systemList != nullptr) {
    const int index = choice.key == kInternetShortcutIconKey ? 0 : choice.key;
    icon.Reset(ImageList_GetIcon(systemList, index, ILD_NORMAL));
  }
  return icon;
}

// Under Wine each question to the shell takes tens of milliseconds: a path whose kind of icon was asked for
// already gets the answer given then.
int IconCache::Add(const std::wstring& path, int mode) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  const std::optional<std::u16string> kind =
      SharedIconKind(std::u16string(path.begin(), path.end()),
                     attributes == INVALID_FILE_ATTRIBUTES ? std::nullopt : std::optional<uint32_t>(attributes));
  if (kind)
    if (const auto known = byKind_.find(*kind); known != byKind_.end()) return known->second;
  const int image = AddFromShell(path, mode);
  if (kind && image >= 0) byKind_.emplace(*kind, image);
  return image;
}

int IconCache::AddFromShell(const std::wstring& path, int mode) {
  const bool favorites = mode == kFavoritesIconMode;
  SHFILEINFOW info{};
  // The type name tells Internet shortcuts apart, which matters in the Favorites tree only.
  const auto systemList =
      reinterpret_cast<HIMAGELIST>(FileInfo(path.c_str(), 0, info, favorites ? kInfoFlags : kIndexFlags));
  // Without an answer the index stays 0, the shell's icon for a file it does not know.
  const int32_t index = systemList != nullptr ? info.iIcon : 0;
  const IconChoice choice = ChooseIcon(index, mode, favorites && IsInternetShortcutType(info.szTypeName));
  if (const auto known = keys_.Find(choice.key)) return *known;
  const Icon icon = IconFor(choice, systemList);
  if (!icon || ImageList_ReplaceIcon(list_.Get(), -1, icon.Get()) < 0) return -1;
  return keys_.Add(choice.key);
}

}  // namespace tapstart
