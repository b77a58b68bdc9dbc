// The one lock over the settings store that every program of this system takes around a whole store operation.
#pragma once

#include <cstdint>

namespace tapstart {

// How long an operation waits for the store before it gives up: far longer than any save takes, short enough that
// a program hung while holding the store never hangs a button press.
inline constexpr uint32_t kStoreWaitMs = 5000;

// Two copies of the settings program (at different paths) and the launcher share one store. Under Wine each
// profile write rewrites the whole file, and the setting manager reads the set count before it writes it: without
// one lock around each whole operation, one program's writes undo the other's.
class StoreLock {
 public:
  virtual ~StoreLock() = default;
  // Waits up to kStoreWaitMs; true when the store is this program's now (a holder that ended without letting go
  // leaves it to the next one), false after the wait.
  [[nodiscard]] virtual bool Acquire() = 0;
  // Only after an Acquire that returned true.
  virtual void Release() = 0;
};

// A store that no other program shares: tests on the in-memory backend, tools.
class UnsharedStore final : public StoreLock {
 public:
  bool Acquire() override { return true; }
  void Release() override {}
};

// Holds nested inside one operation (a set's save inside the manager's add) share the outermost one: only it
// waits, so that a lock that timed out is not waited for again by each of the hundred writes inside. Reads go on
// without the lock after the wait (they change nothing); writes are refused.
class StoreHolds {
 public:
  explicit StoreHolds(StoreLock& lock) : lock_(lock) {}
  bool Enter() {
    if (depth_++ == 0) held_ = lock_.Acquire();
    return held_;
  }
  void Leave() {
    if (--depth_ == 0 && held_) {
      held_ = false;
      lock_.Release();
    }
  }

 private:
  StoreLock& lock_;
  int depth_ = 0;
  bool held_ = false;
};

class [[nodiscard]] StoreHold {
 public:
  explicit StoreHold(StoreHolds& holds) : holds_(holds), held_(holds.Enter()) {}
  ~StoreHold() { holds_.Leave(); }
  StoreHold(const StoreHold&) = delete;
  StoreHold& operator=(const StoreHold&) = delete;
  bool Held() const { return held_; }

 private:
  StoreHolds& holds_;
  bool held_;
};

}  // namespace tapstart
