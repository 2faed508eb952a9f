// CP932 <-> UTF-8 through glibc's iconv.
#include <iconv.h>

#include <cerrno>

#include "core/Text.h"
#include "core/TextScan_p.h"

namespace fw::cp932 {

namespace {

using detail::Cp932BadLength;
using detail::kReplacementUtf8;
using detail::ScanUtf8;

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

}  // namespace

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
