// How the countdown window opens, follows the change of day, minimises and
// closes, and when it saves the settings.
#include "gui/Menu.h"
#include "mainwnd/DisplayTexts.h"
#include "mainwnd/MainDlg.h"
#include "mainwnd/WindowPlacement.h"
#include "res/Resources.h"

namespace {

constexpr unsigned kTimerId = 1;
constexpr unsigned kTimerPeriodMs = 500;

}  // namespace

bool CMainDlg::OnInitDialog()
{
    fw::CDialog::OnInitDialog();
    RebuildSystemMenu();
    SetIcon(m_icon, true);
    m_figures.refreshToday();
    m_settings.title = fw::LoadString(res::IDS_DEFAULT_TITLE);
    m_appName = fw::LoadString(res::IDS_APP_NAME);
    m_startLabel = fw::LoadString(res::IDS_START_LABEL);
    m_examLabel = fw::LoadString(res::IDS_EXAM_LABEL);
    m_settings.showGraph = false;
    m_settings.showNextExam = false;
    SetDefaultPosition();
    LoadSettings();
    PlaceWindow();
    SetProgressRange();
    SetTimer(kTimerId, kTimerPeriodMs);
    return false;
}

// Keeps Move, Minimise and Close under our own texts and adds the About
// entry; Restore, Size and Maximise go.
void CMainDlg::RebuildSystemMenu()
{
    fw::CMenu* menu = GetSystemMenu(false);
    if (!menu)
        return;
    const unsigned closeId = menu->GetMenuItemID(6);
    menu->RemoveMenu(6, fw::MF_BYPOSITION);
    const unsigned minimiseId = menu->GetMenuItemID(3);
    menu->RemoveMenu(3, fw::MF_BYPOSITION);
    const unsigned moveId = menu->GetMenuItemID(1);
    menu->RemoveMenu(1, fw::MF_BYPOSITION);
    for (int position = 7; position >= 0; --position)
        menu->DeleteMenu(position, fw::MF_BYPOSITION);

    menu->AppendMenu(fw::MF_STRING, moveId, fw::LoadString(res::IDS_SYSMENU_MOVE));
    menu->AppendMenu(fw::MF_STRING, minimiseId, fw::LoadString(res::IDS_SYSMENU_MINIMIZE));
    menu->AppendMenu(fw::MF_STRING, closeId, fw::LoadString(res::IDS_SYSMENU_CLOSE));
    const fw::ByteString about = fw::LoadString(res::IDS_ABOUTBOX);
    if (!about.empty()) {
        menu->AppendMenu(fw::MF_SEPARATOR);
        menu->AppendMenu(fw::MF_STRING, res::IDM_ABOUTBOX, about);
    }
}

void CMainDlg::SetDefaultPosition()
{
    GetWindowRect(&m_templateRect);
    m_settings.windowPos = placement::DefaultPosition(fw::GetDesktopRect(), m_templateRect, GetScreenScale());
}

void CMainDlg::PlaceWindow()
{
    MoveWindow(m_settings.windowPos.left, m_settings.windowPos.top, placement::kWindowWidth,
               placement::WindowHeight(m_settings.showGraph), true);
}

void CMainDlg::OnSysCommand(unsigned id, long lParam)
{
    switch (id & 0xFFF0) {
    case res::IDM_ABOUTBOX:   // our own entry: nothing for the default to do
        OnAbout();
        return;
    case fw::SC_MAXIMIZE:
        return;   // the window is never maximised
    case fw::SC_MINIMIZE: {
        const std::optional<WindowPos> window = CurrentPosition();
        if (window && (window->left != m_settings.windowPos.left || window->top != m_settings.windowPos.top))
            SaveSettings("SysCommand");
        break;
    }
    default:
        break;
    }
    fw::CDialog::OnSysCommand(id, lParam);
}

void CMainDlg::OnTimer(unsigned id)
{
    if (!m_figures.dayChanged())
        return;
    Invalidate(true);
    if (m_minimised) {
        OnPaint();
        SetWindowText(display_texts::MinimisedCaption(m_daysLeftShown));
    }
    fw::CDialog::OnTimer(id);
}

void CMainDlg::OnSize(unsigned type, int cx, int cy)
{
    fw::CDialog::OnSize(type, cx, cy);
    fw::CMenu* menu = GetSystemMenu(false);
    if (type & fw::SIZE_MINIMIZED) {
        SetWindowText(display_texts::MinimisedCaption(m_daysLeftShown));
        m_minimised = true;
        if (menu)
            menu->EnableMenuItem(1, fw::MF_BYPOSITION | fw::MF_GRAYED);
    } else {
        m_minimised = false;
        if (menu)
            menu->EnableMenuItem(1, fw::MF_BYPOSITION | fw::MF_ENABLED);
    }
}

void CMainDlg::OnDestroy()
{
    fw::CDialog::OnDestroy();
    if (!m_minimised)
        SaveSettings("Quit");
}

bool CMainDlg::OnQueryEndSession()
{
    if (!fw::CDialog::OnQueryEndSession())
        return false;
    if (!m_minimised)
        SaveSettings("EndSession");
    return true;
}
