// Profile files on Windows: reading one, and where a path really lives.
#include <windows.h>

#include <random>

#include "core/AtomicFile.h"
#include "core/ConfigDir.h"
#include "core/ProfileFile.h"
#include "core/ProfileFile_p.h"
#include "core/win32/WideText.h"

namespace fw {

namespace {

using detail::ReadResult;

// Far beyond any settings file; a bigger one is not ours to rewrite.
constexpr LONGLONG kMaxFileBytes = 64 * 1024 * 1024;

bool ReadAll(HANDLE file, std::string& out)
{
    char buffer[65536];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &read, nullptr))
            return false;
        if (read == 0)
            return true;
        out.append(buffer, read);
        if (out.size() > static_cast<std::size_t>(kMaxFileBytes))
            return false;
    }
}

// A file on disk only: a directory cannot be opened so, and a device or a
// pipe is not FILE_TYPE_DISK.
bool ReadOpened(HANDLE file, std::string& out)
{
    LARGE_INTEGER size{};
    return GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) &&
           size.QuadPart <= kMaxFileBytes && ReadAll(file, out);
}

ReadResult ReadOnce(const std::string& path, std::string& out)
{
    const HANDLE file = CreateFileW(win32::WideFromUtf8(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return missing ? ReadResult::Missing : ReadResult::Failed;
    }
    const bool ok = ReadOpened(file, out);
    CloseHandle(file);
    if (!ok)
        out.clear();
    return ok ? ReadResult::Read : ReadResult::Failed;
}

bool IsBareName(const std::string& path)
{
    return path.find_first_of("\\/:") == std::string::npos;
}

std::string BaseNameOf(const std::string& path)
{
    const std::size_t sep = path.find_last_of("\\/:");
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

// Whether a new file can be made in `dir`: the folder's rights decide that,
// which only trying tells (a program folder under Program Files refuses).
bool CanCreateFileIn(const std::string& dir)
{
    std::random_device seed;
    const std::string probe = dir + "\\.yrk-probe" + std::to_string(seed() % 1000000);
    const HANDLE file = CreateFileW(win32::WideFromUtf8(probe).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
                                    nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_EXISTS;   // someone else's probe: writable
    CloseHandle(file);
    return true;
}

}  // namespace

std::string ResolveProfilePath(const std::string& path)
{
    if (IsBareName(path))
        return UserConfigDir() + "\\" + path;
    if (!CanCreateFileIn(DirectoryOf(path)))
        return UserConfigDir() + "\\" + BaseNameOf(path);
    return path;
}

namespace detail {

ReadResult ReadProfileBytes(const std::string& path, std::string& out)
{
    return ReadOnce(path, out);
}

std::string_view NewFileLineBreak()
{
    return "\r\n";
}

}  // namespace detail
}  // namespace fw
