#include "core/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace fw {

namespace {

int OpenLockFile(const std::string& path)
{
    // O_NOFOLLOW: in /tmp another user could plant a symbolic link there.
    int fd;
    do {
        fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

int LockExclusive(int fd)
{
    int rc;
    do {
        rc = flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    return rc;
}

}  // namespace

InstanceLock::~InstanceLock()
{
    Release();
}

std::string InstanceLock::LockFilePath(const std::string& name)
{
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir && runtimeDir[0] == '/')
        return std::string(runtimeDir) + "/" + name + ".lock";
    return "/tmp/" + name + "-" + std::to_string(getuid()) + ".lock";
}

// The file stays behind when the program ends: deleting it would race with
// a copy that is starting and has just opened it.
InstanceLock::Result InstanceLock::Acquire(const std::string& name)
{
    Release();
    const int fd = OpenLockFile(LockFilePath(name));
    if (fd < 0)
        return Result::unavailable;
    if (LockExclusive(fd) != 0) {
        const bool held = errno == EWOULDBLOCK;
        close(fd);
        return held ? Result::alreadyRunning : Result::unavailable;
    }
    m_handle = fd;
    return Result::acquired;
}

void InstanceLock::Release()
{
    if (m_handle >= 0) {
        close(static_cast<int>(m_handle));
        m_handle = -1;
    }
}

}  // namespace fw
