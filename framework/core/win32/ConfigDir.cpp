// The per-user place on Windows: %APPDATA%\<the program's folder>.
#include "core/ConfigDir.h"

#include <windows.h>

#include "core/AppIdentity.h"
#include "core/win32/WideText.h"

namespace fw {

namespace {

bool IsDirectory(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(win32::WideFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Environment(const wchar_t* name)
{
    wchar_t buffer[32768];
    const DWORD length = GetEnvironmentVariableW(name, buffer, sizeof buffer / sizeof buffer[0]);
    if (length == 0 || length >= sizeof buffer / sizeof buffer[0])
        return {};
    return win32::Utf8FromWide(std::wstring_view(buffer, length));
}

}  // namespace

std::string UserConfigDir()
{
    const std::string appData = Environment(L"APPDATA");
    return appData.empty() ? std::string(".") : appData + "\\" + TheAppIdentity().configFolder;
}

bool MakeDirectories(const std::string& dir)
{
    if (dir.empty() || IsDirectory(dir))
        return !dir.empty();
    const std::size_t sep = dir.find_last_of("\\/");
    const bool hasParent = sep != std::string::npos && sep > 0 && dir[sep - 1] != ':';
    if (hasParent && !MakeDirectories(dir.substr(0, sep)))
        return false;
    if (CreateDirectoryW(win32::WideFromUtf8(dir).c_str(), nullptr))
        return true;
    return GetLastError() == ERROR_ALREADY_EXISTS && IsDirectory(dir);   // made meanwhile
}

}  // namespace fw
