// One expansion of a large folder in a tree view, timed from the expand request to the children inserted and
// painted, then the process's peak working set:
//   expand_bench ours FOLDER        the All Files tree (CTreeViewUtl): sorted names, icons for the items drawn
//   expand_bench reference FOLDER   FindFirstFileExW and unsorted inserts into a tree with redraw off, no icons
// Prints "milliseconds peak-kilobytes". The folders above FOLDER are opened first, untimed.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../BenchCommon_win32.h"
#include "registration/CTreeViewUtl_win32.h"

namespace tapstart::bench {
namespace {

using tapstart::bench::NowMs;

constexpr wchar_t kHostClass[] = L"TapstartExpandBench";
CTreeViewUtl* g_tree = nullptr;

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
  LRESULT result = 0;
  if (msg == WM_NOTIFY && g_tree != nullptr && g_tree->OnNotify(*reinterpret_cast<NMHDR*>(l), result)) return result;
  return DefWindowProcW(hwnd, msg, w, l);
}

HWND MakeTree() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = HostProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kHostClass;
  RegisterClassExW(&wc);
  HWND host = CreateWindowExW(0, kHostClass, L"expand", WS_POPUP | WS_VISIBLE, 0, 0, 360, 300, nullptr, nullptr,
                              wc.hInstance, nullptr);
  return CreateWindowExW(0, WC_TREEVIEWW, L"",
                         WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, 0, 0, 360,
                         300, host, nullptr, wc.hInstance, nullptr);
}

std::vector<std::wstring> Parts(const std::wstring& path) {
  std::vector<std::wstring> parts;
  size_t at = 0;
  for (size_t next; (next = path.find(L'\\', at)) != std::wstring::npos; at = next + 1)
    parts.push_back(path.substr(at, next - at));
  parts.push_back(path.substr(at));
  return parts;
}

void Pump() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
}

// The child of an item whose text starts with this (a drive's text carries its label after the name).
HTREEITEM ChildStarting(const TreeView& view, HTREEITEM parent, const std::wstring& start) {
  for (HTREEITEM c = view.Child(parent); c != nullptr; c = view.Next(c))
    if (CompareStringOrdinal(view.Text(c).substr(0, start.size()).c_str(), -1, start.c_str(), -1, TRUE) == CSTR_EQUAL)
      return c;
  return nullptr;
}

// The expansion itself: the item at the top of the view is opened and the tree painted.
double TimedExpand(HWND tree, HTREEITEM item) {
  TreeView(tree).Select(item);
  TreeView_Select(tree, item, TVGN_FIRSTVISIBLE);
  Pump();
  const double start = NowMs();
  TreeView(tree).Expand(item);
  UpdateWindow(tree);
  return NowMs() - start;
}

double Ours(HWND tree, const std::wstring& folder) {
  static CTreeViewUtl utl(TreeKind::AllFiles);  // lives as long as the window
  g_tree = &utl;
  if (!utl.Attach(tree, nullptr)) return -1;
  CSystemDrive drives;
  drives.Refresh(DiskFileSystem());
  utl.FillAllFiles(drives, L"Computer", {});
  const TreeView view = utl.View();
  const std::vector<std::wstring> parts = Parts(folder);
  HTREEITEM item = view.Root();
  for (size_t i = 0; i < parts.size() && item != nullptr; ++i) {
    if (i > 0) view.Expand(item);
    item = ChildStarting(view, item, i == 0 ? std::wstring(1, parts[0][0]) + L":" : parts[i]);
  }
  if (item == nullptr) return -1;
  const double ms = TimedExpand(tree, item);
  if (view.Child(item) == nullptr) return -1;
  return ms;
}

// The floor: the same chain of items, and the folder listed and inserted as it comes.
double Reference(HWND tree, const std::wstring& folder) {
  const TreeView view(tree);
  HTREEITEM item = view.Insert(TVI_ROOT, {L"Computer", 0, true, 0});
  for (const std::wstring& part : Parts(folder)) {
    HTREEITEM child = view.Insert(item, {part, 0, true, 0});
    view.Expand(item);
    item = child;
  }
  double start = 0;
  {
    TreeView_Select(tree, item, TVGN_FIRSTVISIBLE);
    Pump();
    start = NowMs();
    const ScopedRedrawOff quiet(tree);
    WIN32_FIND_DATAW found{};
    HANDLE find = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return -1;
    do {
      if (wcscmp(found.cFileName, L".") == 0 || wcscmp(found.cFileName, L"..") == 0) continue;
      view.Insert(item, {found.cFileName, 0, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0, 0});
    } while (FindNextFileW(find, &found));
    FindClose(find);
  }
  view.Expand(item);
  UpdateWindow(tree);
  return NowMs() - start;
}

}  // namespace
}  // namespace tapstart::bench

int wmain(int argc, wchar_t** argv) {
  using namespace tapstart::bench;
  if (argc < 3) return 2;
  InitCommonControls();
  OleInitialize(nullptr);
  HWND tree = MakeTree();
  const bool ours = wcscmp(argv[1], L"ours") == 0;
  const double ms = ours ? Ours(tree, argv[2]) : Reference(tree, argv[2]);
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
  std::printf("%.1f %.0f\n", ms, static_cast<double>(pmc.PeakWorkingSetSize) / 1024.0);
  return ms < 0 ? 1 : 0;
}
