// The number-reading rule of dialog fields.
#include "core/FieldNumbers.h"

#include <algorithm>
#include <limits>

namespace fw {

namespace {

// A field's text is read from its first 31 characters only.
constexpr std::size_t kReadLength = 31;

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

struct Scan {
    bool negative = false;
    std::uint64_t magnitude = 0;   // saturates well past any 32-bit value
};

// Blanks, an optional sign, digits, blanks; nothing may follow. A text whose
// value is 0 must start (after the blanks) with the digit 0, so that an
// empty text, a lone sign or letters are not read as 0.
std::optional<Scan> ScanNumber(std::string_view text, bool signAllowed)
{
    text = text.substr(0, kReadLength);
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    const char first = at < text.size() ? text[at] : '\0';
    Scan scan;
    if (first == '-' && !signAllowed)
        return std::nullopt;
    if (first == '-' || first == '+') {
        scan.negative = first == '-';
        ++at;
    }
    constexpr std::uint64_t kSaturated = std::uint64_t{1} << 40;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        scan.magnitude = std::min(kSaturated, scan.magnitude * 10 + static_cast<unsigned>(text[at] - '0'));
        ++at;
    }
    if (scan.magnitude == 0 && first != '0')
        return std::nullopt;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    if (at != text.size())
        return std::nullopt;
    return scan;
}

}  // namespace

std::optional<std::uint32_t> ReadUnsignedField(std::string_view text)
{
    const std::optional<Scan> scan = ScanNumber(text, false);
    if (!scan)
        return std::nullopt;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(scan->magnitude, std::numeric_limits<std::uint32_t>::max()));
}

std::optional<std::int32_t> ReadSignedField(std::string_view text)
{
    const std::optional<Scan> scan = ScanNumber(text, true);
    if (!scan)
        return std::nullopt;
    const auto value = static_cast<std::int64_t>(scan->magnitude);
    constexpr std::int64_t kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHighest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(scan->negative ? std::max(-value, kLowest) : std::min(value, kHighest));
}

}  // namespace fw
