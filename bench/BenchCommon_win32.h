// Small helpers every benchmark program shares: its own folder, a millisecond clock and the median.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tapstart::bench {

// The folder of the running program, with its final backslash: the programs under test sit beside it.
inline std::wstring BinDir() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring p(path);
  return p.substr(0, p.find_last_of(L'\\') + 1);
}

// Milliseconds on the performance counter.
inline double NowMs() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

// The median of the samples; -1 when there are none.
inline double Median(std::vector<double> v) {
  if (v.empty()) return -1;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 != 0 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace tapstart::bench
