// The store's lock on Windows: one named mutex in the user's session, shared by Pantik and Runvoy. Kept to the
// header and to kernel32, so that the launcher takes it without linking the settings program's Win32 code.
#pragma once

#include <windows.h>

#include "settings/store/StoreLock.h"
#include "ui/Handles_win32.h"

namespace tapstart {

// "Local\": the user's session. The user tree belongs to the user, and a program of another session does not run
// in this one's desktop.
inline constexpr wchar_t kStoreMutexName[] = L"Local\\Tapstart.SettingsStore";

class SessionStoreLock final : public StoreLock {
 public:
  bool Acquire() override {
    if (!mutex_) mutex_.Reset(CreateMutexW(nullptr, FALSE, kStoreMutexName));
    // A mutex that cannot be made at all (no such name space, no rights to another user's object of that
    // name) says nothing about another writer: the store is used without it, as it was before there was a lock.
    if (!mutex_) return true;
    const DWORD waited = WaitForSingleObject(mutex_.Get(), kStoreWaitMs);
    // WAIT_ABANDONED: the last holder ended while holding it; its operation is over, and the store is ours.
    owned_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    return owned_;
  }
  void Release() override {
    if (owned_) {
      owned_ = false;
      ReleaseMutex(mutex_.Get());
    }
  }

 private:
  KernelHandle mutex_;
  bool owned_ = false;
};

}  // namespace tapstart
