// Text files that announce their encoding with a byte-order mark, as an
// editor saves them ("Unicode", "UTF-8"), and the conversion of their text to
// and from the program's CP932. Nothing here reads or writes files.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/Text.h"

namespace fw::text {

enum class Encoding { Cp932, Utf8, Utf16Le, Utf16Be };

// What the first bytes of a file announce: EF BB BF is UTF-8, FF FE UTF-16
// little-endian, FE FF UTF-16 big-endian. Anything else, an empty file
// included, is CP932 without a mark.
Encoding DetectEncoding(std::string_view bytes);

// The byte-order mark that starts a file in `encoding`; empty for CP932.
std::string_view MarkOf(Encoding encoding);

// Bytes per code unit: 2 for UTF-16, else 1.
std::size_t UnitSize(Encoding encoding);

// Text in `encoding`, without its mark, as CP932. A character CP932 cannot
// hold becomes "?", and so does a broken sequence (an unpaired surrogate, a
// stray UTF-8 byte, the odd last byte of UTF-16 text). Line breaks and NUL
// characters come through as the same single bytes.
ByteString ToCp932(std::string_view text, Encoding encoding);

// CP932 text in `encoding`, without a mark. A byte sequence that is not
// CP932 becomes U+FFFD.
std::string FromCp932(std::string_view text, Encoding encoding);

// `code` appended to `out` as UTF-8.
void AppendUtf8(std::string& out, char32_t code);

// One line of a text: what it says, then its break ("\r\n", a lone "\r" or
// "\n", or nothing at the very end), both in the text's own encoding.
struct Line {
    std::string_view content;
    std::string_view lineBreak;
};

// The text cut into lines at CR, LF and CRLF characters of `encoding`. The
// odd last byte of UTF-16 text belongs to the last line's content. An empty
// text has no lines.
std::vector<Line> SplitLines(std::string_view text, Encoding encoding);

}  // namespace fw::text
