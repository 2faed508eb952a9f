#include "calendar/ScheduleFigures.h"

namespace {

// The low 32 bits of value as a signed number: what 32-bit two's complement
// arithmetic gives where the exact result overflows (C++20 defines the
// conversion as modulo 2^32), without the undefined behaviour of overflowing.
std::int32_t Wrap32(std::int64_t value)
{
    return static_cast<std::int32_t>(value);
}

}  // namespace

void ScheduleFigures::refreshToday()
{
    const CalendarDate now = CalendarDate::now();
    today.setDateTime(now.year(), now.month(), now.day(), 0, 0, 0);  // -1s make it invalid
}

void ScheduleFigures::computeDaily(const ScheduleDates& dates, std::int32_t wholeDaysAtLoad)
{
    daysLeft = (dates.examDate - today).wholeDays();
    daysToNextExam = (dates.nextExamDate - today).wholeDays();
    elapsedDays = Wrap32(std::int64_t{wholeDaysAtLoad} - daysLeft);
    wholeDays = WholeDaysOf(dates);
}

void ScheduleFigures::computeGraph(const ScheduleDates& dates, int width)
{
    std::int32_t total = WholeDaysOf(dates);
    graphVisible = total != 0;
    if (total == 0)
        total = 1;
    const std::int32_t elapsed = (today - dates.studyStart).wholeDays();
    // W * elapsed / total in 32-bit arithmetic: the product wraps; the
    // quotient is taken in 64 bits and wrapped as well, so INT32_MIN / -1
    // gives INT32_MIN instead of undefined behaviour (a trap on x86).
    const std::int32_t product = Wrap32(std::int64_t{width} * elapsed);
    const std::int32_t bar = Wrap32(std::int64_t{product} / total);
    const bool beforeExam = (dates.examDate - today).wholeDays() > 0;
    graphBar = beforeExam ? bar : Wrap32(std::int64_t{width} - 5);
    m_graphTotal = total;
}

bool ScheduleFigures::graphDrawn() const
{
    return graphVisible && m_graphTotal >= 0 && graphBar >= 0;
}

bool ScheduleFigures::dayChanged() const
{
    return CalendarDate::now().day() != today.day();
}

std::int32_t ScheduleFigures::WholeDaysOf(const ScheduleDates& dates)
{
    return (dates.examDate - dates.studyStart).wholeDays();
}

std::uint16_t ScheduleFigures::ProgressRangeMax(std::int32_t wholeDays)
{
    return static_cast<std::uint16_t>(wholeDays);  // modulo 65536
}
