// Starts Pantik /k and the reference program in turn, each until its main window is painted and idle, and
// prints the medians of the start time and of the peak working set as ratios.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "../BenchCommon_win32.h"

namespace {

using tapstart::bench::BinDir;
using tapstart::bench::Median;

struct Sample {
  double visible = -1;
  double ms = -1;
  double peakKb = -1;
};

struct Find {
  DWORD pid;
  HWND found;
};

HWND VisibleMainWindow(DWORD pid) {
  Find f{pid, nullptr};
  EnumWindows(
      [](HWND w, LPARAM l) -> BOOL {
        auto* f = reinterpret_cast<Find*>(l);
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        wchar_t cls[64] = {};
        GetClassNameW(w, cls, 64);
        if (pid == f->pid && IsWindowVisible(w) && lstrcmpW(cls, L"ThunderRT6FormDC") == 0) {
          f->found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&f));
  return f.found;
}

Sample Measure(const std::wstring& exe, const std::wstring& args) {
  Sample s;
  std::wstring cmd = L"\"" + exe + L"\" " + args;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  LARGE_INTEGER f, t0, t1;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t0);
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return s;
  HWND w = nullptr;
  for (int i = 0; i < 3000 && w == nullptr; ++i) {
    w = VisibleMainWindow(pi.dwProcessId);
    if (w == nullptr) Sleep(1);
  }
  if (w != nullptr) {
    LARGE_INTEGER tv;
    QueryPerformanceCounter(&tv);
    s.visible = 1000.0 * static_cast<double>(tv.QuadPart - t0.QuadPart) / static_cast<double>(f.QuadPart);
    // Shown: initialisation done. Idle: the first paint handled too.
    WaitForInputIdle(pi.hProcess, 10000);
    DWORD_PTR r = 0;
    SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &r);
    QueryPerformanceCounter(&t1);
    s.ms = 1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(f.QuadPart);
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof pmc;
    if (GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof pmc))
      s.peakKb = static_cast<double>(pmc.PeakWorkingSetSize) / 1024.0;
    PostMessageW(w, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 0);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 15;
  std::vector<double> pt, pm, rt, rm, pv, rv;
  const std::wstring dir = BinDir();
  Measure(dir + L"Pantik.exe", L"/k");  // warm the file cache and the server once
  for (int i = 0; i < runs; ++i) {
    const Sample p = Measure(dir + L"Pantik.exe", L"/k");
    const Sample r = Measure(dir + L"reference_dialogs.exe", L"");
    if (p.ms < 0 || r.ms < 0) {
      std::printf("main window bench: a run did not show its window\n");
      return 1;
    }
    pt.push_back(p.ms);
    pv.push_back(p.visible);
    rv.push_back(r.visible);
    pm.push_back(p.peakKb);
    rt.push_back(r.ms);
    rm.push_back(r.peakKb);
  }
  const double t = Median(pt), tr = Median(rt), m = Median(pm), mr = Median(rm);
  std::printf("main window, median of %d runs          Pantik   reference   ratio\n", runs);
  std::printf("  window shown (ms)                  %8.1f   %9.1f   %5.2f\n", Median(pv), Median(rv),
              Median(pv) / Median(rv));
  std::printf("  start to painted window (ms)       %8.1f   %9.1f   %5.2f   (goal <= 1.20)\n", t, tr, t / tr);
  std::printf("  peak working set (KB)              %8.0f   %9.0f   %5.2f   (goal <= 1.10)\n", m, mr, m / mr);
  return 0;
}
