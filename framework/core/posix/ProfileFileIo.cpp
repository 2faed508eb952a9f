// Profile files on Linux: reading one, and what the user may write.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/AtomicFile.h"
#include "core/ConfigDir.h"
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

ReadResult OpenFailure(int error)
{
    if (error == ENOENT || error == ENOTDIR)
        return ReadResult::Missing;
    return error == ENXIO ? ReadResult::NotAFile : ReadResult::Failed;   // ENXIO: a socket
}

// Only a regular file counts: a directory, a FIFO or a device in its place
// is read as nothing and never replaced. O_NONBLOCK keeps a FIFO from
// stalling the open.
ReadResult ReadOnce(const std::string& path, std::string& out)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return OpenFailure(errno);
    struct stat info{};
    const bool stated = fstat(fd, &info) == 0;
    const bool regular = stated && S_ISREG(info.st_mode);
    const bool ok = regular && info.st_size <= kMaxFileBytes && ReadAll(fd, out);
    ::close(fd);
    if (!ok)
        out.clear();
    if (stated && !regular)
        return ReadResult::NotAFile;
    return ok ? ReadResult::Read : ReadResult::Failed;
}

// Asked with the effective ids, as opening the file would be.
bool Accessible(const std::string& path, int how)
{
    return ::faccessat(AT_FDCWD, path.c_str(), how, AT_EACCESS) == 0;
}

std::string BaseNameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

namespace detail {

ReadResult ReadProfileBytes(const std::string& path, std::string& out)
{
    return ReadOnce(path, out);
}

std::string_view NewFileLineBreak()
{
    return "\n";
}

bool IsBareName(const std::string& path)
{
    return path.find('/') == std::string::npos;
}

std::string PerUserPathOf(const std::string& path)
{
    return UserConfigDir() + "/" + BaseNameOf(path);
}

bool CanCreateFileIn(const std::string& dir)
{
    return Accessible(dir, W_OK | X_OK);
}

// A rename would replace a file of mode 444 or another user's file all the
// same; the file's own write permission decides, as on Windows.
bool MayWrite(const std::string& path)
{
    const std::string target = FollowSymlinks(path);
    if (target.empty())
        return false;
    return Accessible(target, W_OK) || errno == ENOENT;
}

}  // namespace detail
}  // namespace fw
