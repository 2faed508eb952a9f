// The command line and the program file as Linux gives them.
#include <sys/stat.h>
#include <unistd.h>

#include <utility>
#include <vector>

#include "core/CommandLine.h"
#include "core/CommandLine_p.h"

namespace fw {

namespace {

std::string ReadLink(const char* link)
{
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = readlink(link, buffer.data(), buffer.size());
        if (length < 0)
            return {};
        if (static_cast<std::size_t>(length) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        buffer.resize(buffer.size() * 2);   // may have been cut short
    }
}

bool Exists(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

// A binary replaced while it runs (a package upgrade) reads back as
// "<path> (deleted)"; its name for the lock must stay the same.
std::string WithoutDeletedMark(std::string path)
{
    constexpr std::string_view mark = " (deleted)";
    if (path.size() > mark.size() && path.ends_with(mark) && !Exists(path))
        path.resize(path.size() - mark.size());
    return path;
}

}  // namespace

ByteString CommandTail(int argc, char** argv)
{
    std::string joined;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            joined += ' ';
        joined += argv[i];
    }
    return cp932::FromUtf8(detail::StripLeadingBlanks(joined));
}

std::string ProgramFilePath(const char* argv0)
{
    std::string path = ReadLink("/proc/self/exe");
    if (!path.empty())
        return WithoutDeletedMark(std::move(path));
    return argv0 ? std::string(argv0) : std::string();
}

std::string CommandLineProgramPath(const char* argv0)
{
    return argv0 ? std::string(argv0) : std::string();
}

char DirectorySeparator()
{
    return '/';
}

}  // namespace fw
