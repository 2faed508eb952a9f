// The number fields of a dialog's dates as one table, and what both date
// dialogs do with a row of it: exchange the field with its range check,
// attach its spin, clamp it when it loses the focus, and fit a day spin to
// its month before it steps. The dialog's focus and spin notifications all
// reach one handler each, which is handed its row.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "calendar/DateRanges.h"
#include "gui/Controls.h"
#include "gui/DataExchange.h"
#include "gui/Dialog.h"
#include "gui/Wnd.h"

enum class DatePart { year, month, day };

// One number field of `Dialog`: its edit, the member it exchanges, which of
// the dialog's dates (`Date`) it belongs to and which part of that date it
// holds, and its spin.
template <class Dialog, class Date>
struct DateField {
    int edit;
    std::uint32_t Dialog::*member;
    Date date;
    DatePart part;
    int spin;
    fw::CSpinButtonCtrl Dialog::*spinButton;
    fw::CEdit Dialog::*editBox;   // null where the dialog never makes the field read-only
};

// The range of a part: `years` for a year, 1 to 12 and 1 to 31 otherwise.
constexpr date_ranges::Range PartRange(DatePart part, date_ranges::Range years)
{
    switch (part) {
    case DatePart::year:
        return years;
    case DatePart::month:
        return date_ranges::kMonths;
    default:
        return date_ranges::kDays;
    }
}

// A number field of an unsigned member with its range check.
void ExchangeNumber(fw::CDataExchange* pDX, int id, std::uint32_t& member, date_ranges::Range range);

void SetSpinRange(fw::CSpinButtonCtrl& spin, date_ranges::Range range);

// 1 to the last day of the month (DaysForDaySpin).
void SetDaySpinRange(std::uint32_t year, std::uint32_t month, fw::CSpinButtonCtrl& spin);

// Leaving a number field: read every field (a refusal shows its message,
// and the clamp still follows), bring the field's member into `range`,
// write every field back.
void LeaveNumberField(fw::CDialog& dialog, std::uint32_t& member, date_ranges::Range range);

// The row holding `part` of `date`; the table has one for each.
template <class Field>
const Field& FieldOf(std::span<const Field> fields, decltype(Field::date) date, DatePart part)
{
    for (const Field& field : fields) {
        if (field.date == date && field.part == part)
            return field;
    }
    return fields.front();   // not reached for a complete table
}

// Binds each row's spin wrapper, and its edit wrapper where it has one.
template <class Dialog, class Field>
void AttachDateControls(fw::CDataExchange* pDX, Dialog& dialog, std::span<const Field> fields)
{
    for (const Field& field : fields) {
        if (field.editBox)
            fw::DDX_Control(pDX, field.edit, dialog.*field.editBox);
        fw::DDX_Control(pDX, field.spin, dialog.*field.spinButton);
    }
}

// Before a day spin steps: its range becomes 1 to the length of the month
// that its date's year and month members hold.
template <class Dialog, class Field>
void FitDaySpin(Dialog& dialog, std::span<const Field> fields, const Field& day)
{
    const std::uint32_t year = dialog.*FieldOf(fields, day.date, DatePart::year).member;
    const std::uint32_t month = dialog.*FieldOf(fields, day.date, DatePart::month).member;
    SetDaySpinRange(year, month, dialog.*day.spinButton);
}

// The command-table entries of a dialog's table: every edit's loss of the
// focus goes to `OnLeave`, every day spin's step to `OnStepDay`, each
// handed its row. The rows must outlive the entries.
template <auto OnLeave, auto OnStepDay, class Field>
std::vector<fw::CommandEntry> DateFieldCommands(std::span<const Field> fields)
{
    std::vector<fw::CommandEntry> entries;
    for (const Field& field : fields) {
        entries.push_back(fw::CommandHandler<OnLeave>(field.edit, fw::EN_KILLFOCUS, field));
        if (field.part == DatePart::day)
            entries.push_back(fw::CommandHandler<OnStepDay>(field.spin, fw::UDN_DELTAPOS, field));
    }
    return entries;
}
