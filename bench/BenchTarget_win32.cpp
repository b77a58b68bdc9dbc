// The program the bench starts: it notes the moment it runs, tells the driver, and ends.
#include <windows.h>

#include "BenchShared.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  using namespace tapstart::bench;
  HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, kRecordName);
  HANDLE started = OpenEventW(EVENT_MODIFY_STATE, FALSE, kStartedEvent);
  if (mapping != nullptr && started != nullptr) {
    if (auto* record = static_cast<StartRecord*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(StartRecord)))) {
      record->startedAt = now.QuadPart;
      record->pid = GetCurrentProcessId();
      UnmapViewOfFile(record);
      SetEvent(started);
    }
  }
  if (started != nullptr) CloseHandle(started);
  if (mapping != nullptr) CloseHandle(mapping);
  return 0;
}
