// Text as the program holds it: byte strings in code page 932 (Shift_JIS
// with the Windows extensions). Lengths and limits count bytes, and every
// scan steps over a double-byte character whole, so that its second byte is
// never taken for an ASCII character such as '\\' or ']'.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fw {

using ByteString = std::string;   // CP932 bytes

namespace cp932 {

// True for the first byte of a double-byte character (0x81-0x9F, 0xE0-0xFC).
bool IsLeadByte(unsigned char byte);

// Byte offset of the first / last occurrence of the single-byte character
// `ch`, stepping over double-byte characters; npos when there is none.
// A lead byte at the very end of the text is taken as a character of its own.
std::size_t FindFirst(std::string_view text, char ch);
std::size_t FindLast(std::string_view text, char ch);

// The longest prefix of `text` of at most `limit` bytes that does not end
// in the middle of a double-byte character.
std::string_view CutToBytes(std::string_view text, std::size_t limit);

// UTF-8 (Qt's side, source files) to CP932. A character that CP932 cannot
// hold becomes "?", as the platform's conversion does; invalid UTF-8 bytes
// become "?" too.
ByteString FromUtf8(std::string_view utf8);

// CP932 to UTF-8. A byte sequence that is not CP932 becomes U+FFFD.
std::string ToUtf8(std::string_view text);

}  // namespace cp932
}  // namespace fw
