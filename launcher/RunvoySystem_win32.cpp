// The launcher's seam on Win32. Runvoy runs for a moment on every button press: it imports only kernel32 and
// advapi32, and loads user32 and shell32 on the ways that use them (under Wine, loading user32 alone takes
// longer than the rest of a direct start).
#include "RunvoySystem_win32.h"

#include <shellapi.h>

#include <algorithm>

#include "res/resource.h"
#include "ui/Handles_win32.h"
#include "ui/SystemLibrary_win32.h"

namespace tapstart::launcher {
namespace {

// The longest text the launcher takes from the store: what a command line can hold.
constexpr DWORD kMaxText = 32767;

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

HKEY RootOf(Hive hive) { return hive == Hive::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

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
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr, &si,
                      &pi)) {
    const DWORD error = GetLastError();
    return error != 0 ? error : ERROR_GEN_FAILURE;
  }
  // The foreground right goes to this one process, once it is running: loading user32 for it first would hold
  // the program back, while the program needs the right only when it shows its first window, much later.
  LetStartedProgramTakeForeground(pi.dwProcessId);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return 0;
}

void RunvoySystem::StartThroughShell(const ShellStart& start) {
  using ShellExecuteExFn = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
  const auto shellExecuteEx = SystemFunction<ShellExecuteExFn>(L"shell32.dll", "ShellExecuteExW");
  if (shellExecuteEx == nullptr) return;
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
  // The shell hands back no process before it has started it, and may start none (a running program can take
  // the document): the right goes to any process, and the shell has loaded user32 anyway.
  LetStartedProgramTakeForeground(ASFW_ANY);
  // The thread sets up no COM apartment. The shell recommends one for verbs that shell extensions implement;
  // stored commands are programs and documents opened by their file types' commands, and under Wine an
  // apartment costs about as much as the rest of the launcher's run.
  // A failure is the shell's to report: it shows its own message, owned by the window above.
  if (shellExecuteEx(&info) && info.hProcess != nullptr) CloseHandle(info.hProcess);
}

void RunvoySystem::ReportKeyboardToolMissing() {
  using LoadStringFn = int(WINAPI*)(HINSTANCE, UINT, LPWSTR, int);
  using MessageBoxFn = int(WINAPI*)(HWND, LPCWSTR, LPCWSTR, UINT);
  const auto loadString = SystemFunction<LoadStringFn>(L"user32.dll", "LoadStringW");
  const auto messageBox = SystemFunction<MessageBoxFn>(L"user32.dll", "MessageBoxW");
  if (loadString == nullptr || messageBox == nullptr) return;
  // With a size of 0 the table hands out a pointer into the resource, which is not terminated.
  const auto text = [&](UINT id) {
    const wchar_t* p = nullptr;
    const int n = loadString(instance_, id, reinterpret_cast<LPWSTR>(&p), 0);
    return n > 0 && p != nullptr ? std::wstring(p, static_cast<size_t>(n)) : std::wstring();
  };
  const std::wstring message = text(IDS_KEYBOARD_TOOL_MISSING);
  const std::wstring caption = text(IDS_KEYBOARD_TOOL_NAME);
  messageBox(OwnerWindow(), message.c_str(), caption.c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

// Asked twice, as the foreground may be changing hands.
HWND RunvoySystem::OwnerWindow() {
  using GetForegroundWindowFn = HWND(WINAPI*)();
  const auto getForegroundWindow = SystemFunction<GetForegroundWindowFn>(L"user32.dll", "GetForegroundWindow");
  if (getForegroundWindow == nullptr) return nullptr;
  const HWND owner = getForegroundWindow();
  return owner != nullptr ? owner : getForegroundWindow();
}

// A program started on a button press should come to the front. The launcher hands on its own right to take the
// foreground (it has one when its starter had it); the program it starts has none of its own, as the launcher
// has no window and is never the foreground process.
void RunvoySystem::LetStartedProgramTakeForeground(DWORD processId) {
  using AllowSetForegroundWindowFn = BOOL(WINAPI*)(DWORD);
  // Refused when the launcher has no such right itself; the system's rules then decide, as without the call.
  const auto allow = SystemFunction<AllowSetForegroundWindowFn>(L"user32.dll", "AllowSetForegroundWindow");
  if (allow != nullptr) allow(processId);
}

}  // namespace tapstart::launcher
