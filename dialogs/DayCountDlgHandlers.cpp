// What the day-count dialog does while it is open: leaving a field, the
// today buttons, the Shift key, the count field and the day spins.
#include "calendar/DateRanges.h"
#include "dialogs/DateMembers.h"
#include "dialogs/DayCountDlg.h"
#include "dialogs/DayFields.h"
#include "res/Resources.h"

using namespace date_ranges;

namespace {

// The far date that the second "今日をセット" sets after a Shift.
constexpr std::uint32_t kFutureYear = 2063;
constexpr std::uint32_t kFutureMonth = 4;
constexpr std::uint32_t kFutureDay = 5;

}  // namespace

std::span<const fw::CommandEntry> CDayCountDlg::CommandMap() const
{
    static const fw::CommandEntry map[] = {
        fw::CommandHandler<&CDayCountDlg::OnKillFocusFromYear>(res::IDC_FROM_YEAR, fw::EN_KILLFOCUS),
        fw::CommandHandler<&CDayCountDlg::OnKillFocusFromMonth>(res::IDC_FROM_MONTH, fw::EN_KILLFOCUS),
        fw::CommandHandler<&CDayCountDlg::OnKillFocusFromDay>(res::IDC_FROM_DAY, fw::EN_KILLFOCUS),
        fw::CommandHandler<&CDayCountDlg::OnKillFocusToYear>(res::IDC_TO_YEAR, fw::EN_KILLFOCUS),
        fw::CommandHandler<&CDayCountDlg::OnKillFocusToMonth>(res::IDC_TO_MONTH, fw::EN_KILLFOCUS),
        fw::CommandHandler<&CDayCountDlg::OnKillFocusToDay>(res::IDC_TO_DAY, fw::EN_KILLFOCUS),
        fw::CommandHandler<&CDayCountDlg::OnChangeDayCount>(res::IDC_DAY_COUNT, fw::EN_CHANGE),
        fw::CommandHandler<&CDayCountDlg::ComputeDayCount>(res::IDC_COMPUTE, fw::BN_CLICKED),
        fw::CommandHandler<&CDayCountDlg::OnFromToday>(res::IDC_FROM_TODAY, fw::BN_CLICKED),
        fw::CommandHandler<&CDayCountDlg::OnToToday>(res::IDC_TO_TODAY, fw::BN_CLICKED),
        fw::CommandHandler<&CDayCountDlg::OnDeltaPosFromDay>(res::IDC_FROM_DAY_SPIN, fw::UDN_DELTAPOS),
        fw::CommandHandler<&CDayCountDlg::OnDeltaPosToDay>(res::IDC_TO_DAY_SPIN, fw::UDN_DELTAPOS),
    };
    return map;
}

// The count and the weekdays stay as they are: only "計算" and the today
// buttons recompute them.
void CDayCountDlg::LeaveNumberField(std::uint32_t& member, Range range)
{
    ReadFields();   // a refusal has shown its message; the clamp still follows
    member = range.Clamp(member);
    WriteFields();
}

void CDayCountDlg::OnKillFocusFromYear() { LeaveNumberField(m_fromYear, kReadableYears); }
void CDayCountDlg::OnKillFocusFromMonth() { LeaveNumberField(m_fromMonth, kMonths); }
void CDayCountDlg::OnKillFocusFromDay() { LeaveNumberField(m_fromDay, kDays); }
void CDayCountDlg::OnKillFocusToYear() { LeaveNumberField(m_toYear, kReadableYears); }
void CDayCountDlg::OnKillFocusToMonth() { LeaveNumberField(m_toMonth, kMonths); }
void CDayCountDlg::OnKillFocusToDay() { LeaveNumberField(m_toDay, kDays); }

// The count field only shows: whatever is typed, the held count comes back.
void CDayCountDlg::OnChangeDayCount()
{
    WriteFields();
}

void CDayCountDlg::OnFromToday()
{
    SetMembersFromDate(CalendarDate::now(), m_fromYear, m_fromMonth, m_fromDay);
    m_fromWeekday = WeekdayText(m_fromYear, m_fromMonth, m_fromDay);
    WriteFields();
}

void CDayCountDlg::OnToToday()
{
    SetMembersFromDate(CalendarDate::now(), m_toYear, m_toMonth, m_toDay);
    m_toWeekday = WeekdayText(m_toYear, m_toMonth, m_toDay);
    if (m_futureDateMode == 1) {
        m_toYear = kFutureYear;
        m_toMonth = kFutureMonth;
        m_toDay = kFutureDay;
        m_toWeekday = WeekdayText(m_toYear, m_toMonth, m_toDay);
    }
    WriteFields();
}

bool CDayCountDlg::PreTranslateMessage(const fw::KeyMessage& key)
{
    if (key.vk == fw::VK_SHIFT)
        m_futureDateMode = m_futureDateMode == 0 ? 1 : 0;   // a held Shift flips it at every repeat
    return fw::CDialog::PreTranslateMessage(key);
}

// Before the step: the spin wraps within the month that the fields show.
void CDayCountDlg::OnDeltaPosFromDay()
{
    ReadFields();
    SetDaySpinRange(m_fromYear, m_fromMonth, m_fromDaySpin);
}

void CDayCountDlg::OnDeltaPosToDay()
{
    ReadFields();
    SetDaySpinRange(m_toYear, m_toMonth, m_toDaySpin);
}
