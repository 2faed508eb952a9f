// One running copy per program name, held while this object lives: on Linux
// an exclusive flock on a file named after the program, on Windows a named
// mutex. The system drops it when the process ends, however it ends, so a
// new copy can start at once.
#pragma once

#include <cstdint>
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

    // Linux only: $XDG_RUNTIME_DIR/<name>.lock, or /tmp/<name>-<uid>.lock
    // when that is unset or not an absolute path.
    static std::string LockFilePath(const std::string& name);

private:
    void Release();

    std::intptr_t m_handle = -1;   // the lock file's descriptor or the mutex's handle
};

}  // namespace fw
