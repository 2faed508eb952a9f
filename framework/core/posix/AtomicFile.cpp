#include "core/AtomicFile.h"
#include "core/TemporaryFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <vector>

namespace fw {

namespace {

constexpr int kMaxLinks = 40;   // as the kernel's own limit
constexpr int kNameTries = 100;

std::string ReadLink(const std::string& path)
{
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t n = readlink(path.c_str(), buffer.data(), buffer.size());
        if (n < 0)
            return {};
        if (static_cast<std::size_t>(n) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(n));
        buffer.resize(buffer.size() * 2);
    }
}

// A file descriptor that closes itself.
class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Opens a new, hidden file beside `target`; -1 when none can be made.
int CreateTemporary(const std::string& target, std::string& tempPath)
{
    std::random_device seed;
    std::mt19937 random(seed());
    for (int i = 0; i < kNameTries; ++i) {
        tempPath = TemporaryPathFor(target, static_cast<unsigned>(random()));
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The old file's mode and owner go to the new one, so a replace never
// widens or narrows who may read the settings.
bool CopyAttributes(int fd, const std::string& target)
{
    struct stat old{};
    if (::stat(target.c_str(), &old) != 0)
        return errno == ENOENT;
    if (fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Giving a file away needs privileges; without them it stays ours.
    }
    return fchmod(fd, old.st_mode & 07777) == 0;
}

bool WriteTemporary(int fd, const std::string& target, std::string_view contents)
{
    return CopyAttributes(fd, target) && WriteAll(fd, contents) && fsync(fd) == 0;
}

// Makes the rename itself durable; a failure here loses nothing written.
void SyncDirectory(const std::string& dir)
{
    Fd fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        fsync(fd.get());
}

}  // namespace

std::string DirectoryOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string FollowSymlinks(const std::string& path)
{
    std::string current = path;
    for (int i = 0; i < kMaxLinks; ++i) {
        struct stat info{};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        const std::string target = ReadLink(current);
        if (target.empty())
            return current;
        current = (target.front() == '/') ? target : DirectoryOf(current) + "/" + target;
    }
    return {};
}

bool ReplaceFileAtomically(const std::string& path, std::string_view contents)
{
    const std::string target = FollowSymlinks(path);
    if (target.empty())
        return false;
    std::string tempPath;
    Fd fd(CreateTemporary(target, tempPath));
    if (fd.get() < 0)
        return false;
    const bool written = WriteTemporary(fd.get(), target, contents);
    const bool closed = fd.Close();
    if (!written || !closed || ::rename(tempPath.c_str(), target.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        return false;
    }
    RemoveStaleTemporaries(target);
    SyncDirectory(DirectoryOf(target));
    return true;
}

}  // namespace fw
