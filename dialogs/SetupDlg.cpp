// Opening the setup dialog, its field exchange and its OK.
#include "dialogs/SetupDlg.h"

#include "calendar/CalendarDate.h"
#include "calendar/DateRanges.h"
#include "core/DialogPlacement.h"
#include "dialogs/DayFields.h"
#include "dialogs/DialogPositions.h"
#include "dialogs/MainWindowRect.h"
#include "gui/DataExchange.h"
#include "gui/MessageBox.h"
#include "res/Resources.h"
#include "settings/ScheduleSettings.h"

using namespace date_ranges;

CSetupDlg::CSetupDlg() : fw::CDialog(res::IDD_SETUP), m_years(kScheduleYears)
{
    const auto thisYear = static_cast<std::uint32_t>(CalendarDate::now().year());
    m_examYear = thisYear;
    m_nextYear = thisYear;
    m_startYear = thisYear;
}

void CSetupDlg::DoDataExchange(fw::CDataExchange* pDX)
{
    fw::CDialog::DoDataExchange(pDX);
    AttachDateControls(pDX, *this, Fields());
    const Range years = RangeOf(DatePart::year);
    ExchangeNumber(pDX, res::IDC_EXAM_YEAR, m_examYear, years);
    ExchangeNumber(pDX, res::IDC_EXAM_MONTH, m_examMonth, kMonths);
    ExchangeNumber(pDX, res::IDC_EXAM_DAY, m_examDay, kDays);
    ExchangeNumber(pDX, res::IDC_NEXT_YEAR, m_nextYear, years);
    ExchangeNumber(pDX, res::IDC_NEXT_MONTH, m_nextMonth, kMonths);
    ExchangeNumber(pDX, res::IDC_NEXT_DAY, m_nextDay, kDays);
    fw::DDX_Text(pDX, res::IDC_EXAM_TITLE, m_title);
    fw::DDV_MaxChars(pDX, m_title, static_cast<int>(ScheduleSettings::kTitleLimit));
    ExchangeNumber(pDX, res::IDC_START_YEAR, m_startYear, years);
    ExchangeNumber(pDX, res::IDC_START_MONTH, m_startMonth, kMonths);
    fw::DDX_Check(pDX, res::IDC_SHOW_GRAPH, m_showGraph);
    fw::DDX_Check(pDX, res::IDC_SHOW_NEXT_EXAM, m_showNextExam);
    ExchangeNumber(pDX, res::IDC_START_DAY, m_startDay, kDays);
}

bool CSetupDlg::OnInitDialog()
{
    fw::CDialog::OnInitDialog();
    SetSpinRanges();
    ApplyNextExamOption();
    ApplyGraphOption();
    PlaceBesideMainWindow();
    return true;   // the focus goes to the title
}

void CSetupDlg::SetSpinRanges()
{
    for (const Field& field : Fields())
        SetSpinRange(this->*field.spinButton, RangeOf(field.part));
}

void CSetupDlg::PlaceBesideMainWindow()
{
    fw::CRect mainWindow;
    if (!GetMainWindowRect(&mainWindow))
        return;   // no countdown window: the framework centres the dialog
    fw::CRect self;
    GetWindowRect(&self);
    const fw::CRect screen = fw::GetDesktopRect();
    if (const auto place = SetupPosition(mainWindow, screen, self, GetScreenScale())) {
        SetWindowPos(fw::wndTop, place->x, place->y, 0, 0, fw::SWP_NOSIZE);
        return;
    }
    const fw::CPoint centred = fw::CentredPosition(self, &screen, fw::GetWorkArea());
    SetWindowPos(nullptr, centred.x, centred.y, 0, 0, fw::SWP_NOSIZE | fw::SWP_NOZORDER | fw::SWP_NOACTIVATE);
}

// The fields are read before the dates are checked, so that a day typed
// and confirmed with Enter, without leaving its field, is checked too: a
// date that does not exist must never reach the countdown window, where it
// would be lost at the next start. One date is mended per OK, so the user
// sees each correction.
void CSetupDlg::OnOK()
{
    if (!ReadFields())
        return;   // the refused field has its message and the focus
    if (!CorrectDay(m_examYear, m_examMonth, m_examDay) || !CorrectDay(m_nextYear, m_nextMonth, m_nextDay)
        || !CorrectDay(m_startYear, m_startMonth, m_startDay)) {
        fw::AfxMessageBox(res::IDS_DATE_CORRECTED);
        WriteFields();
        return;
    }
    fw::CDialog::OnOK();
}
