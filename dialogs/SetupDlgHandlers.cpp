// What the setup dialog does while it is open: leaving a field, the two
// options with their read-only dates, and the day spins.
#include "calendar/DateRanges.h"
#include "dialogs/SetupDlg.h"
#include "res/Resources.h"
#include "settings/ScheduleSettings.h"

using namespace date_ranges;

std::span<const CSetupDlg::Field> CSetupDlg::Fields()
{
    using D = CSetupDlg;
    using P = DatePart;
    static const Field fields[] = {
        {res::IDC_EXAM_YEAR, &D::m_examYear, Date::exam, P::year, res::IDC_EXAM_YEAR_SPIN, &D::m_examYearSpin, nullptr},
        {res::IDC_EXAM_MONTH, &D::m_examMonth, Date::exam, P::month, res::IDC_EXAM_MONTH_SPIN, &D::m_examMonthSpin,
         nullptr},
        {res::IDC_EXAM_DAY, &D::m_examDay, Date::exam, P::day, res::IDC_EXAM_DAY_SPIN, &D::m_examDaySpin, nullptr},
        {res::IDC_NEXT_YEAR, &D::m_nextYear, Date::next, P::year, res::IDC_NEXT_YEAR_SPIN, &D::m_nextYearSpin,
         &D::m_nextYearEdit},
        {res::IDC_NEXT_MONTH, &D::m_nextMonth, Date::next, P::month, res::IDC_NEXT_MONTH_SPIN, &D::m_nextMonthSpin,
         &D::m_nextMonthEdit},
        {res::IDC_NEXT_DAY, &D::m_nextDay, Date::next, P::day, res::IDC_NEXT_DAY_SPIN, &D::m_nextDaySpin,
         &D::m_nextDayEdit},
        {res::IDC_START_YEAR, &D::m_startYear, Date::start, P::year, res::IDC_START_YEAR_SPIN, &D::m_startYearSpin,
         &D::m_startYearEdit},
        {res::IDC_START_MONTH, &D::m_startMonth, Date::start, P::month, res::IDC_START_MONTH_SPIN,
         &D::m_startMonthSpin, &D::m_startMonthEdit},
        {res::IDC_START_DAY, &D::m_startDay, Date::start, P::day, res::IDC_START_DAY_SPIN, &D::m_startDaySpin,
         &D::m_startDayEdit},
    };
    return fields;
}

Range CSetupDlg::RangeOf(DatePart part) const
{
    return PartRange(part, m_years);
}

std::int32_t* CSetupDlg::OptionOf(Date date)
{
    switch (date) {
    case Date::next:
        return &m_showNextExam;
    case Date::start:
        return &m_showGraph;
    default:
        return nullptr;
    }
}

std::span<const fw::CommandEntry> CSetupDlg::CommandMap() const
{
    static constexpr Date kNextExamDate = Date::next;
    static constexpr Date kStudyStartDate = Date::start;
    static const std::vector<fw::CommandEntry> map = [] {
        auto entries = DateFieldCommands<&CSetupDlg::OnLeaveNumberField, &CSetupDlg::OnStepDay>(Fields());
        entries.insert(entries.end(), {
            fw::CommandHandler<&CSetupDlg::OnKillFocusTitle>(res::IDC_EXAM_TITLE, fw::EN_KILLFOCUS),
            fw::CommandHandler<&CSetupDlg::OnSwitchOption>(res::IDC_SHOW_NEXT_EXAM, fw::BN_CLICKED, kNextExamDate),
            fw::CommandHandler<&CSetupDlg::OnSwitchOption>(res::IDC_SHOW_GRAPH, fw::BN_CLICKED, kStudyStartDate),
        });
        return entries;
    }();
    return map;
}

void CSetupDlg::OnLeaveNumberField(const Field& field)
{
    LeaveNumberField(*this, this->*field.member, RangeOf(field.part));
}

// The title is only read: a title too long keeps its message and its text.
void CSetupDlg::OnKillFocusTitle()
{
    ReadFields();
}

// An option that is off makes its date read-only and pins each spin on its
// field's value, so that stepping it changes nothing. The platform's spin
// bounds are 16-bit numbers, so the pin takes the member's low 16 bits.
void CSetupDlg::ApplyOption(Date date)
{
    const bool editable = *OptionOf(date) != 0;
    for (const Field& field : Fields()) {
        if (field.date == date)
            (this->*field.editBox).SetReadOnly(!editable);
    }
    for (const Field& field : Fields()) {
        if (field.date != date)
            continue;
        if (editable) {
            SetSpinRange(this->*field.spinButton, RangeOf(field.part));
        } else {
            const int pinned = static_cast<std::int16_t>(this->*field.member & 0xFFFF);
            (this->*field.spinButton).SetRange32(pinned, pinned);
        }
    }
}

void CSetupDlg::ApplyNextExamOption()
{
    ApplyOption(Date::next);
}

void CSetupDlg::ApplyGraphOption()
{
    ApplyOption(Date::start);
}

// The check box has changed its own mark; the member follows it here.
void CSetupDlg::OnSwitchOption(const Date& date)
{
    std::int32_t& option = *OptionOf(date);
    option = option == 0 ? 1 : 0;
    ApplyOption(date);
    ReadFields();
    WriteFields();
}

// Before the step: an editable date's day spin wraps within the month its
// fields show; a pinned one stays pinned.
void CSetupDlg::OnStepDay(const Field& day)
{
    ReadFields();
    const std::int32_t* option = OptionOf(day.date);
    if (!option || *option != 0)
        FitDaySpin(*this, Fields(), day);
}
