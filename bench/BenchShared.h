// Names shared by the bench driver and the bench target: where the target leaves the moment it started.
#pragma once

#include <windows.h>

namespace tapstart::bench {

// A small shared block the driver creates and the target fills in.
struct StartRecord {
  LONGLONG startedAt;  // QueryPerformanceCounter at the target's entry
  DWORD pid;           // the target's process id, so that the driver can wait for it to end
};

inline constexpr wchar_t kRecordName[] = L"Local\\TapstartBenchRecord";
inline constexpr wchar_t kStartedEvent[] = L"Local\\TapstartBenchStarted";

}  // namespace tapstart::bench
