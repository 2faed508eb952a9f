#include "core/Clock.h"

#include <utility>

namespace fw {
namespace {

std::function<std::time_t()>& Source()
{
    static std::function<std::time_t()> source;
    return source;
}

}  // namespace

std::optional<LocalTime> LocalNow()
{
    const std::time_t seconds = Source() ? Source()() : std::time(nullptr);
    std::tm broken{};
    if (seconds == static_cast<std::time_t>(-1) || !localtime_r(&seconds, &broken))
        return std::nullopt;
    return LocalTime{broken.tm_year + 1900, broken.tm_mon + 1, broken.tm_mday,
                     broken.tm_hour, broken.tm_min, broken.tm_sec};
}

ClockOverride::ClockOverride(std::function<std::time_t()> source)
    : m_previous(std::exchange(Source(), std::move(source)))
{
}

ClockOverride::~ClockOverride()
{
    Source() = std::move(m_previous);
}

}  // namespace fw
