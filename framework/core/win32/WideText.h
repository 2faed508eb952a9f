// Between the program's narrow strings and the W functions' UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace fw::win32 {

// File-system bytes (UTF-8) to and from UTF-16; a broken sequence becomes
// U+FFFD.
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

}  // namespace fw::win32
