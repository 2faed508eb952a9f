// Between the program's narrow strings and the W functions' UTF-16.
#pragma once

#include <string>
#include <string_view>

#include "core/Text.h"

namespace fw::win32 {

// File-system bytes (UTF-8) to and from UTF-16; a broken sequence becomes
// U+FFFD.
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

// The program's texts (CP932) to and from UTF-16, for the W functions: the
// same conversion as everywhere else in the program, so a character CP932
// cannot hold becomes one "?" and a broken CP932 sequence U+FFFD.
std::wstring WideFromCp932(std::string_view text);
ByteString Cp932FromWide(std::wstring_view wide);

}  // namespace fw::win32
