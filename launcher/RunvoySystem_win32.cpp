// The launcher's seam on Win32. Runvoy runs for a moment on every button press, so it loads the shell and COM
// only on the way that needs them.
#include "RunvoySystem_win32.h"

#include <shellapi.h>

#include <algorithm>

#include "res/resource.h"
#include "ui/Handles_win32.h"

namespace tapstart::launcher {
namespace {

// The longest text the launcher takes from the store: what a command line can hold.
constexpr DWORD kMaxText = 32767;

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

HKEY RootOf(Hive hive) { return hive == Hive::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

// The window a started program or a message box belongs to; asked twice, as the foreground may be changing hands.
HWND OwnerWindow() {
  HWND owner = GetForegroundWindow();
  return owner != nullptr ? owner : GetForegroundWindow();
}

// A string table entry; the table hands out a pointer into the resource, which is not terminated.
std::wstring LoadText(HINSTANCE instance, UINT id) {
  const wchar_t* text = nullptr;
  const int n = LoadStringW(instance, id, reinterpret_cast<LPWSTR>(&text), 0);
  return n > 0 && text != nullptr ? std::wstring(text, static_cast<size_t>(n)) : std::wstring();
}

// A program started on a button press should come to the front: the launcher hands on its own right to
// take the foreground (it has it when started by the foreground process or on the user's input).
void LetStartedProgramTakeForeground() {
  // Refused when the launcher has no such right itself; then the system's rules decide, as without the call.
  AllowSetForegroundWindow(ASFW_ANY);
}

// A system library loaded for the run; freed at the end of it.
class Library {
 public:
  explicit Library(const wchar_t* name) : module_(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {}
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  ~Library() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  template <typename F>
  F Get(const char* name) const {
    return module_ != nullptr ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module_, name))) : nullptr;
  }

 private:
  HMODULE module_;
};

}  // namespace

std::optional<std::u16string> RunvoySystem::ReadString(Hive hive, std::u16string_view key, std::u16string_view name) {
  RegKey k;
  if (RegOpenKeyExW(RootOf(hive), Wide(key).c_str(), 0, KEY_QUERY_VALUE, k.Put()) != ERROR_SUCCESS) return {};
  const std::wstring valueName = Wide(name);
  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueExW(k.Get(), valueName.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) return {};
  if ((type != REG_SZ && type != REG_EXPAND_SZ) || bytes > kMaxText * sizeof(wchar_t)) return {};
  // The stored bytes need not end with a zero, nor be an even count: the buffer has room for one more
  // character, and the text ends at the first zero within what was read.
  std::u16string text(bytes / sizeof(char16_t) + 1, u'\0');
  DWORD got = bytes;
  if (RegQueryValueExW(k.Get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &got) !=
      ERROR_SUCCESS)
    return {};
  text.resize(std::min<size_t>(got / sizeof(char16_t), text.size()));
  const size_t end = text.find(u'\0');
  if (end != std::u16string::npos) text.resize(end);
  return text;
}

std::optional<uint32_t> RunvoySystem::ReadDword(Hive hive, std::u16string_view key, std::u16string_view name) {
  RegKey k;
  if (RegOpenKeyExW(RootOf(hive), Wide(key).c_str(), 0, KEY_QUERY_VALUE, k.Put()) != ERROR_SUCCESS) return {};
  DWORD type = 0;
  DWORD value = 0;
  DWORD bytes = sizeof value;
  if (RegQueryValueExW(k.Get(), Wide(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &bytes) !=
          ERROR_SUCCESS ||
      type != REG_DWORD || bytes != sizeof value)
    return {};
  return value;
}

std::u16string RunvoySystem::ReadProfile(std::u16string_view file, std::u16string_view section,
                                         std::u16string_view key) {
  wchar_t windows[MAX_PATH] = {};
  const UINT n = GetWindowsDirectoryW(windows, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  const std::wstring path = std::wstring(windows, n) + L'\\' + Wide(file);
  const std::wstring sectionName = Wide(section);
  const std::wstring keyName = Wide(key);
  // The profile functions cut a long value to the buffer without saying so: a result that fills the buffer
  // is read again with a larger one.
  for (DWORD size = MAX_PATH;; size *= 4) {
    std::u16string text(size, u'\0');
    const DWORD got = GetPrivateProfileStringW(sectionName.c_str(), keyName.c_str(), L"",
                                               reinterpret_cast<wchar_t*>(text.data()), size, path.c_str());
    if (got + 1 < size) {
      text.resize(got);
      return text;
    }
    if (size > kMaxText) return {};
  }
}

bool RunvoySystem::Exists(std::u16string_view path) {
  return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

uint32_t RunvoySystem::StartProcess(std::u16string_view commandLine) {
  std::wstring line = Wide(commandLine);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_FORCEONFEEDBACK;
  PROCESS_INFORMATION pi{};
  LetStartedProgramTakeForeground();
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr, &si,
                      &pi)) {
    const DWORD error = GetLastError();
    return error != 0 ? error : ERROR_GEN_FAILURE;
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return 0;
}

void RunvoySystem::StartThroughShell(const ShellStart& start) {
  const Library ole(L"ole32.dll");
  const Library shell(L"shell32.dll");
  using CoInitializeExFn = HRESULT(WINAPI*)(void*, DWORD);
  using CoUninitializeFn = void(WINAPI*)();
  using ShellExecuteExFn = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
  const auto shellExecuteEx = shell.Get<ShellExecuteExFn>("ShellExecuteExW");
  if (shellExecuteEx == nullptr) return;

  // The shell may hand the start to extensions that need COM on this thread.
  const auto coInitializeEx = ole.Get<CoInitializeExFn>("CoInitializeEx");
  const auto coUninitialize = ole.Get<CoUninitializeFn>("CoUninitialize");
  const bool com = coInitializeEx != nullptr && coUninitialize != nullptr &&
                   SUCCEEDED(coInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));

  const std::wstring file = Wide(start.file);
  const std::wstring parameters = Wide(start.parameters);
  const std::wstring directory = Wide(start.directory);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  // The launcher ends right after this call: the start must be complete when it returns (NOASYNC).
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC;
  info.hwnd = OwnerWindow();
  info.lpFile = file.c_str();
  info.lpParameters = parameters.c_str();
  info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
  info.nShow = start.show;
  LetStartedProgramTakeForeground();
  // A failure is the shell's to report: it shows its own message, owned by the window above.
  if (shellExecuteEx(&info) && info.hProcess != nullptr) CloseHandle(info.hProcess);
  if (com) coUninitialize();
}

void RunvoySystem::ReportKeyboardToolMissing() {
  const std::wstring text = LoadText(instance_, IDS_KEYBOARD_TOOL_MISSING);
  const std::wstring caption = LoadText(instance_, IDS_KEYBOARD_TOOL_NAME);
  MessageBoxW(OwnerWindow(), text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace tapstart::launcher
