// The day counts that the main window shows, each the
// wholeDays() of a CalendarDate difference, so a count with an invalid date is
// 0. Nothing is clamped: counts after the exam are negative.
//
// It reads the clock (refreshToday, dayChanged) but draws nothing, keeps no
// settings and does not decide when it is recomputed: the main window calls
// refreshToday(), computeDaily() and computeGraph() on every repaint, and
// keeps the wholeDays of its latest progress-range computation itself.
#pragma once

#include <cstdint>

#include "calendar/CalendarDate.h"

// What the figures need of the settings.
struct ScheduleDates {
    CalendarDate studyStart, examDate, nextExamDate;
};

class ScheduleFigures {
public:
    CalendarDate today;                 // today's local date at 00:00:00
    std::int32_t daysLeft = 0;          // examDate - today: 1 the day before the exam, 0 on it
    std::int32_t daysToNextExam = 0;    // nextExamDate - today
    std::int32_t wholeDays = 0;         // examDate - studyStart
    std::int32_t elapsedDays = 0;       // progress position: wholeDaysAtLoad - daysLeft
    bool graphVisible = false;          // false when studyStart == examDate
    std::int32_t graphBar = 0;          // bar length in pixels; W - 5 from the exam day on

    // today = now()'s date at 00:00:00; invalid when the clock fails.
    void refreshToday();

    // daysLeft, daysToNextExam, then elapsedDays from wholeDaysAtLoad (the
    // progress range's wholeDays), then wholeDays afresh.
    // Uses today as it stands: call refreshToday() first.
    void computeDaily(const ScheduleDates& dates, std::int32_t wholeDaysAtLoad);

    // graphVisible and graphBar for a graph area `width` pixels wide.
    void computeGraph(const ScheduleDates& dates, int width);

    // Whether computeGraph's result is drawn: graphVisible, a total of at
    // least 0 and a bar of at least 0.
    bool graphDrawn() const;

    // Whether the day of the month of now() differs from that of today. One
    // clock read; no allocation. False while the clock fails (both are -1).
    bool dayChanged() const;

    static std::int32_t WholeDaysOf(const ScheduleDates& dates);  // examDate - studyStart

    // The progress bar's range maximum: the low 16 bits of wholeDays,
    // unsigned (-30 gives 65506).
    static std::uint16_t ProgressRangeMax(std::int32_t wholeDays);

private:
    std::int32_t m_graphTotal = 0;  // total of the latest computeGraph()
};
