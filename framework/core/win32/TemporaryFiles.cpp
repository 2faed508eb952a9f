// The temporary files beside a replaced file, with the platform's own calls:
// std::filesystem would link the C++ library's whole locale and stream
// machinery into the program (its path conversions need them), for two
// names and a folder listing.
#include <windows.h>

#include <string_view>

#include "core/AtomicFile.h"
#include "core/TemporaryFiles.h"
#include "core/win32/WideText.h"

namespace fw {

namespace {

// The target's folder as written in it, with its separator; empty for a
// bare name.
std::string_view FolderPart(std::string_view target)
{
    const std::size_t sep = target.find_last_of("\\/");
    return sep == std::string_view::npos ? std::string_view{} : target.substr(0, sep + 1);
}

std::string PrefixFor(std::string_view target)
{
    std::string prefix = ".";
    prefix += target.substr(FolderPart(target).size());
    return prefix + ".tmp";
}

}  // namespace

std::string TemporaryPathFor(const std::string& target, unsigned number)
{
    return std::string(FolderPart(target)) + PrefixFor(target) + std::to_string(number % kTemporaryNumbers);
}

void RemoveStaleTemporaries(const std::string& target)
{
    const std::string prefix = PrefixFor(target);
    std::wstring folder = win32::WideFromUtf8(DirectoryOf(target));
    if (!folder.ends_with(L'\\') && !folder.ends_with(L'/'))
        folder += L'\\';
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileExW((folder + L'*').c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        // Links (reparse points) and folders stay.
        const bool plainFile = !(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
        if (plainFile && IsTemporaryName(win32::Utf8FromWide(found.cFileName), prefix))
            DeleteFileW((folder + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace fw
