// Starts Pantik /w:0 and the reference wizard in turn, each until its wizard page is painted and idle, and
// prints the medians of the start time and their ratio.
#include <windows.h>

#include <prsht.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../BenchCommon_win32.h"

namespace {

using tapstart::bench::BinDir;
using tapstart::bench::Median;

struct Find {
  DWORD pid;
  HWND found;
};

// A visible wizard of the process that shows a page.
HWND ShownWizard(DWORD pid) {
  Find f{pid, nullptr};
  EnumWindows(
      [](HWND w, LPARAM l) -> BOOL {
        auto* f = reinterpret_cast<Find*>(l);
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner != f->pid || !IsWindowVisible(w)) return TRUE;
        DWORD_PTR page = 0;
        if (SendMessageTimeoutW(w, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_BLOCK, 1000, &page) == 0 || page == 0)
          return TRUE;
        f->found = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&f));
  return f.found;
}

double Measure(const std::wstring& exe, const std::wstring& args) {
  std::wstring cmd = L"\"" + exe + L"\" " + args;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  LARGE_INTEGER f, t0, t1;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t0);
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
  HWND w = nullptr;
  for (int i = 0; i < 5000 && w == nullptr; ++i) {
    w = ShownWizard(pi.dwProcessId);
    if (w == nullptr) Sleep(1);
  }
  double ms = -1;
  if (w != nullptr) {
    // Idle: initialisation done and the first paint handled.
    WaitForInputIdle(pi.hProcess, 10000);
    DWORD_PTR r = 0;
    SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &r);
    QueryPerformanceCounter(&t1);
    ms = 1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(f.QuadPart);
    // Closing from the system menu leaves without a question.
    PostMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 0);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return ms;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? std::max(3, _wtoi(argv[1])) : 15;
  const std::wstring dir = BinDir();
  Measure(dir + L"Pantik.exe", L"/w:0");  // warm the file cache and the server once
  std::vector<double> pantik, reference;
  for (int i = 0; i < runs; ++i) {
    const double p = Measure(dir + L"Pantik.exe", L"/w:0");
    const double r = Measure(dir + L"reference_wizard.exe", L"");
    if (p < 0 || r < 0) {
      std::printf("wizard bench: a run did not show its wizard\n");
      return 1;
    }
    pantik.push_back(p);
    reference.push_back(r);
  }
  const double t = Median(pantik), tr = Median(reference);
  std::printf("wizard-only run, median of %d runs     Pantik   reference   ratio (goal <= 1.30)\n", runs);
  std::printf("  start to painted first page (ms)   %8.1f   %9.1f   %5.2f\n", t, tr, t / tr);
  return 0;
}
