// The command line and the program file as Windows gives them.
#include <windows.h>

#include <vector>

#include "core/CommandLine.h"
#include "core/win32/WideText.h"

namespace fw {

ByteString CommandTail(int, char**)
{
    return CommandTailOf(cp932::FromUtf8(win32::Utf8FromWide(GetCommandLineW())));
}

std::string ProgramFilePath(const char* argv0)
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return argv0 ? std::string(argv0) : std::string();
        if (length < buffer.size())
            return win32::Utf8FromWide(std::wstring_view(buffer.data(), length));
        buffer.resize(buffer.size() * 2);   // cut short: the path is longer
    }
}

std::string CommandLineProgramPath(const char*)
{
    return win32::Utf8FromWide(GetCommandLineW());
}

char DirectorySeparator()
{
    return '\\';
}

}  // namespace fw
