// Replacing a file on Windows: a new file beside it, flushed, then moved
// over the old one with MoveFileEx, which replaces it in one step.
#include "core/AtomicFile.h"
#include "core/TemporaryFiles.h"

#include <windows.h>

#include <random>

#include "core/win32/WideText.h"

namespace fw {

namespace {

constexpr int kNameTries = 100;

std::size_t LastSeparator(const std::string& path)
{
    return path.find_last_of("\\/");
}

// A handle that closes itself.
class Handle {
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    bool Close()
    {
        const HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        return handle == INVALID_HANDLE_VALUE || CloseHandle(handle) != 0;
    }

private:
    HANDLE m_handle;
};

bool WriteAll(HANDLE file, std::string_view data)
{
    while (!data.empty()) {
        const DWORD chunk = data.size() > 1u << 30 ? 1u << 30 : static_cast<DWORD>(data.size());
        DWORD written = 0;
        if (!WriteFile(file, data.data(), chunk, &written, nullptr) || written == 0)
            return false;
        data.remove_prefix(written);
    }
    return true;
}

// Opens a new file beside `target`; an invalid handle when none can be made.
HANDLE CreateTemporary(const std::string& target, std::wstring& tempPath)
{
    std::random_device seed;
    std::mt19937 random(seed());
    for (int i = 0; i < kNameTries; ++i) {
        tempPath = win32::WideFromUtf8(TemporaryPathFor(target, static_cast<unsigned>(random())));
        const HANDLE file = CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_HIDDEN, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

}  // namespace

std::string DirectoryOf(const std::string& path)
{
    const std::size_t sep = LastSeparator(path);
    if (sep == std::string::npos)
        return ".";
    // The root keeps its separator: "C:" alone would mean C:'s current folder.
    const bool root = sep == 0 || (sep == 2 && path[1] == ':');
    return path.substr(0, root ? sep + 1 : sep);
}

// Links on Windows need privileges to make and are rare; the file named is
// the one replaced.
std::string FollowSymlinks(const std::string& path)
{
    return path;
}

// A file the user marked read-only stays as it is; MoveFileEx refuses to
// replace one on Windows, though not under every emulation of it.
static bool IsReadOnly(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(win32::WideFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

bool ReplaceFileAtomically(const std::string& path, std::string_view contents)
{
    if (IsReadOnly(path))
        return false;
    std::wstring tempPath;
    Handle file(CreateTemporary(path, tempPath));
    if (!file.valid())
        return false;
    const bool written = WriteAll(file.get(), contents) && FlushFileBuffers(file.get());
    const bool closed = file.Close();
    if (!written || !closed ||
        !MoveFileExW(tempPath.c_str(), win32::WideFromUtf8(path).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(tempPath.c_str());
        return false;
    }
    // The hidden mark belonged to the temporary name only.
    SetFileAttributesW(win32::WideFromUtf8(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveStaleTemporaries(path);
    return true;
}

}  // namespace fw
