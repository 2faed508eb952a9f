// The setup dialog: the exam title, the exam date, the next exam date, the
// study-start date and the two display options. The opener fills the
// members before running it and takes them back only after OK.
#pragma once

#include <cstdint>
#include <span>

#include "calendar/DateRanges.h"
#include "dialogs/DateFields.h"
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
    // The years the three dates may lie in.
    date_ranges::Range m_years;

protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnOK() override;
    std::span<const fw::CommandEntry> CommandMap() const override;

private:
    enum class Date { exam, next, start };
    using Field = DateField<CSetupDlg, Date>;
    // The nine number fields, date by date.
    static std::span<const Field> Fields();
    date_ranges::Range RangeOf(DatePart part) const;
    // The option that a date's editability follows; null for the exam date,
    // which is always editable.
    std::int32_t* OptionOf(Date date);

    void SetSpinRanges();
    void ApplyNextExamOption();
    void ApplyGraphOption();
    void ApplyOption(Date date);
    void PlaceBesideMainWindow();

    void OnLeaveNumberField(const Field& field);
    void OnStepDay(const Field& day);
    void OnSwitchOption(const Date& date);
    void OnKillFocusTitle();

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
