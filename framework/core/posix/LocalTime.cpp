#include "core/Clock_p.h"

namespace fw::detail {

std::optional<LocalTime> LocalTimeOf(std::time_t seconds)
{
    std::tm broken{};
    if (!localtime_r(&seconds, &broken))
        return std::nullopt;
    return LocalTime{broken.tm_year + 1900, broken.tm_mon + 1, broken.tm_mday,
                     broken.tm_hour, broken.tm_min, broken.tm_sec};
}

std::optional<LocalTime> SystemLocalNow()
{
    const std::time_t seconds = std::time(nullptr);
    if (seconds == static_cast<std::time_t>(-1))
        return std::nullopt;
    return LocalTimeOf(seconds);
}

}  // namespace fw::detail
