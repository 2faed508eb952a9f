#include "core/CommandLine.h"

#include <sys/stat.h>
#include <unistd.h>

#include <utility>
#include <vector>

namespace fw {

namespace {

bool IsBlank(char ch)
{
    const auto code = static_cast<unsigned char>(ch);
    return code >= 1 && code <= 32;
}

// Linux paths are UTF-8 bytes, in which '/', '\\', ':' and '.' never occur
// inside a multibyte character, so a plain byte scan is safe here.
std::string_view BaseName(std::string_view path)
{
    const std::size_t sep = path.find_last_of("/\\:");
    return sep == std::string_view::npos ? path : path.substr(sep + 1);
}

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
    std::size_t start = 0;
    while (start < joined.size() && IsBlank(joined[start]))
        ++start;
    return cp932::FromUtf8(std::string_view(joined).substr(start));
}

std::string ExeName(std::string_view programPath)
{
    std::string_view base = BaseName(programPath);
    const std::size_t dot = base.rfind('.');
    if (dot != std::string_view::npos && dot > 0)
        base = base.substr(0, dot);
    return std::string(base);
}

ByteString AppTitle(std::string_view programPath)
{
    return cp932::FromUtf8(ExeName(programPath));
}

std::string ProgramFilePath(const char* argv0)
{
    std::string path = ReadLink("/proc/self/exe");
    if (!path.empty())
        return WithoutDeletedMark(std::move(path));
    return argv0 ? std::string(argv0) : std::string();
}

}  // namespace fw
