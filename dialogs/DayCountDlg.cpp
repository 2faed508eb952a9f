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
    fw::DDX_Control(pDX, res::IDC_FROM_YEAR_SPIN, m_fromYearSpin);
    fw::DDX_Control(pDX, res::IDC_FROM_MONTH_SPIN, m_fromMonthSpin);
    fw::DDX_Control(pDX, res::IDC_FROM_DAY_SPIN, m_fromDaySpin);
    fw::DDX_Control(pDX, res::IDC_TO_YEAR_SPIN, m_toYearSpin);
    fw::DDX_Control(pDX, res::IDC_TO_MONTH_SPIN, m_toMonthSpin);
    fw::DDX_Control(pDX, res::IDC_TO_DAY_SPIN, m_toDaySpin);
    fw::DDX_Text(pDX, res::IDC_FROM_MONTH, m_fromMonth);
    fw::DDV_MinMaxUInt(pDX, m_fromMonth, kMonths.low, kMonths.high);
    fw::DDX_Text(pDX, res::IDC_FROM_DAY, m_fromDay);
    fw::DDV_MinMaxUInt(pDX, m_fromDay, kDays.low, kDays.high);
    fw::DDX_Text(pDX, res::IDC_TO_YEAR, m_toYear);
    fw::DDV_MinMaxUInt(pDX, m_toYear, kReadableYears.low, kReadableYears.high);
    fw::DDX_Text(pDX, res::IDC_TO_MONTH, m_toMonth);
    fw::DDV_MinMaxUInt(pDX, m_toMonth, kMonths.low, kMonths.high);
    fw::DDX_Text(pDX, res::IDC_TO_DAY, m_toDay);
    fw::DDV_MinMaxUInt(pDX, m_toDay, kDays.low, kDays.high);
    fw::DDX_Text(pDX, res::IDC_FROM_YEAR, m_fromYear);
    fw::DDV_MinMaxUInt(pDX, m_fromYear, kReadableYears.low, kReadableYears.high);
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
    for (fw::CSpinButtonCtrl* spin : {&m_fromYearSpin, &m_toYearSpin})
        spin->SetRange32(kReadableYears.low, kReadableYears.high);
    for (fw::CSpinButtonCtrl* spin : {&m_fromMonthSpin, &m_toMonthSpin})
        spin->SetRange32(kMonths.low, kMonths.high);
    for (fw::CSpinButtonCtrl* spin : {&m_fromDaySpin, &m_toDaySpin})
        spin->SetRange32(kDays.low, kDays.high);
}

void CDayCountDlg::PlaceBelowMainWindow()
{
    fw::CRect mainWindow;
    if (!GetMainWindowRect(&mainWindow))
        return;   // no countdown window: the framework centres the dialog
    fw::CRect self;
    GetWindowRect(&self);
    const fw::CPoint place = DayCountPosition(mainWindow, fw::GetDesktopRect(), self);
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
