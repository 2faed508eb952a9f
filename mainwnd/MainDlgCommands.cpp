// The countdown window's commands: the context menu, the setup and
// day-count dialogs, the About box and the menu's "終了".
#include "dialogs/AboutDlg.h"
#include "dialogs/DateMembers.h"
#include "dialogs/DayCountDlg.h"
#include "dialogs/SetupDlg.h"
#include "gui/App.h"
#include "gui/Menu.h"
#include "mainwnd/MainDlg.h"
#include "res/Resources.h"

std::span<const fw::CommandEntry> CMainDlg::CommandMap() const
{
    static const fw::CommandEntry map[] = {
        fw::CommandHandler<&CMainDlg::OnSetup>(res::ID_SETUP),
        fw::CommandHandler<&CMainDlg::OnAbout>(res::ID_ABOUT),
        fw::CommandHandler<&CMainDlg::OnSetup>(res::IDC_SETUP, fw::BN_CLICKED),
        fw::CommandHandler<&CMainDlg::OnExit>(res::ID_EXIT),
        fw::CommandHandler<&CMainDlg::OnDayCount>(res::ID_DAYCOUNT),
        fw::CommandHandler<&CMainDlg::OnDayCount>(res::IDC_DAYCOUNT, fw::BN_CLICKED),
    };
    return map;
}

// Every request shows our menu, a right click on the caption included; the
// keyboard's request comes with (-1, -1) and the menu opens at that point.
void CMainDlg::OnContextMenu(fw::CWnd* /*wnd*/, fw::CPoint point)
{
    fw::CMenu menu;
    menu.LoadMenu(res::IDR_CONTEXT_MENU);
    if (fw::CMenu* popup = menu.GetSubMenu(0))
        popup->TrackPopupMenu(fw::TPM_LEFTALIGN | fw::TPM_RIGHTBUTTON, point.x, point.y, this);
    menu.DestroyMenu();
}

void CMainDlg::OnSetup()
{
    CSetupDlg setup;
    HandToSetup(setup);
    if (setup.DoModal() != static_cast<int>(fw::IDOK))
        return;
    TakeFromSetup(setup);
    Invalidate(true);
    SetProgressRange();
    WriteFields();
    SaveSettings("Dialog");
    PlaceWindow();   // same top-left corner, the height of the new graph switch
}

void CMainDlg::HandToSetup(CSetupDlg& setup) const
{
    // An invalid date arrives as 4294967295 in each of its fields.
    SetMembersFromDate(m_settings.examDate, setup.m_examYear, setup.m_examMonth, setup.m_examDay);
    SetMembersFromDate(m_settings.nextExamDate, setup.m_nextYear, setup.m_nextMonth, setup.m_nextDay);
    SetMembersFromDate(m_settings.studyStart, setup.m_startYear, setup.m_startMonth, setup.m_startDay);
    setup.m_title = m_settings.title;
    setup.m_showGraph = m_settings.showGraph ? 1 : 0;
    setup.m_showNextExam = m_settings.showNextExam ? 1 : 0;
    setup.m_years = m_settings.years();
}

void CMainDlg::TakeFromSetup(const CSetupDlg& setup)
{
    m_settings.title = setup.m_title;
    SetDateFromMembers(m_settings.examDate, setup.m_examYear, setup.m_examMonth, setup.m_examDay);
    SetDateFromMembers(m_settings.nextExamDate, setup.m_nextYear, setup.m_nextMonth, setup.m_nextDay);
    SetDateFromMembers(m_settings.studyStart, setup.m_startYear, setup.m_startMonth, setup.m_startDay);
    m_settings.showGraph = setup.m_showGraph != 0;
    m_settings.showNextExam = setup.m_showNextExam != 0;
}

void CMainDlg::OnAbout()
{
    CAboutDlg about;
    about.DoModal();
}

// Nothing of the count is kept: the result is not looked at.
void CMainDlg::OnDayCount()
{
    CDayCountDlg dayCount;
    dayCount.DoModal();
}

// The modal run ends when the request arrives; OnDestroy then saves "Quit".
void CMainDlg::OnExit()
{
    fw::PostQuitMessage(0);
}
