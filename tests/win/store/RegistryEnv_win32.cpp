// The conformance environment over the real registry and profile file; seeds and inspects them directly.
#include "RegistryEnv_win32.h"

#include <windows.h>
#include <sddl.h>

#include <vector>

#include "Driver_win32.h"
#include "store/RegistryStore_win32.h"

namespace tapstart::conformance {
namespace {

std::wstring W(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }
HKEY Root(Hive hive) { return hive == Hive::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

// Replaces a key's access list from SDDL; true when it took.
bool SetAccess(HKEY root, const std::wstring& key, const wchar_t* sddl) {
  RegKey k;
  if (RegOpenKeyExW(root, key.c_str(), 0, WRITE_DAC, k.Put()) != ERROR_SUCCESS) return false;
  PSECURITY_DESCRIPTOR sd = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &sd, nullptr)) return false;
  const bool ok = RegSetKeySecurity(k.Get(), DACL_SECURITY_INFORMATION, sd) == ERROR_SUCCESS;
  LocalFree(sd);
  return ok;
}

// Everyone may do everything: the access list the tests restore before they clean up.
constexpr wchar_t kAllowAll[] = L"D:(A;OICI;KA;;;WD)";

class RegistryEnv final : public StoreEnv {
 public:
  RegistryEnv(int registrySets, int iniSets) : registrySets_(registrySets), iniSets_(iniSets) { test::ClearStore(); }
  ~RegistryEnv() override {
    for (const auto& [root, key] : restricted_) SetAccess(root, key, kAllowAll);
    test::ClearStore();
  }

  StoreBackend& Backend() override { return store_; }

  void PutRaw(Hive hive, std::u16string_view key, std::u16string_view name, const RegValue& value) override {
    // The bytes are followed by characters that are not zero, so that the system stores exactly these bytes
    // and does not add a terminator it finds after them.
    std::vector<uint8_t> bytes = value.data;
    bytes.insert(bytes.end(), {0xFF, 0xFF});
    test::SetRaw(Root(hive), W(key), W(name), value.type, bytes.data(), static_cast<DWORD>(value.data.size()));
  }

  std::optional<RegValue> GetRaw(Hive hive, std::u16string_view key, std::u16string_view name) override {
    DWORD type = 0;
    std::vector<BYTE> data;
    if (!test::ReadRaw(Root(hive), W(key), W(name), type, data)) return std::nullopt;
    return RegValue{type, std::vector<uint8_t>(data.begin(), data.end())};
  }

  void PutKey(Hive hive, std::u16string_view key) override {
    RegKey k;
    RegCreateKeyExW(Root(hive), W(key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, k.Put(), nullptr);
  }

  void PutProfileLine(std::u16string_view section, std::u16string_view key, std::u16string_view raw) override {
    std::wstring text = ReadProfile();
    const std::wstring line = W(key) + L"=" + W(raw) + L"\r\n";
    const std::wstring header = L"[" + W(section) + L"]";
    size_t at = std::wstring::npos;
    for (size_t start = 0; start < text.size();) {
      size_t end = text.find(L'\n', start);
      end = end == std::wstring::npos ? text.size() : end + 1;
      std::wstring current = text.substr(start, end - start);
      while (!current.empty() && (current.back() == L'\n' || current.back() == L'\r')) current.pop_back();
      if (CompareStringOrdinal(current.c_str(), -1, header.c_str(), -1, TRUE) == CSTR_EQUAL) {
        at = end;
        break;
      }
      start = end;
    }
    if (at != std::wstring::npos) {
      text.insert(at, line);
    } else {
      if (!text.empty() && text.back() != L'\n') text += L"\r\n";
      text += header + L"\r\n" + line;
    }
    WriteProfile(text);
    ReopenProfile();
  }

  void ClearProfile() override {
    DeleteFileW(ProfilePath(kProfileFileName).c_str());
    ReopenProfile();
  }

  void ReopenProfile() override {
    // The documented flush call: the system writes out and forgets its copy of the file.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, W(kProfileFileName).c_str());
  }

  bool DenyRead(Hive hive, std::u16string_view key) override {
    return Restrict(Root(hive), W(key), L"D:(D;;KR;;;WD)(A;;KA;;;WD)", KEY_READ);
  }

  bool DenyWrite(std::u16string_view key) override {
    PutKey(Hive::CurrentUser, key);
    // KEY_SET_VALUE | KEY_CREATE_SUB_KEY denied: no value can be stored, no subkey created.
    return Restrict(HKEY_CURRENT_USER, W(key), L"D:(D;;0x6;;;WD)(A;;KA;;;WD)", KEY_SET_VALUE);
  }

  int RoundTripSets(bool iniMode) const override { return iniMode ? iniSets_ : registrySets_; }

 private:
  // Applies the access list and checks that the system enforces it by opening the key with probe access.
  bool Restrict(HKEY root, const std::wstring& key, const wchar_t* sddl, REGSAM probe) {
    if (!SetAccess(root, key, sddl)) return false;
    restricted_.push_back({root, key});
    RegKey k;
    if (RegOpenKeyExW(root, key.c_str(), 0, probe, k.Put()) == ERROR_SUCCESS) return false;
    return true;
  }

  static std::wstring ReadProfile() {
    FileHandle h(CreateFileW(ProfilePath(kProfileFileName).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, 0, nullptr));
    if (!h) return {};
    std::string bytes;
    char buf[4096];
    DWORD n = 0;
    while (ReadFile(h.Get(), buf, sizeof buf, &n, nullptr) && n > 0) bytes.append(buf, n);
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE)
      return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
    std::wstring out(bytes.size(), L'\0');
    const int len = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(),
                                        static_cast<int>(out.size()));
    out.resize(len > 0 ? static_cast<size_t>(len) : 0);
    return out;
  }

  static void WriteProfile(const std::wstring& text) {
    FileHandle h(CreateFileW(ProfilePath(kProfileFileName).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h) return;
    std::string bytes = "\xFF\xFE";
    bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    DWORD written = 0;
    WriteFile(h.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  }

  RegistryStore store_;
  int registrySets_;
  int iniSets_;
  std::vector<std::pair<HKEY, std::wstring>> restricted_;
};

}  // namespace

StoreEnvMaker RegistryEnvMaker(int registrySets, int iniSets) {
  return {"Registry", [=] { return std::unique_ptr<StoreEnv>(std::make_unique<RegistryEnv>(registrySets, iniSets)); }};
}

}  // namespace tapstart::conformance
