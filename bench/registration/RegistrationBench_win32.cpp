// The registration benches, each variant in processes of its own, interleaved, medians as ratios:
// - expanding a folder of 50,000 files in the All Files tree against a tree filled by FindFirstFileExW;
// - opening the dialog, from the click on round button 2 to the painted dialog, Pantik against
//   reference_setap, which shows template 40000 with its trees filled and nothing else.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "../BenchCommon_win32.h"
#include "res/resource.h"

namespace {

using tapstart::bench::BinDir;
using tapstart::bench::Median;
using tapstart::bench::NowMs;

constexpr int kFiles = 50000;

// The folder of many files, made once and kept for later runs.
std::wstring ManyFiles() {
  wchar_t tmp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, tmp);
  const std::wstring dir = std::wstring(tmp) + L"tapstart-50000";
  const std::wstring done = dir + L".complete";
  if (GetFileAttributesW(done.c_str()) != INVALID_FILE_ATTRIBUTES) return dir;
  CreateDirectoryW(dir.c_str(), nullptr);
  std::printf("making %d files in %ls once...\n", kFiles, dir.c_str());
  for (int i = 0; i < kFiles; ++i) {
    // Names of varied case and form, so that sorting has work to do.
    wchar_t name[64];
    swprintf(name, 64, L"\\%s %05d%s.txt",
             i % 3 == 0   ? L"Report"
             : i % 3 == 1 ? L"photo"
                          : L"Zebra",
             (i * 7919) % kFiles, i % 2 ? L"" : L" copy");
    HANDLE f = CreateFileW((dir + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f != INVALID_HANDLE_VALUE) CloseHandle(f);
  }
  CloseHandle(CreateFileW(done.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  return dir;
}

struct Sample {
  double ms = -1;
  double kb = -1;
};

// Runs a console program and reads the two numbers it prints.
Sample RunExpand(const std::wstring& variant, const std::wstring& folder) {
  Sample s;
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  if (!CreatePipe(&read, &write, &sa, 0)) return s;
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  std::wstring cmd = L"\"" + BinDir() + L"expand_bench.exe\" " + variant + L" \"" + folder + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = write;
  si.hStdError = write;
  PROCESS_INFORMATION pi{};
  const BOOL started = CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
  CloseHandle(write);
  if (started) {
    // The two numbers fit the pipe's buffer: they are read once the program has ended, since a process it started
    // (Wine's desktop window) may hold the pipe's other end open for longer.
    WaitForSingleObject(pi.hProcess, 120000);
    char out[256] = {};
    DWORD available = 0, got = 0;
    if (PeekNamedPipe(read, nullptr, 0, nullptr, &available, nullptr) && available > 0)
      (void)ReadFile(read, out, std::min<DWORD>(available, sizeof out - 1), &got, nullptr);
    if (std::sscanf(out, "%lf %lf", &s.ms, &s.kb) != 2) s = {};
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  CloseHandle(read);
  return s;
}

struct Find {
  DWORD pid;
  const wchar_t* cls;
  int childId;
  HWND found;
};

// A visible top-level window of the process with that class and, when asked, a child of that id.
HWND VisibleWindow(DWORD pid, const wchar_t* cls, int childId) {
  Find f{pid, cls, childId, nullptr};
  EnumWindows(
      [](HWND w, LPARAM l) -> BOOL {
        auto* f = reinterpret_cast<Find*>(l);
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        wchar_t cls[64] = {};
        GetClassNameW(w, cls, 64);
        if (pid != f->pid || !IsWindowVisible(w) || lstrcmpW(cls, f->cls) != 0) return TRUE;
        if (f->childId != 0 && GetDlgItem(w, f->childId) == nullptr) return TRUE;
        f->found = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&f));
  return f.found;
}

HWND WaitFor(DWORD pid, const wchar_t* cls, int childId, int pollMs) {
  for (int i = 0; i < 10000 / pollMs; ++i) {
    if (HWND w = VisibleWindow(pid, cls, childId)) return w;
    Sleep(pollMs);
  }
  return nullptr;
}

// Painted: the dialog has handled what was queued, and neither it nor its tree waits for a paint.
void WaitPainted(HWND dialog) {
  HWND tree = GetDlgItem(dialog, IDC_SETAP_START_MENU);
  for (int i = 0; i < 5000; ++i) {
    DWORD_PTR r = 0;
    SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &r);
    if (!GetUpdateRect(dialog, nullptr, FALSE) && !GetUpdateRect(tree, nullptr, FALSE)) return;
    Sleep(1);
  }
}

HWND FindChild(HWND root, int id) {
  if (HWND direct = GetDlgItem(root, id)) return direct;
  for (HWND c = GetWindow(root, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
    if (HWND found = FindChild(c, id)) return found;
  return nullptr;
}

// Starts the program, waits for its main window, moves the pointer onto round button 2 and clicks it, and times
// the dialog's opening from the click.
double OpenDialog(const std::wstring& exe, const std::wstring& args) {
  std::wstring cmd = L"\"" + exe + L"\" " + args;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
  double ms = -1;
  HWND main = WaitFor(pi.dwProcessId, L"ThunderRT6FormDC", 0, 5);
  HWND button = main != nullptr ? FindChild(main, IDC_DT_BUTTON2) : nullptr;
  if (button != nullptr) {
    WaitForInputIdle(pi.hProcess, 10000);
    DWORD_PTR r = 0;
    SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &r);
    // As a user's hand does, the pointer moves onto the button some time before it clicks.
    RECT place{};
    GetWindowRect(button, &place);
    SetCursorPos(place.left - 40, place.top - 40);
    Sleep(50);
    SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    Sleep(400);
    const double start = NowMs();
    PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(IDC_DT_BUTTON2, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    if (HWND dialog = WaitFor(pi.dwProcessId, L"#32770", IDC_SETAP_TAB, 1)) {
      WaitPainted(dialog);
      ms = NowMs() - start;
      PostMessageW(dialog, WM_CLOSE, 0, 0);
      Sleep(100);
    }
    PostMessageW(main, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 0);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return ms;
}

bool ExpandBench(int runs) {
  const std::wstring folder = ManyFiles();
  std::vector<double> ot, om, rt, rm;
  RunExpand(L"ours", folder);  // the file cache, once
  for (int i = 0; i < runs; ++i) {
    const Sample o = RunExpand(L"ours", folder);
    const Sample r = RunExpand(L"reference", folder);
    if (o.ms < 0 || r.ms < 0) return false;
    ot.push_back(o.ms);
    om.push_back(o.kb);
    rt.push_back(r.ms);
    rm.push_back(r.kb);
  }
  const double t = Median(ot), tr = Median(rt), m = Median(om), mr = Median(rm);
  std::printf("expanding %d files, median of %d runs    All Files   reference   ratio (goal <= 1.50)\n", kFiles, runs);
  std::printf("  expand request to painted (ms)        %8.1f   %9.1f   %5.2f  (goal < 1000 ms)\n", t, tr, t / tr);
  std::printf("  peak working set (KB)                 %8.0f   %9.0f   %5.2f  (goal <= 1.30)\n", m, mr, m / mr);
  return true;
}

bool OpenBench(int runs) {
  std::vector<double> o, r;
  OpenDialog(BinDir() + L"Pantik.exe", L"/k");  // the file cache, once
  for (int i = 0; i < runs; ++i) {
    o.push_back(OpenDialog(BinDir() + L"Pantik.exe", L"/k"));
    r.push_back(OpenDialog(BinDir() + L"reference_setap.exe", L""));
    if (o.back() < 0 || r.back() < 0) return false;
  }
  const double t = Median(o), tr = Median(r);
  std::printf("opening the registration dialog, median of %d runs   Pantik   reference   ratio (goal <= 1.30)\n", runs);
  std::printf("  click to painted dialog (ms)                   %8.1f   %9.1f   %5.2f\n", t, tr, t / tr);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 11;
  // "open" as the second argument: the dialog's opening alone.
  const bool openOnly = argc > 2 && std::strcmp(argv[2], "open") == 0;
  if (!openOnly && !ExpandBench(runs)) {
    std::printf("expand bench: a run failed\n");
    return 1;
  }
  if (!OpenBench(runs)) {
    std::printf("registration dialog bench: a run did not show its dialog\n");
    return 1;
  }
  return 0;
}
