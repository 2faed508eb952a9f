// The bytes of a whole profile file in the encoding its byte-order mark
// names, read and changed as ProfileParse.h does it on CP932 text. Names,
// values and defaults are CP932 on both sides, as the platform's ANSI
// profile functions take and give them; no file access.
//
// A file without a mark is CP932 and is changed byte for byte as
// ProfileParse.h says. A file with a mark (UTF-8, UTF-16 LE or BE) is read
// through its CP932 rendering, and a change keeps the mark and every line it
// does not touch byte for byte, characters outside CP932 included; only the
// lines the change makes or rewrites are converted, into the file's own
// encoding. So a file never ends in two encodings.
//
// Wine's profile functions honour all three marks. Windows itself honours
// only the UTF-16 LE one: it takes a UTF-8 mark for text of the first line
// and UTF-16 BE text for ANSI, and then writes ANSI into such a file, which
// is the damage this class exists to avoid; so these follow Wine.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/Text.h"
#include "core/TextEncoding.h"

namespace fw::profile {

class FileText {
public:
    // The whole file as read; empty for a new one (CP932, no mark).
    explicit FileText(std::string bytes = {});

    const std::string& bytes() const { return m_bytes; }
    text::Encoding encoding() const { return m_encoding; }

    // As profile::Find and profile::Read.
    std::optional<ByteString> Find(std::string_view section, std::string_view key) const;
    ByteString Read(std::string_view section, std::string_view key,
                    std::string_view defaultValue) const;

    // As profile::Write. A character of `value` that the file's encoding
    // gives back differently (a byte that is not CP932) reads back as "?".
    void Write(std::string_view section, std::string_view key, std::string_view value,
               std::string_view newTextBreak);

private:
    std::string m_bytes;
    text::Encoding m_encoding;
    ByteString m_text;   // m_bytes without the mark, as CP932
};

}  // namespace fw::profile
