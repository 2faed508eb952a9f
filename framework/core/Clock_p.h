// The platform's half of the clock: a time broken down in the local zone.
#pragma once

#include <ctime>
#include <optional>

#include "core/Clock.h"

namespace fw::detail {

// `seconds` since the epoch in the local time zone (TZ applies).
std::optional<LocalTime> LocalTimeOf(std::time_t seconds);

// The system's own local clock.
std::optional<LocalTime> SystemLocalNow();

}  // namespace fw::detail
