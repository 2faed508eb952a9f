#include "core/Clock.h"

#include <utility>

#include "core/Clock_p.h"

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
    if (!Source())
        return detail::SystemLocalNow();
    const std::time_t seconds = Source()();
    if (seconds == static_cast<std::time_t>(-1))
        return std::nullopt;
    return detail::LocalTimeOf(seconds);
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
