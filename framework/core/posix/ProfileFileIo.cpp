// Profile files on Linux: reading one, and where a path really lives.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/AtomicFile.h"
#include "core/ConfigDir.h"
#include "core/ProfileFile.h"
#include "core/ProfileFile_p.h"

namespace fw {

namespace {

using detail::ReadResult;

// Far beyond any settings file; a bigger one is not ours to rewrite.
constexpr off_t kMaxFileBytes = 64 * 1024 * 1024;

bool ReadAll(int fd, std::string& out)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        out.append(buffer, static_cast<std::size_t>(n));
        if (out.size() > static_cast<std::size_t>(kMaxFileBytes))
            return false;
    }
}

// Only a regular file counts: a directory, a FIFO or a device in its place
// is read as nothing and never replaced. O_NONBLOCK keeps a FIFO from
// stalling the open.
ReadResult ReadOnce(const std::string& path, std::string& out)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return (errno == ENOENT || errno == ENOTDIR) ? ReadResult::Missing : ReadResult::Failed;
    struct stat info{};
    const bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                    info.st_size <= kMaxFileBytes && ReadAll(fd, out);
    ::close(fd);
    if (!ok)
        out.clear();
    return ok ? ReadResult::Read : ReadResult::Failed;
}

std::string BaseNameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string ResolveProfilePath(const std::string& path)
{
    if (path.find('/') == std::string::npos)
        return UserConfigDir() + "/" + path;
    if (::access(DirectoryOf(path).c_str(), W_OK) != 0)
        return UserConfigDir() + "/" + BaseNameOf(path);
    return path;
}

namespace detail {

ReadResult ReadProfileBytes(const std::string& path, std::string& out)
{
    return ReadOnce(path, out);
}

std::string_view NewFileLineBreak()
{
    return "\n";
}

}  // namespace detail
}  // namespace fw
