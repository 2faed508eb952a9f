// One running copy per program name: an exclusive flock on a file named
// after the program, held while this object lives. The kernel drops the lock
// when the process ends, however it ends, so a new copy can start at once.
#pragma once

#include <string>

namespace fw {

class InstanceLock {
public:
    enum class Result {
        acquired,         // this process is the one running copy
        alreadyRunning,   // another process holds the lock
        unavailable,      // no lock could be made; run without one
    };

    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // `name` is a file name without directory (the program's ExeName).
    Result Acquire(const std::string& name);

    // $XDG_RUNTIME_DIR/<name>.lock, or /tmp/<name>-<uid>.lock when that is
    // unset or not an absolute path.
    static std::string LockFilePath(const std::string& name);

private:
    void Release();

    int m_fd = -1;
};

}  // namespace fw
