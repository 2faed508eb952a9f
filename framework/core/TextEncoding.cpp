#include "core/TextEncoding.h"

#include "core/TextScan_p.h"

namespace fw::text {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

bool IsUtf16(Encoding encoding)
{
    return encoding == Encoding::Utf16Le || encoding == Encoding::Utf16Be;
}

// The code unit at byte offset `pos`: a byte, or a UTF-16 unit in the
// encoding's byte order.
char32_t UnitAt(std::string_view text, std::size_t pos, Encoding encoding)
{
    const auto first = static_cast<unsigned char>(text[pos]);
    if (!IsUtf16(encoding))
        return first;
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    return encoding == Encoding::Utf16Be ? (first << 8 | second) : (second << 8 | first);
}


void AppendUnit(std::string& out, char32_t unit, Encoding encoding)
{
    const auto high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    out += encoding == Encoding::Utf16Be ? high : low;
    out += encoding == Encoding::Utf16Be ? low : high;
}

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

std::string Utf8FromUtf16(std::string_view text, Encoding encoding)
{
    std::string out;
    out.reserve(text.size() * 3 / 2);
    std::size_t pos = 0;
    for (; pos + 2 <= text.size(); pos += 2) {
        const char32_t unit = UnitAt(text, pos, encoding);
        if (IsHighSurrogate(unit) && pos + 4 <= text.size()) {
            const char32_t low = UnitAt(text, pos + 2, encoding);
            if (IsLowSurrogate(low)) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                pos += 2;
                continue;
            }
        }
        AppendUtf8(out, (IsHighSurrogate(unit) || IsLowSurrogate(unit)) ? kReplacement : unit);
    }
    if (pos < text.size())
        AppendUtf8(out, kReplacement);   // half a unit at the end
    return out;
}

// A well-formed UTF-8 sequence of `length` bytes as its code point.
char32_t CodePointOf(std::string_view s, std::size_t length)
{
    const auto first = static_cast<unsigned char>(s[0]);
    char32_t code = length == 1 ? first : length == 2 ? (first & 0x1F) : length == 3 ? (first & 0x0F) : (first & 0x07);
    for (std::size_t i = 1; i < length; ++i)
        code = (code << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    return code;
}

std::string Utf16FromUtf8(std::string_view utf8, Encoding encoding)
{
    std::string out;
    out.reserve(utf8.size() * 2);
    while (!utf8.empty()) {
        const auto step = cp932::detail::ScanUtf8(utf8);
        const char32_t code = step.valid ? CodePointOf(utf8, step.length) : kReplacement;
        if (code >= 0x10000) {
            AppendUnit(out, 0xD800 + ((code - 0x10000) >> 10), encoding);
            AppendUnit(out, 0xDC00 + (code & 0x3FF), encoding);
        } else {
            AppendUnit(out, code, encoding);
        }
        utf8.remove_prefix(step.length);
    }
    return out;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

Encoding DetectEncoding(std::string_view bytes)
{
    if (bytes.starts_with(kUtf8Mark))
        return Encoding::Utf8;
    if (bytes.starts_with(kUtf16LeMark))
        return Encoding::Utf16Le;
    if (bytes.starts_with(kUtf16BeMark))
        return Encoding::Utf16Be;
    return Encoding::Cp932;
}

std::string_view MarkOf(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8: return kUtf8Mark;
    case Encoding::Utf16Le: return kUtf16LeMark;
    case Encoding::Utf16Be: return kUtf16BeMark;
    case Encoding::Cp932: break;
    }
    return {};
}

std::size_t UnitSize(Encoding encoding) { return IsUtf16(encoding) ? 2 : 1; }

ByteString ToCp932(std::string_view text, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8: return cp932::FromUtf8(text);
    case Encoding::Utf16Le:
    case Encoding::Utf16Be: return cp932::FromUtf8(Utf8FromUtf16(text, encoding));
    case Encoding::Cp932: break;
    }
    return ByteString(text);
}

std::string FromCp932(std::string_view text, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8: return cp932::ToUtf8(text);
    case Encoding::Utf16Le:
    case Encoding::Utf16Be: return Utf16FromUtf8(cp932::ToUtf8(text), encoding);
    case Encoding::Cp932: break;
    }
    return std::string(text);
}

std::vector<Line> SplitLines(std::string_view text, Encoding encoding)
{
    const std::size_t unit = UnitSize(encoding);
    const std::size_t whole = text.size() - text.size() % unit;
    std::vector<Line> lines;
    std::size_t begin = 0;
    for (std::size_t pos = 0; pos < whole; pos += unit) {
        const char32_t c = UnitAt(text, pos, encoding);
        if (c != '\r' && c != '\n')
            continue;
        std::size_t next = pos + unit;
        if (c == '\r' && next < whole && UnitAt(text, next, encoding) == '\n')
            next += unit;
        lines.push_back({text.substr(begin, pos - begin), text.substr(pos, next - pos)});
        begin = next;
        pos = next - unit;
    }
    if (begin < text.size())
        lines.push_back({text.substr(begin), {}});
    return lines;
}

}  // namespace fw::text
