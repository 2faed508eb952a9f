// The setup dialog: the exam title, the exam date, the next exam date, the
// study-start date and the two display options. The opener fills the
// members before running it and takes them back only after OK.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "calendar/DateRanges.h"
#include "gui/Controls.h"
#include "gui/Dialog.h"

class CSetupDlg : public fw::CDialog {
public:
    CSetupDlg();

    // Field values, in exchange order.
    std::uint32_t m_examYear;
    std::uint32_t m_examMonth = 1;
    std::uint32_t m_examDay = 1;
    std::uint32_t m_nextYear;
    std::uint32_t m_nextMonth = 1;
    std::uint32_t m_nextDay = 1;
    fw::ByteString m_title;
    std::uint32_t m_startYear;
    std::uint32_t m_startMonth = 1;
    std::int32_t m_showGraph = 0;
    std::int32_t m_showNextExam = 0;
    std::uint32_t m_startDay = 1;

protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnOK() override;
    std::span<const fw::CommandEntry> CommandMap() const override;

private:
    // The three fields of a date with their spins.
    struct DateControls {
        std::array<fw::CEdit*, 3> fields;
        std::array<fw::CSpinButtonCtrl*, 3> spins;
    };
    DateControls NextExamControls();
    DateControls StudyStartControls();

    void SetSpinRanges();
    void ApplyNextExamOption();
    void ApplyGraphOption();
    static void ApplyOption(std::int32_t option, const DateControls& date,
                            const std::array<std::uint32_t, 3>& values);
    void PlaceBesideMainWindow();

    void OnShowNextExam();
    void OnShowGraph();
    void OnKillFocusTitle();
    void OnDeltaPosExamDay();
    void OnDeltaPosNextDay();
    void OnDeltaPosStartDay();

    void OnKillFocusExamYear();
    void OnKillFocusExamMonth();
    void OnKillFocusExamDay();
    void OnKillFocusNextYear();
    void OnKillFocusNextMonth();
    void OnKillFocusNextDay();
    void OnKillFocusStartYear();
    void OnKillFocusStartMonth();
    void OnKillFocusStartDay();
    void LeaveNumberField(std::uint32_t& member, date_ranges::Range range);

    fw::CEdit m_nextYearEdit;
    fw::CEdit m_nextMonthEdit;
    fw::CEdit m_nextDayEdit;
    fw::CEdit m_startYearEdit;
    fw::CEdit m_startMonthEdit;
    fw::CEdit m_startDayEdit;
    fw::CSpinButtonCtrl m_examYearSpin;
    fw::CSpinButtonCtrl m_examMonthSpin;
    fw::CSpinButtonCtrl m_examDaySpin;
    fw::CSpinButtonCtrl m_nextYearSpin;
    fw::CSpinButtonCtrl m_nextMonthSpin;
    fw::CSpinButtonCtrl m_nextDaySpin;
    fw::CSpinButtonCtrl m_startYearSpin;
    fw::CSpinButtonCtrl m_startMonthSpin;
    fw::CSpinButtonCtrl m_startDaySpin;
};
