#include "settings/SettingsValues.h"

#include <limits>

#include "core/Text.h"

namespace settings_values {
namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// One "%d" conversion starting at `pos`; advances `pos` past what it read.
std::optional<std::int32_t> ReadOne(std::string_view text, std::size_t& pos)
{
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    std::size_t p = pos;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-'))
        negative = text[p++] == '-';
    if (p >= text.size() || !IsDigit(text[p]))
        return std::nullopt;
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;   // [0, kMax + 1]
    for (; p < text.size() && IsDigit(text[p]); ++p) {
        value = value * 10 + (text[p] - '0');
        if (value > kMax + 1)
            value = kMax + 1;
    }
    pos = p;
    if (negative)
        return static_cast<std::int32_t>(-value);
    return static_cast<std::int32_t>(value > kMax ? kMax : value);
}

}  // namespace

template <std::size_t N>
std::optional<std::array<std::int32_t, N>> ReadIntegers(std::string_view text)
{
    std::array<std::int32_t, N> numbers{};
    std::size_t pos = 0;
    for (auto& number : numbers) {
        const auto read = ReadOne(text, pos);
        if (!read)
            return std::nullopt;
        number = *read;
    }
    return numbers;
}

template std::optional<std::array<std::int32_t, 2>> ReadIntegers<2>(std::string_view);
template std::optional<std::array<std::int32_t, 3>> ReadIntegers<3>(std::string_view);

std::optional<CalendarDate> ReadDate(std::string_view value, date_ranges::Range years)
{
    const auto numbers = ReadIntegers<3>(value);
    if (!numbers)
        return std::nullopt;
    const auto [year, month, day] = *numbers;
    if (!years.Contains(static_cast<std::uint32_t>(year)))   // a negative year counts as too large
        return std::nullopt;
    CalendarDate date;
    date.setDateTime(year, month, day, 0, 0, 0);
    return date;
}

std::uint32_t ReadLastYear(std::string_view value)
{
    const auto read = ReadIntegers<1>(value);
    if (!read || (*read)[0] < static_cast<std::int32_t>(kScheduleYears.low))
        return kScheduleYears.high;
    return date_ranges::kReadableYears.Clamp(static_cast<std::uint32_t>((*read)[0]));
}

std::optional<bool> ReadSwitch(std::string_view value)
{
    if (value == "TRUE")
        return true;
    if (value == "FALSE")
        return false;
    return std::nullopt;
}

std::string FormatDate(const CalendarDate& date)
{
    return std::to_string(date.year()) + ' ' + std::to_string(date.month()) + ' ' +
           std::to_string(date.day());
}

std::string_view FormatSwitch(bool on)
{
    return on ? "TRUE" : "FALSE";
}

std::string_view CutTitle(std::string_view title, std::size_t limit)
{
    return fw::cp932::CutToBytes(title, limit);
}

}  // namespace settings_values
