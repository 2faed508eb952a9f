#include "core/ConfigDir.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "core/AppIdentity.h"

namespace fw {

namespace {

std::string HomeDir()
{
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0')
        return home;
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* result = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 &&
        result != nullptr && result->pw_dir != nullptr && result->pw_dir[0] != '\0')
        return result->pw_dir;
    return {};
}

bool IsDirectory(const std::string& path)
{
    struct stat info{};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string UserConfigDir()
{
    const std::string& folder = TheAppIdentity().configFolder;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/')
        return std::string(xdg) + "/" + folder;
    const std::string home = HomeDir();
    if (home.empty())
        return ".";
    return home + "/.config/" + folder;
}

bool MakeDirectories(const std::string& dir)
{
    if (dir.empty() || IsDirectory(dir))
        return !dir.empty();
    const std::size_t slash = dir.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakeDirectories(dir.substr(0, slash)))
        return false;
    if (mkdir(dir.c_str(), 0700) == 0)
        return true;
    return errno == EEXIST && IsDirectory(dir);   // made meanwhile by someone else
}

}  // namespace fw
