// Opening the day-count dialog, its field exchange and the count itself.
#include "dialogs/DayCountDlg.h"

#include "calendar/DateRanges.h"
#include "dialogs/DateMembers.h"
#include "dialogs/DayFields.h"
#include "dialogs/DialogPositions.h"
#include "dialogs/MainWindowRect.h"
#include "gui/DataExchange.h"
#include "res/Resources.h"

using namespace date_ranges;

CDayCountDlg::CDayCountDlg() : fw::CDialog(res::IDD_DAYCOUNT)
{
    SetMembersFromDate(CalendarDate::now(), m_toYear, m_toMonth, m_toDay);
    m_fromYear = m_toYear;   // 1 January of this year
    m_fromMonth = 1;
    m_fromDay = 1;
    m_fromWeekday = WeekdayText(m_fromYear, m_fromMonth, m_fromDay);
    m_toWeekday = WeekdayText(m_toYear, m_toMonth, m_toDay);
}

void CDayCountDlg::DoDataExchange(fw::CDataExchange* pDX)
{
    fw::CDialog::DoDataExchange(pDX);
    AttachDateControls(pDX, *this, Fields());
    const Range years = RangeOf(DatePart::year);
    ExchangeNumber(pDX, res::IDC_FROM_MONTH, m_fromMonth, kMonths);
    ExchangeNumber(pDX, res::IDC_FROM_DAY, m_fromDay, kDays);
    ExchangeNumber(pDX, res::IDC_TO_YEAR, m_toYear, years);
    ExchangeNumber(pDX, res::IDC_TO_MONTH, m_toMonth, kMonths);
    ExchangeNumber(pDX, res::IDC_TO_DAY, m_toDay, kDays);
    ExchangeNumber(pDX, res::IDC_FROM_YEAR, m_fromYear, years);
    fw::DDX_Text(pDX, res::IDC_DAY_COUNT, m_dayCount);
    fw::DDX_Text(pDX, res::IDC_FROM_WEEKDAY, m_fromWeekday);
    fw::DDX_Text(pDX, res::IDC_TO_WEEKDAY, m_toWeekday);
}

bool CDayCountDlg::OnInitDialog()
{
    fw::CDialog::OnInitDialog();
    SetSpinRanges();
    ComputeDayCount();
    PlaceBelowMainWindow();
    return true;   // the focus goes to the first year field
}

void CDayCountDlg::SetSpinRanges()
{
    for (const Field& field : Fields())
        SetSpinRange(this->*field.spinButton, RangeOf(field.part));
}

void CDayCountDlg::PlaceBelowMainWindow()
{
    fw::CRect mainWindow;
    if (!GetMainWindowRect(&mainWindow))
        return;   // no countdown window: the framework centres the dialog
    fw::CRect self;
    GetWindowRect(&self);
    const fw::CPoint place = DayCountPosition(mainWindow, fw::GetDesktopRect(), self, GetScreenScale());
    SetWindowPos(fw::wndTop, place.x, place.y, 0, 0, fw::SWP_NOSIZE);
}

void CDayCountDlg::ComputeDayCount()
{
    WriteFields();
    m_fromWeekday = WeekdayText(m_fromYear, m_fromMonth, m_fromDay);
    m_toWeekday = WeekdayText(m_toYear, m_toMonth, m_toDay);
    SetDateFromMembers(m_fromDate, m_fromYear, m_fromMonth, m_fromDay);
    SetDateFromMembers(m_toDate, m_toYear, m_toMonth, m_toDay);
    m_dayCount = (m_toDate - m_fromDate).wholeDays();
    WriteFields();
}
