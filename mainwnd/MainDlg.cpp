#include "mainwnd/MainDlg.h"

#include "gui/App.h"
#include "mainwnd/WindowPlacement.h"
#include "res/Resources.h"
#include "settings/SettingsFile.h"

CMainDlg::CMainDlg()
    : fw::CDialog(res::IDD_MAIN), m_icon(fw::LoadIconResource(res::IDI_MAIN))
{
}

void CMainDlg::DoDataExchange(fw::CDataExchange* pDX)
{
    fw::CDialog::DoDataExchange(pDX);
    fw::DDX_Control(pDX, res::IDC_PROGRESS, m_progress);
}

ScheduleDates CMainDlg::Dates() const
{
    return {m_settings.studyStart, m_settings.examDate, m_settings.nextExamDate};
}

std::string CMainDlg::SettingsFilePath() const
{
    const fw::CWinApp* app = fw::AfxGetApp();
    return ::SettingsFilePath(app ? app->m_programPath : std::string());
}

void CMainDlg::LoadSettings()
{
    const fw::CRect desktop = fw::GetDesktopRect();
    const fw::ScreenScale scale = GetScreenScale();
    ::LoadSettings(m_settings, SettingsFilePath(), fw::LoadString(res::IDS_DEFAULT_TITLE),
                   [&](std::int32_t x, std::int32_t y, bool showGraph) {
                       return placement::AcceptsStoredPosition(x, y, showGraph, desktop,
                                                               m_templateRect, scale);
                   });
}

void CMainDlg::SaveSettings(const char* reason)
{
    ::SaveSettings(m_settings, SettingsFilePath(), reason, CurrentPosition());
}

// Where the window's outer rectangle stands; nothing where the platform
// cannot tell, so that a save keeps the stored position.
std::optional<WindowPos> CMainDlg::CurrentPosition() const
{
    if (!fw::CanKnowWindowPosition())
        return std::nullopt;
    fw::CRect window;
    GetWindowRect(&window);
    return WindowPos{window.left, window.top};
}
