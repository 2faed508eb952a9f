// The day-count dialog: the number of days from one date to another, with
// the weekday of each. It takes nothing from its opener and gives nothing
// back.
#pragma once

#include <cstdint>
#include <span>

#include "calendar/CalendarDate.h"
#include "calendar/DateRanges.h"
#include "dialogs/DateFields.h"
#include "gui/Controls.h"
#include "gui/Dialog.h"

class CDayCountDlg : public fw::CDialog {
public:
    CDayCountDlg();

    // Field values, in exchange order.
    std::uint32_t m_fromMonth;
    std::uint32_t m_fromDay;
    std::uint32_t m_toYear;
    std::uint32_t m_toMonth;
    std::uint32_t m_toDay;
    std::uint32_t m_fromYear;
    std::int32_t m_dayCount = 0;
    fw::ByteString m_fromWeekday;
    fw::ByteString m_toWeekday;

    // The two dates as last computed, and whether the second "今日をセット"
    // sets the far date instead of today (flipped by each Shift key-down).
    CalendarDate m_fromDate;
    CalendarDate m_toDate;
    std::int32_t m_futureDateMode = 0;

protected:
    void DoDataExchange(fw::CDataExchange* pDX) override;
    bool PreTranslateMessage(const fw::KeyMessage& key) override;
    bool OnInitDialog() override;
    std::span<const fw::CommandEntry> CommandMap() const override;

private:
    enum class Date { from, to };
    using Field = DateField<CDayCountDlg, Date>;
    // The six number fields, date by date.
    static std::span<const Field> Fields();
    static date_ranges::Range RangeOf(DatePart part);

    void SetSpinRanges();
    void PlaceBelowMainWindow();

    void ComputeDayCount();
    void OnFromToday();
    void OnToToday();
    void OnChangeDayCount();
    void OnLeaveNumberField(const Field& field);
    void OnStepDay(const Field& day);

    fw::CSpinButtonCtrl m_fromYearSpin;
    fw::CSpinButtonCtrl m_fromMonthSpin;
    fw::CSpinButtonCtrl m_fromDaySpin;
    fw::CSpinButtonCtrl m_toYearSpin;
    fw::CSpinButtonCtrl m_toMonthSpin;
    fw::CSpinButtonCtrl m_toDaySpin;
};
