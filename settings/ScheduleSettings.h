// The settings record the main window holds: one exam, its dates, the two
// display switches and where the window stands. Plain data; reading and
// writing it is SettingsFile's business.
#pragma once

#include <cstdint>

#include "calendar/CalendarDate.h"
#include "calendar/DateRanges.h"
#include "core/Text.h"

// The years an exam's dates may lie in: the loader drops a stored date
// outside them, and the setup dialog keeps its year fields inside them.
// The settings file may move the last year on (LASTYEAR), up to the
// calendar's last readable year.
inline constexpr date_ranges::Range kScheduleYears{1999, 2010};

struct WindowPos {
    std::int32_t left = 0;
    std::int32_t top = 0;
};

struct ScheduleSettings {
    fw::ByteString title;        // CP932, at most kTitleLimit bytes once loaded
    CalendarDate studyStart;
    CalendarDate examDate;
    CalendarDate nextExamDate;
    bool showGraph = false;      // the tall window with dates, graph and progress bar
    bool showNextExam = false;   // "（%d）" after the days left
    WindowPos windowPos;         // left and top of the window's outer rectangle
    std::uint32_t lastYear = kScheduleYears.high;   // LASTYEAR; read, never written

    date_ranges::Range years() const { return {kScheduleYears.low, lastYear}; }

    // The most the countdown window has room for, in bytes; the loader cuts
    // a longer title and the setup dialog takes no more.
    static constexpr std::size_t kTitleLimit = 34;
};
