// The bench's reference launcher: the least a launcher can do. It reads one registry value and starts it, through
// the shell ("shell", "user") or as a process ("direct"), with the same start parameters as Runvoy and nothing
// else: no switch parsing, no second value, no foreground hand-over, no error box. Like Runvoy it loads shell32
// only to start through the shell. "direct-foreground" adds Runvoy's hand-over of the foreground to the started
// process, which loads user32.
#include <windows.h>
#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR args, int) {
  const bool user = lstrcmpW(args, L"user") == 0;
  const bool handOver = lstrcmpW(args, L"direct-foreground") == 0;
  const bool direct = handOver || lstrcmpW(args, L"direct") == 0;
  wchar_t path[MAX_PATH + 2] = {};
  DWORD bytes = sizeof(wchar_t) * MAX_PATH;
  if (RegGetValueW(
          user ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE,
          user ? L"SOFTWARE\\Varden\\VARDENZEB\\SETTING\\Set1\\AppKey1" : L"SOFTWARE\\Varden\\VARDENZEB\\Runvoy",
          user ? L"AP1" : L"CD_PATH", RRF_RT_REG_SZ, nullptr, path + 1, &bytes) != ERROR_SUCCESS)
    return 0;
  if (direct) {
    path[0] = L'"';
    lstrcatW(path, L"\"");
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_FORCEONFEEDBACK;
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(nullptr, path, nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr, &si, &pi)) {
      if (handOver) {
        using AllowFn = BOOL(WINAPI*)(DWORD);
        HMODULE user32 = LoadLibraryExW(L"user32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        const auto allow = reinterpret_cast<AllowFn>(
            user32 != nullptr ? reinterpret_cast<void*>(GetProcAddress(user32, "AllowSetForegroundWindow")) : nullptr);
        if (allow != nullptr) allow(pi.dwProcessId);
      }
      CloseHandle(pi.hThread);
      CloseHandle(pi.hProcess);
    }
    return 0;
  }
  wchar_t directory[MAX_PATH] = {};
  lstrcpyW(directory, path + 1);
  if (wchar_t* last = wcsrchr(directory, L'\\')) *last = L'\0';
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC;
  info.lpFile = path + 1;
  info.lpParameters = L"";
  info.lpDirectory = directory;
  info.nShow = SW_SHOWNORMAL;
  using ShellExecuteExFn = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
  HMODULE shell32 = LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  const auto shellExecuteEx = reinterpret_cast<ShellExecuteExFn>(
      shell32 != nullptr ? reinterpret_cast<void*>(GetProcAddress(shell32, "ShellExecuteExW")) : nullptr);
  if (shellExecuteEx != nullptr && shellExecuteEx(&info) && info.hProcess != nullptr) CloseHandle(info.hProcess);
  return 0;
}
