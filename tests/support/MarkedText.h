// Texts as an editor saves them with a byte-order mark ("Unicode" is UTF-16
// LE), for the tests of profile files that are not CP932.
#pragma once

#include <string>
#include <string_view>

inline std::string Utf16File(std::u16string_view text, bool bigEndian = false)
{
    std::string bytes;
    for (const char16_t unit : u"\uFEFF" + std::u16string(text)) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

// `utf8` is the source's own UTF-8.
inline std::string Utf8File(std::string_view utf8)
{
    return "\xEF\xBB\xBF" + std::string(utf8);
}
