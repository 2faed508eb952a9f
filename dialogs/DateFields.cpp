#include "dialogs/DateFields.h"

#include "dialogs/DayFields.h"

void ExchangeNumber(fw::CDataExchange* pDX, int id, std::uint32_t& member, date_ranges::Range range)
{
    fw::DDX_Text(pDX, id, member);
    fw::DDV_MinMaxUInt(pDX, member, range.low, range.high);
}

void SetSpinRange(fw::CSpinButtonCtrl& spin, date_ranges::Range range)
{
    spin.SetRange32(static_cast<int>(range.low), static_cast<int>(range.high));
}

void SetDaySpinRange(std::uint32_t year, std::uint32_t month, fw::CSpinButtonCtrl& spin)
{
    SetSpinRange(spin, {date_ranges::kDays.low, DaysForDaySpin(year, month)});
}

void LeaveNumberField(fw::CDialog& dialog, std::uint32_t& member, date_ranges::Range range)
{
    dialog.ReadFields();
    member = range.Clamp(member);
    dialog.WriteFields();
}
