#pragma once

#include <string>

namespace vertanum::app {

// One running copy at a time: an advisory lock (flock) on a file in the user's runtime folder.
// The kernel releases it when the process ends, however it ends, so a crashed copy never blocks
// the next start.
class SingleInstanceLock {
  public:
    SingleInstanceLock() = default;
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // $XDG_RUNTIME_DIR/vertanum.lock, else /tmp/vertanum-<uid>.lock.
    static std::string DefaultPath();

    // True when this object now holds the lock; false when another copy holds it. A lock file
    // that cannot be made at all does not stop the program: it then runs unguarded.
    bool Acquire(const std::string& path = DefaultPath());
    bool Held() const { return fd_ >= 0; }
    void Release();

  private:
    int fd_ = -1;
};

}  // namespace vertanum::app
