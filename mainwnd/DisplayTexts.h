// The texts the countdown window writes, as CP932 byte strings. Numbers are
// plain decimal with a minus sign when negative.
#pragma once

#include <cstdint>
#include <optional>

#include "calendar/CalendarDate.h"
#include "core/Text.h"

namespace display_texts {

// "あと %d日", or "あと %d日（%d）" with the days to the next exam.
fw::ByteString DaysLeft(std::int32_t daysLeft, std::optional<std::int32_t> daysToNextExam);

// "（%d/%d）": month and day, -1/-1 for an invalid date.
fw::ByteString MonthDay(const CalendarDate& date);

// "全日程 %d日"
fw::ByteString WholeSchedule(std::int32_t wholeDays);

// "%s (%d/%d)": the program's name with today's month and day.
fw::ByteString Caption(const fw::ByteString& programName, const CalendarDate& today);

// "あと %d日", the caption while minimised.
fw::ByteString MinimisedCaption(std::int32_t daysLeft);

}  // namespace display_texts
