// Shared by the CP932 converters of both platforms: how far a broken or
// unconvertible sequence reaches, so that each becomes one replacement.
#pragma once

#include <cstddef>
#include <string_view>

#include "core/Text.h"

namespace fw::cp932::detail {

// Length of the maximal well-formed prefix of a UTF-8 sequence at the start
// of `s` (Unicode's "maximal subpart"), and whether it is a whole character.
struct Utf8Step {
    std::size_t length;
    bool valid;
};

inline Utf8Step ScanUtf8(std::string_view s)
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
inline std::size_t Cp932BadLength(std::string_view s)
{
    if (s.size() >= 2 && IsLeadByte(static_cast<unsigned char>(s[0]))) {
        const auto trail = static_cast<unsigned char>(s[1]);
        if ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC))
            return 2;
    }
    return 1;
}

inline constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";   // U+FFFD

}  // namespace fw::cp932::detail
