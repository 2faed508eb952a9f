// What the setup dialog does while it is open: leaving a field, the two
// options with their read-only dates, and the day spins.
#include "calendar/DateRanges.h"
#include "dialogs/DayFields.h"
#include "dialogs/SetupDlg.h"
#include "res/Resources.h"
#include "settings/ScheduleSettings.h"

using namespace date_ranges;

std::span<const fw::CommandEntry> CSetupDlg::CommandMap() const
{
    static const fw::CommandEntry map[] = {
        fw::CommandHandler<&CSetupDlg::OnKillFocusExamYear>(res::IDC_EXAM_YEAR, fw::EN_KILLFOCUS),
        fw::CommandHandler<&CSetupDlg::OnKillFocusExamMonth>(res::IDC_EXAM_MONTH, fw::EN_KILLFOCUS),
        fw::CommandHandler<&CSetupDlg::OnKillFocusExamDay>(res::IDC_EXAM_DAY, fw::EN_KILLFOCUS),
        fw::CommandHandler<&CSetupDlg::OnKillFocusNextYear>(res::IDC_NEXT_YEAR, fw::EN_KILLFOCUS),
        fw::CommandHandler<&CSetupDlg::OnKillFocusNextMonth>(res::IDC_NEXT_MONTH, fw::EN_KILLFOCUS),
        fw::CommandHandler<&CSetupDlg::OnKillFocusNextDay>(res::IDC_NEXT_DAY, fw::EN_KILLFOCUS),
        fw::CommandHandler<&CSetupDlg::OnKillFocusStartYear>(res::IDC_START_YEAR, fw::EN_KILLFOCUS),
        fw::CommandHandler<&CSetupDlg::OnKillFocusStartMonth>(res::IDC_START_MONTH, fw::EN_KILLFOCUS),
        fw::CommandHandler<&CSetupDlg::OnKillFocusStartDay>(res::IDC_START_DAY, fw::EN_KILLFOCUS),
        fw::CommandHandler<&CSetupDlg::OnKillFocusTitle>(res::IDC_EXAM_TITLE, fw::EN_KILLFOCUS),
        fw::CommandHandler<&CSetupDlg::OnShowNextExam>(res::IDC_SHOW_NEXT_EXAM, fw::BN_CLICKED),
        fw::CommandHandler<&CSetupDlg::OnShowGraph>(res::IDC_SHOW_GRAPH, fw::BN_CLICKED),
        fw::CommandHandler<&CSetupDlg::OnDeltaPosExamDay>(res::IDC_EXAM_DAY_SPIN, fw::UDN_DELTAPOS),
        fw::CommandHandler<&CSetupDlg::OnDeltaPosNextDay>(res::IDC_NEXT_DAY_SPIN, fw::UDN_DELTAPOS),
        fw::CommandHandler<&CSetupDlg::OnDeltaPosStartDay>(res::IDC_START_DAY_SPIN, fw::UDN_DELTAPOS),
    };
    return map;
}

void CSetupDlg::LeaveNumberField(std::uint32_t& member, Range range)
{
    ReadFields();   // a refusal has shown its message; the clamp still follows
    member = range.Clamp(member);
    WriteFields();
}

void CSetupDlg::OnKillFocusExamYear() { LeaveNumberField(m_examYear, kScheduleYears); }
void CSetupDlg::OnKillFocusExamMonth() { LeaveNumberField(m_examMonth, kMonths); }
void CSetupDlg::OnKillFocusExamDay() { LeaveNumberField(m_examDay, kDays); }
void CSetupDlg::OnKillFocusNextYear() { LeaveNumberField(m_nextYear, kScheduleYears); }
void CSetupDlg::OnKillFocusNextMonth() { LeaveNumberField(m_nextMonth, kMonths); }
void CSetupDlg::OnKillFocusNextDay() { LeaveNumberField(m_nextDay, kDays); }
void CSetupDlg::OnKillFocusStartYear() { LeaveNumberField(m_startYear, kScheduleYears); }
void CSetupDlg::OnKillFocusStartMonth() { LeaveNumberField(m_startMonth, kMonths); }
void CSetupDlg::OnKillFocusStartDay() { LeaveNumberField(m_startDay, kDays); }

// The title is only read: a title too long keeps its message and its text.
void CSetupDlg::OnKillFocusTitle()
{
    ReadFields();
}

CSetupDlg::DateControls CSetupDlg::NextExamControls()
{
    return {{&m_nextYearEdit, &m_nextMonthEdit, &m_nextDayEdit}, {&m_nextYearSpin, &m_nextMonthSpin, &m_nextDaySpin}};
}

CSetupDlg::DateControls CSetupDlg::StudyStartControls()
{
    return {{&m_startYearEdit, &m_startMonthEdit, &m_startDayEdit},
            {&m_startYearSpin, &m_startMonthSpin, &m_startDaySpin}};
}

// An option that is off makes its date read-only and pins each spin on its
// field's value, so that stepping it changes nothing. The platform's spin
// bounds are 16-bit numbers, so the pin takes the member's low 16 bits.
void CSetupDlg::ApplyOption(std::int32_t option, const DateControls& date, const std::array<std::uint32_t, 3>& values)
{
    const bool editable = option != 0;
    for (fw::CEdit* field : date.fields)
        field->SetReadOnly(!editable);
    if (editable) {
        date.spins[0]->SetRange32(kScheduleYears.low, kScheduleYears.high);
        date.spins[1]->SetRange32(kMonths.low, kMonths.high);
        date.spins[2]->SetRange32(kDays.low, kDays.high);
        return;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int pinned = static_cast<std::int16_t>(values[i] & 0xFFFF);
        date.spins[i]->SetRange32(pinned, pinned);
    }
}

void CSetupDlg::ApplyNextExamOption()
{
    ApplyOption(m_showNextExam, NextExamControls(), {m_nextYear, m_nextMonth, m_nextDay});
}

void CSetupDlg::ApplyGraphOption()
{
    ApplyOption(m_showGraph, StudyStartControls(), {m_startYear, m_startMonth, m_startDay});
}

// The check box has changed its own mark; the member follows it here.
void CSetupDlg::OnShowNextExam()
{
    m_showNextExam = m_showNextExam == 0 ? 1 : 0;
    ApplyNextExamOption();
    ReadFields();
    WriteFields();
}

void CSetupDlg::OnShowGraph()
{
    m_showGraph = m_showGraph == 0 ? 1 : 0;
    ApplyGraphOption();
    ReadFields();
    WriteFields();
}

// Before the step: an editable date's day spin wraps within the month its
// fields show; a pinned one stays pinned.
void CSetupDlg::OnDeltaPosExamDay()
{
    ReadFields();
    SetDaySpinRange(m_examYear, m_examMonth, m_examDaySpin);
}

void CSetupDlg::OnDeltaPosNextDay()
{
    ReadFields();
    if (m_showNextExam != 0)
        SetDaySpinRange(m_nextYear, m_nextMonth, m_nextDaySpin);
}

void CSetupDlg::OnDeltaPosStartDay()
{
    ReadFields();
    if (m_showGraph != 0)
        SetDaySpinRange(m_startYear, m_startMonth, m_startDaySpin);
}
