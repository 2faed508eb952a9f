#include "core/TemporaryFiles.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/AtomicFile.h"

namespace fw {

namespace {

namespace fs = std::filesystem;

// Paths are UTF-8 on both platforms.
fs::path PathOf(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Of(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string PrefixFor(const std::string& target)
{
    return "." + Utf8Of(PathOf(target).filename()) + ".tmp";
}

}  // namespace

std::string TemporaryPathFor(const std::string& target, unsigned number)
{
    const std::string name = PrefixFor(target) + std::to_string(number % kTemporaryNumbers);
    return Utf8Of(PathOf(target).parent_path() / PathOf(name));
}

void RemoveStaleTemporaries(const std::string& target)
{
    const std::string prefix = PrefixFor(target);
    std::error_code error;
    fs::directory_iterator it(PathOf(DirectoryOf(target)), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code ignored;
        if (IsTemporaryName(Utf8Of(it->path().filename()), prefix) && !it->is_symlink(ignored)
            && it->is_regular_file(ignored))
            fs::remove(it->path(), ignored);
    }
}

}  // namespace fw
