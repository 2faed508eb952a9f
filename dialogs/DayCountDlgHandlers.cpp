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

std::span<const CDayCountDlg::Field> CDayCountDlg::Fields()
{
    using D = CDayCountDlg;
    using P = DatePart;
    static const Field fields[] = {
        {res::IDC_FROM_YEAR, &D::m_fromYear, Date::from, P::year, res::IDC_FROM_YEAR_SPIN, &D::m_fromYearSpin, nullptr},
        {res::IDC_FROM_MONTH, &D::m_fromMonth, Date::from, P::month, res::IDC_FROM_MONTH_SPIN, &D::m_fromMonthSpin,
         nullptr},
        {res::IDC_FROM_DAY, &D::m_fromDay, Date::from, P::day, res::IDC_FROM_DAY_SPIN, &D::m_fromDaySpin, nullptr},
        {res::IDC_TO_YEAR, &D::m_toYear, Date::to, P::year, res::IDC_TO_YEAR_SPIN, &D::m_toYearSpin, nullptr},
        {res::IDC_TO_MONTH, &D::m_toMonth, Date::to, P::month, res::IDC_TO_MONTH_SPIN, &D::m_toMonthSpin, nullptr},
        {res::IDC_TO_DAY, &D::m_toDay, Date::to, P::day, res::IDC_TO_DAY_SPIN, &D::m_toDaySpin, nullptr},
    };
    return fields;
}

Range CDayCountDlg::RangeOf(DatePart part)
{
    return PartRange(part, kReadableYears);
}

std::span<const fw::CommandEntry> CDayCountDlg::CommandMap() const
{
    static const std::vector<fw::CommandEntry> map = [] {
        auto entries = DateFieldCommands<&CDayCountDlg::OnLeaveNumberField, &CDayCountDlg::OnStepDay>(Fields());
        entries.insert(entries.end(), {
            fw::CommandHandler<&CDayCountDlg::OnChangeDayCount>(res::IDC_DAY_COUNT, fw::EN_CHANGE),
            fw::CommandHandler<&CDayCountDlg::ComputeDayCount>(res::IDC_COMPUTE, fw::BN_CLICKED),
            fw::CommandHandler<&CDayCountDlg::OnFromToday>(res::IDC_FROM_TODAY, fw::BN_CLICKED),
            fw::CommandHandler<&CDayCountDlg::OnToToday>(res::IDC_TO_TODAY, fw::BN_CLICKED),
        });
        return entries;
    }();
    return map;
}

// The count and the weekdays stay as they are: only "計算" and the today
// buttons recompute them.
void CDayCountDlg::OnLeaveNumberField(const Field& field)
{
    LeaveNumberField(*this, this->*field.member, RangeOf(field.part));
}

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
void CDayCountDlg::OnStepDay(const Field& day)
{
    ReadFields();
    FitDaySpin(*this, Fields(), day);
}
