#include "core/Text.h"

#include <iconv.h>

#include <cerrno>

namespace fw::cp932 {

namespace {

// Length of the character starting at `pos`: 2 for a lead byte with a byte
// after it, else 1.
std::size_t CharLength(std::string_view text, std::size_t pos)
{
    const bool lead = IsLeadByte(static_cast<unsigned char>(text[pos]));
    return (lead && pos + 1 < text.size()) ? 2 : 1;
}

// One conversion descriptor per thread and direction: iconv_t holds shift
// state and must not be shared between threads.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (ok())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of `in` as it can, appending to `out`. Stops at the
    // end of the input or at a sequence it cannot take (EILSEQ / EINVAL);
    // `in` is advanced past what was converted.
    void Run(std::string_view& in, std::string& out)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);   // fresh state
        char buffer[512];
        while (!in.empty()) {
            char* src = const_cast<char*>(in.data());
            std::size_t srcLeft = in.size();
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t rc = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            const int error = errno;
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            in.remove_prefix(in.size() - srcLeft);
            if (rc != static_cast<std::size_t>(-1))
                break;
            if (error != E2BIG)
                return;
        }
        // Flush any pending shift sequence (none for these encodings).
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        iconv(m_cd, nullptr, nullptr, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
    }

private:
    iconv_t m_cd;
};

// Length of the maximal well-formed prefix of a UTF-8 sequence at the start
// of `s` (Unicode's "maximal subpart"), and whether it is a whole character.
struct Utf8Step {
    std::size_t length;
    bool valid;
};

Utf8Step ScanUtf8(std::string_view s)
{
    const auto b0 = static_cast<unsigned char>(s[0]);
    std::size_t need;
    unsigned char lo = 0x80, hi = 0xBF;   // allowed range of the second byte
    if (b0 < 0x80)
        return {1, true};
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        need = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        need = 3;
        if (b0 == 0xE0) lo = 0xA0;        // no overlong forms
        if (b0 == 0xED) hi = 0x9F;        // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        need = 4;
        if (b0 == 0xF0) lo = 0x90;
        if (b0 == 0xF4) hi = 0x8F;        // nothing above U+10FFFF
    } else {
        return {1, false};
    }
    std::size_t i = 1;
    for (; i < need && i < s.size(); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        const bool fits = (i == 1) ? (b >= lo && b <= hi) : (b >= 0x80 && b <= 0xBF);
        if (!fits)
            return {i, false};
    }
    return {i, i == need};
}

// A CP932 sequence the converter refused: a lead byte with a proper trail
// byte is one (unmapped) character; anything else is one bad byte, so that
// an ASCII byte after a stray lead byte survives.
std::size_t Cp932BadLength(std::string_view s)
{
    if (s.size() >= 2 && IsLeadByte(static_cast<unsigned char>(s[0]))) {
        const auto trail = static_cast<unsigned char>(s[1]);
        if ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC))
            return 2;
    }
    return 1;
}

// Without the CP932 converter (a system without glibc's gconv modules) only
// ASCII can be carried; everything else becomes `replacement`.
std::string AsciiOnly(std::string_view in, std::string_view replacement)
{
    std::string out;
    for (char c : in) {
        if (static_cast<unsigned char>(c) < 0x80)
            out += c;
        else
            out += replacement;
    }
    return out;
}

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";   // U+FFFD

}  // namespace

bool IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t FindFirst(std::string_view text, char ch)
{
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (CharLength(text, i) == 1 && text[i] == ch)
            return i;
    }
    return std::string_view::npos;
}

std::size_t FindLast(std::string_view text, char ch)
{
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (CharLength(text, i) == 1 && text[i] == ch)
            found = i;
    }
    return found;
}

std::string_view CutToBytes(std::string_view text, std::size_t limit)
{
    if (text.size() <= limit)
        return text;
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + CharLength(text, end);
        if (next > limit)
            break;
        end = next;
    }
    return text.substr(0, end);
}

ByteString FromUtf8(std::string_view utf8)
{
    thread_local Converter converter("CP932", "UTF-8");
    if (!converter.ok())
        return AsciiOnly(utf8, "?");
    ByteString out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        converter.Run(utf8, out);
        if (utf8.empty())
            break;
        // Either not UTF-8 or a character CP932 has no place for: one "?"
        // for the whole character, or for each maximal broken piece.
        out += '?';
        utf8.remove_prefix(ScanUtf8(utf8).length);
    }
    return out;
}

std::string ToUtf8(std::string_view text)
{
    thread_local Converter converter("UTF-8", "CP932");
    if (!converter.ok())
        return AsciiOnly(text, kReplacementUtf8);
    std::string out;
    out.reserve(text.size() * 3 / 2);
    while (!text.empty()) {
        converter.Run(text, out);
        if (text.empty())
            break;
        out += kReplacementUtf8;
        text.remove_prefix(Cp932BadLength(text));
    }
    return out;
}

}  // namespace fw::cp932
