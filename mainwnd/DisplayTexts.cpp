#include "mainwnd/DisplayTexts.h"

#include <string>

namespace display_texts {
namespace {

// The fixed pieces, converted to CP932 once rather than on every paint.
struct Pieces {
    fw::ByteString ato = fw::cp932::FromUtf8("あと ");
    fw::ByteString nichi = fw::cp932::FromUtf8("日");
    fw::ByteString open = fw::cp932::FromUtf8("（");
    fw::ByteString close = fw::cp932::FromUtf8("）");
    fw::ByteString wholeSchedule = fw::cp932::FromUtf8("全日程 ");
};

const Pieces& P()
{
    static const Pieces pieces;
    return pieces;
}

std::string N(std::int32_t value) { return std::to_string(value); }

}  // namespace

fw::ByteString DaysLeft(std::int32_t daysLeft, std::optional<std::int32_t> daysToNextExam)
{
    fw::ByteString text = P().ato + N(daysLeft) + P().nichi;
    if (daysToNextExam)
        text += P().open + N(*daysToNextExam) + P().close;
    return text;
}

fw::ByteString MonthDay(const CalendarDate& date)
{
    return P().open + N(date.month()) + '/' + N(date.day()) + P().close;
}

fw::ByteString WholeSchedule(std::int32_t wholeDays)
{
    return P().wholeSchedule + N(wholeDays) + P().nichi;
}

fw::ByteString Caption(const fw::ByteString& programName, const CalendarDate& today)
{
    return programName + " (" + N(today.month()) + '/' + N(today.day()) + ')';
}

fw::ByteString MinimisedCaption(std::int32_t daysLeft)
{
    return DaysLeft(daysLeft, std::nullopt);
}

}  // namespace display_texts
