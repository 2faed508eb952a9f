// Profile files on Windows: reading one, and what the user may write.
#include <windows.h>

#include <random>

#include "core/ConfigDir.h"
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

// Attributes of the file at `path`; INVALID_FILE_ATTRIBUTES when there is
// none, with the reason in GetLastError.
DWORD AttributesOf(const std::string& path)
{
    return GetFileAttributesW(win32::WideFromUtf8(path).c_str());
}

bool IsMissingError(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool ReadOpened(HANDLE file, std::string& out)
{
    LARGE_INTEGER size{};
    return GetFileSizeEx(file, &size) && size.QuadPart <= kMaxFileBytes && ReadAll(file, out);
}

// A file on disk only: a directory is told by its attribute (it cannot be
// opened so), a device or a pipe by its type.
ReadResult ReadOnce(const std::string& path, std::string& out)
{
    const DWORD attributes = AttributesOf(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return ReadResult::NotAFile;
    const HANDLE file = CreateFileW(win32::WideFromUtf8(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return IsMissingError(GetLastError()) ? ReadResult::Missing : ReadResult::Failed;
    const bool onDisk = GetFileType(file) == FILE_TYPE_DISK;
    const bool ok = onDisk && ReadOpened(file, out);
    CloseHandle(file);
    if (!ok)
        out.clear();
    if (!onDisk)
        return ReadResult::NotAFile;
    return ok ? ReadResult::Read : ReadResult::Failed;
}

std::string BaseNameOf(const std::string& path)
{
    const std::size_t sep = path.find_last_of("\\/:");
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

}  // namespace

namespace detail {

ReadResult ReadProfileBytes(const std::string& path, std::string& out)
{
    return ReadOnce(path, out);
}

std::string_view NewFileLineBreak()
{
    return "\r\n";
}

bool IsBareName(const std::string& path)
{
    return path.find_first_of("\\/:") == std::string::npos;
}

std::string PerUserPathOf(const std::string& path)
{
    return UserConfigDir() + "\\" + BaseNameOf(path);
}

// The folder's rights decide, which only trying tells (a program folder
// under Program Files refuses).
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

// The read-only attribute, and the file's rights for this user, which only
// opening it for writing tells (it writes nothing).
bool MayWrite(const std::string& path)
{
    const DWORD attributes = AttributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return IsMissingError(GetLastError());
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))
        return false;
    const HANDLE file = CreateFileW(win32::WideFromUtf8(path).c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() != ERROR_ACCESS_DENIED;
    CloseHandle(file);
    return true;
}

}  // namespace detail
}  // namespace fw
