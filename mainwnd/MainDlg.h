// The countdown window: one exam's title, the days left, the dates, the
// whole schedule, the graph and the progress bar, today's date in the
// caption and the days left while minimised. It owns the settings and the
// figures, and saves the settings on every road of closing.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "calendar/ScheduleFigures.h"
#include "gui/Dialog.h"
#include "gui/ProgressCtrl.h"
#include "settings/ScheduleSettings.h"

class CSetupDlg;

class CMainDlg : public fw::CDialog {
public:
    CMainDlg();

    // What the window holds, for the program's tests.
    const ScheduleSettings& Settings() const { return m_settings; }
    const ScheduleFigures& Figures() const { return m_figures; }
    bool IsMinimised() const { return m_minimised; }

protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;
    bool OnInitDialog() override;

    // Display.
    void OnPaint() override;
    fw::HBRUSH OnCtlColor(fw::CDC* dc, fw::CWnd* control, unsigned ctlColor) override;
    fw::HICON OnQueryDragIcon() override;

    // Lifecycle.
    void OnSysCommand(unsigned id, long lParam) override;
    void OnTimer(unsigned id) override;
    void OnSize(unsigned type, int cx, int cy) override;
    void OnDestroy() override;
    bool OnQueryEndSession() override;

    // Commands.
    std::span<const fw::CommandEntry> CommandMap() const override;
    void OnContextMenu(fw::CWnd* wnd, fw::CPoint point) override;

private:
    void OnSetup();
    void OnAbout();
    void OnDayCount();
    void OnExit();
    void HandToSetup(CSetupDlg& setup) const;
    void TakeFromSetup(const CSetupDlg& setup);

    void UpdateDisplay();
    void DrawDaysLeft();
    void DrawGraph();
    static void DrawBar(fw::CDC* dc, int x, int y, int fillLength, int barHeight, int width,
                        fw::COLORREF fillColour);
    void SetProgressRange();

    void RebuildSystemMenu();
    void SetDefaultPosition();
    void PlaceWindow();
    std::string SettingsFilePath() const;
    void LoadSettings();
    void SaveSettings(const char* reason);
    std::optional<WindowPos> CurrentPosition() const;
    ScheduleDates Dates() const;

    ScheduleSettings m_settings;
    ScheduleFigures m_figures;
    fw::CProgressCtrl m_progress;
    fw::CRect m_templateRect;                // the window as the template made it
    std::int32_t m_wholeDaysAtLoad = 0;
    std::int32_t m_daysLeftShown = 0;
    fw::ByteString m_appName;
    fw::ByteString m_startLabel;
    fw::ByteString m_examLabel;
    bool m_minimised = false;
    fw::HICON m_icon;
};
