// CP932 <-> UTF-8 through the platform's own code page 932, one character at
// a time, so that each broken or unconvertible character becomes one
// replacement as on Linux.
#include <windows.h>

#include "core/Text.h"
#include "core/TextEncoding.h"
#include "core/TextScan_p.h"

namespace fw::cp932 {

namespace {

constexpr UINT kCodePage = 932;

using detail::Cp932BadLength;
using detail::kReplacementUtf8;
using detail::ScanUtf8;

// A well-formed UTF-8 character of `length` bytes as UTF-16 (one unit, or a
// surrogate pair).
std::wstring Utf16Of(std::string_view s, std::size_t length)
{
    const auto b0 = static_cast<unsigned char>(s[0]);
    char32_t code = length == 2 ? (b0 & 0x1F) : length == 3 ? (b0 & 0x0F) : (b0 & 0x07);
    for (std::size_t i = 1; i < length; ++i)
        code = (code << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    if (code < 0x10000)
        return std::wstring(1, static_cast<wchar_t>(code));
    code -= 0x10000;
    return {static_cast<wchar_t>(0xD800 + (code >> 10)), static_cast<wchar_t>(0xDC00 + (code & 0x3FF))};
}

// One CP932 character in code page 932; false when it has no mapping.
bool AppendCp932(std::wstring_view wide, ByteString& out)
{
    char buffer[8];
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(),
                                           static_cast<int>(wide.size()), buffer, sizeof buffer,
                                           "?", &usedDefault);
    if (length <= 0 || usedDefault)
        return false;
    out.append(buffer, static_cast<std::size_t>(length));
    return true;
}

bool IsHalfWidthKatakana(unsigned char byte)
{
    return byte >= 0xA1 && byte <= 0xDF;
}

// The character of 1 or 2 bytes at the front of `text` as UTF-16; 0 when
// it is no CP932 character. The platform's table also gives the single
// bytes 0x80, 0xA0 and 0xFD to 0xFF private meanings; they are no
// characters of the code page and are refused as on Linux.
wchar_t Utf16OfCp932(std::string_view text)
{
    const auto first = static_cast<unsigned char>(text[0]);
    const bool pair = text.size() >= 2 && IsLeadByte(first);
    if (!pair && !IsHalfWidthKatakana(first))
        return 0;
    wchar_t wide[2];
    const int length = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, text.data(),
                                           pair ? 2 : 1, wide, 2);
    return length == 1 ? wide[0] : 0;
}

}  // namespace

ByteString FromUtf8(std::string_view utf8)
{
    ByteString out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const auto step = ScanUtf8(utf8);
        if (step.length == 1 && step.valid)
            out += utf8[0];
        else if (!step.valid || !AppendCp932(Utf16Of(utf8, step.length), out))
            out += '?';
        utf8.remove_prefix(step.length);
    }
    return out;
}

std::string ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() * 3 / 2);
    while (!text.empty()) {
        if (static_cast<unsigned char>(text[0]) < 0x80) {
            out += text[0];
            text.remove_prefix(1);
            continue;
        }
        const wchar_t wide = Utf16OfCp932(text);
        if (wide == 0) {
            out += kReplacementUtf8;
            text.remove_prefix(Cp932BadLength(text));
            continue;
        }
        text::AppendUtf8(out, wide);
        text.remove_prefix(IsLeadByte(static_cast<unsigned char>(text[0])) ? 2 : 1);
    }
    return out;
}

}  // namespace fw::cp932
