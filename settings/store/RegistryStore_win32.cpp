// Registry and profile-file access for the settings store.
#include "RegistryStore_win32.h"

#include <windows.h>

#include <vector>

#include "ui/Handles_win32.h"
#include "ui/Text_win32.h"

namespace tapstart {
namespace {

HKEY RootOf(Hive hive) { return hive == Hive::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

}  // namespace

HKEY RegistryStore::ReadKey(Hive hive, std::u16string_view key) const {
  auto place = std::make_pair(hive, std::u16string(key));
  if (auto found = readKeys_.find(place); found != readKeys_.end()) return found->second.Get();
  RegKey k;
  if (RegOpenKeyExW(RootOf(hive), Wide(key).c_str(), 0, KEY_READ, k.Put()) != ERROR_SUCCESS) return nullptr;
  return readKeys_.emplace(std::move(place), std::move(k)).first->second.Get();
}

void RegistryStore::ForgetReadKey(Hive hive, std::u16string_view key) const {
  readKeys_.erase(std::make_pair(hive, std::u16string(key)));
}

bool RegistryStore::CanOpenKey(Hive hive, std::u16string_view key) const {
  HKEY k = ReadKey(hive, key);
  if (k != nullptr && RegQueryInfoKeyW(k, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                       nullptr, nullptr, nullptr) == ERROR_KEY_DELETED) {
    ForgetReadKey(hive, key);
    k = ReadKey(hive, key);
  }
  return k != nullptr;
}

std::optional<RegValue> RegistryStore::QueryValue(Hive hive, std::u16string_view key, std::u16string_view name,
                                                  size_t maxBytes) const {
  const std::wstring valueName = Wide(name);
  for (int attempt = 0; attempt < 2; ++attempt) {
    HKEY k = ReadKey(hive, key);
    if (k == nullptr) return std::nullopt;
    RegValue v;
    v.data.resize(maxBytes);
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(maxBytes);
    const LSTATUS status = RegQueryValueExW(k, valueName.c_str(), nullptr, &type, v.data.data(), &size);
    if (status == ERROR_KEY_DELETED) {
      // Another program deleted the key (and may have made it anew) since it was opened: open it again.
      ForgetReadKey(hive, key);
      continue;
    }
    // A value larger than the buffer answers ERROR_MORE_DATA and reads as missing.
    if (status != ERROR_SUCCESS) return std::nullopt;
    v.type = type;
    v.data.resize(size);
    return v;
  }
  return std::nullopt;
}

bool RegistryStore::SetValue(std::u16string_view key, std::u16string_view name, const RegValue& value) {
  RegKey k;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, Wide(key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, k.Put(), nullptr) !=
      ERROR_SUCCESS)
    return false;
  // For a string type the system looks at the character just past the byte count, and when that one is zero
  // it stores the terminator too. The bytes are therefore handed over followed by a character that is not
  // zero: the value gets exactly the byte count asked for, and nothing past our buffer is read.
  std::vector<BYTE> bytes(value.data.begin(), value.data.end());
  bytes.insert(bytes.end(), {0xFF, 0xFF});
  return RegSetValueExW(k.Get(), Wide(name).c_str(), 0, value.type, bytes.data(),
                        static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

std::wstring ProfilePath(std::u16string_view file) {
  std::wstring f = Wide(file);
  if (f.find_first_of(L"\\/:") != std::wstring::npos) return f;
  wchar_t dir[MAX_PATH] = {};
  const UINT n = GetWindowsDirectoryW(dir, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return f;
  return std::wstring(dir) + L"\\" + f;
}

std::u16string RegistryStore::ProfileRead(std::u16string_view file, std::u16string_view section,
                                          std::u16string_view key, std::u16string_view fallback,
                                          size_t bufferChars) const {
  if (bufferChars == 0) return {};
  std::vector<wchar_t> buf(bufferChars, L'\0');
  const DWORD n = GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(fallback).c_str(), buf.data(),
                                           static_cast<DWORD>(bufferChars), Wide(file).c_str());
  return std::u16string(buf.data(), buf.data() + (n < bufferChars ? n : bufferChars - 1));
}

int32_t RegistryStore::ProfileReadInt(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                                      int32_t fallback) const {
  return static_cast<int32_t>(
      GetPrivateProfileIntW(Wide(section).c_str(), Wide(key).c_str(), fallback, Wide(file).c_str()));
}

bool RegistryStore::ProfileWrite(std::u16string_view file, std::u16string_view section, std::u16string_view key,
                                 std::u16string_view text) {
  // A profile file that does not exist yet is started as UTF-16: the system then keeps it in UTF-16, and
  // names in any script survive, where an ANSI file would turn them into question marks.
  const std::wstring path = ProfilePath(file);
  if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    FileHandle h(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (h.Valid()) {
      const unsigned char bom[2] = {0xFF, 0xFE};
      DWORD written = 0;
      // A failed BOM leaves an empty file, which the profile functions write in ANSI: still a working file.
      (void)WriteFile(h.Get(), bom, sizeof bom, &written, nullptr);
    }
  }
  return WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(text).c_str(), Wide(file).c_str()) !=
         FALSE;
}

}  // namespace tapstart
