// The text side of profile files, without any file access: finding a value
// in the CP932 text of a profile and changing one key in place. ProfileFile.h
// lists the rules; ProfileFileText.h brings a file with a byte-order mark to
// this text and back.
//
// Lines end at '\n'; a '\r' right before it (or at the very end) belongs to
// the line break and is kept as it was. Names and values are scanned as
// CP932, so the second byte of a double-byte character is never taken for
// ']' or '='. NUL bytes and other binary bytes are carried like any other
// byte.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/Text.h"

namespace fw::profile {

// The platform's reader fills a 256-byte buffer, so it gives at most 255.
inline constexpr std::size_t kValueLimit = 255;

// The value of `key` in the first section named `section`, as a read gives
// it: blanks around it dropped, one pair of equal quotes around it dropped,
// ended by a NUL byte if it holds one, cut to kValueLimit bytes on a
// character boundary. nullopt when the section or the key is absent.
std::optional<ByteString> Find(std::string_view text, std::string_view section,
                               std::string_view key);

// Find, or `defaultValue` when absent. Trailing spaces of the default are
// dropped and it is cut like a value, as the platform's reader does.
ByteString Read(std::string_view text, std::string_view section, std::string_view key,
                std::string_view defaultValue);

// Sets `key` in the first section named `section`: replaces everything
// after the '=' of the first matching key line, or adds "key=value" after
// the last non-blank line of the section, or adds the section with the key
// at the end of the text. Every byte outside the changed line stays, except
// that a missing final line break is added before anything is appended.
// New lines end like the text's first line, or with `newTextBreak` when it
// has no line break yet (a new file: LF on Linux, CRLF on Windows).
//
// A value can hold only one line: it ends at its first '\r', '\n' or NUL, so
// that it can never spill into a line of its own. Section and key names are
// cut the same way and lose their surrounding blanks; names holding ']' or
// '=' cannot be read back and are the caller's mistake.
void Write(std::string& text, std::string_view section, std::string_view key,
           std::string_view value, std::string_view newTextBreak = "\n");

}  // namespace fw::profile
