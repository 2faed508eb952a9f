// What the countdown window shows, recomputed and redrawn on every paint.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "gui/LauncherEntry.h"
#include "mainwnd/DisplayTexts.h"
#include "mainwnd/MainDlg.h"
#include "res/Resources.h"

namespace {

constexpr fw::COLORREF kStaticText = fw::RGB(0, 0, 128);
constexpr fw::COLORREF kDaysLeftInside = fw::RGB(255, 255, 255);
constexpr fw::COLORREF kDaysLeftText = fw::RGB(255, 0, 0);
constexpr fw::COLORREF kGraphInside = fw::RGB(224, 224, 224);
constexpr fw::COLORREF kTicks = fw::RGB(128, 128, 128);
constexpr fw::COLORREF kBarFrame = fw::RGB(192, 192, 192);
constexpr fw::COLORREF kBarTrack = fw::RGB(255, 224, 240);
constexpr fw::COLORREF kBarFill = fw::RGB(255, 128, 160);

const fw::ByteString& DaysLeftFace()
{
    static const fw::ByteString face = fw::cp932::FromUtf8("ＭＳ Ｐゴシック");
    return face;
}

// The graph in words, for screen readers: "経過 43日 / 全日程 181日 (23%)",
// the share left out when there is no schedule to share.
fw::ByteString GraphInWords(std::int32_t elapsed, std::int32_t wholeDays)
{
    static const fw::ByteString elapsedWord = fw::cp932::FromUtf8("経過 ");
    static const fw::ByteString ofWhole = fw::cp932::FromUtf8("日 / 全日程 ");
    static const fw::ByteString days = fw::cp932::FromUtf8("日");
    fw::ByteString words = elapsedWord + std::to_string(elapsed) + ofWhole + std::to_string(wholeDays) + days;
    if (wholeDays > 0) {
        const std::int64_t share = std::clamp<std::int64_t>(std::int64_t{elapsed} * 100 / wholeDays, 0, 100);
        words += " (" + std::to_string(share) + "%)";
    }
    return words;
}

// The days left as the badge of the program's icon, for docks and task
// managers that show no window titles; none once the exam is past.
void ShowDaysLeftOnLauncher(std::int32_t daysLeft)
{
    if (daysLeft >= 0)
        fw::ShowLauncherCount(daysLeft);
    else
        fw::HideLauncherCount();
}

}  // namespace

void CMainDlg::OnPaint()
{
    fw::CPaintDC bracket(this);
    UpdateDisplay();
}

void CMainDlg::UpdateDisplay()
{
    using namespace display_texts;
    const ScheduleDates dates = Dates();
    m_figures.refreshToday();
    m_figures.computeDaily(dates, m_wholeDaysAtLoad);
    DrawDaysLeft();
    m_progress.SetPos(m_figures.elapsedDays);
    DrawGraph();
    SetDlgItemText(res::IDC_START_DATE, MonthDay(m_settings.studyStart));
    SetDlgItemText(res::IDC_WHOLE_DAYS, WholeSchedule(m_figures.wholeDays));
    SetDlgItemText(res::IDC_EXAM_DATE, MonthDay(m_settings.examDate));
    SetDlgItemText(res::IDC_TITLE, m_settings.title);
    SetDlgItemText(res::IDC_START_LABEL, m_startLabel);
    SetDlgItemText(res::IDC_EXAM_LABEL, m_examLabel);
    SetWindowText(Caption(m_appName, m_figures.today));
}

void CMainDlg::DrawDaysLeft()
{
    fw::CWnd* area = GetDlgItem(res::IDC_DAYS_LEFT);
    fw::CDC* dc = area->GetDC();
    fw::CRect rect;
    area->GetClientRect(&rect);

    fw::CBrush inside(kDaysLeftInside);
    fw::CBrush* oldBrush = dc->SelectObject(&inside);
    dc->Rectangle(0, 0, rect.Width(), rect.Height());
    dc->SelectObject(oldBrush);

    fw::CFont font;
    font.CreateFont(16, 0, 0, 0, fw::FW_BOLD, 0, 0, 0, fw::DEFAULT_CHARSET, 0, 0, 2, 0,
                    DaysLeftFace());
    fw::CFont* oldFont = dc->SelectObject(&font);
    dc->SetTextColor(kDaysLeftText);
    dc->SetBkMode(fw::TRANSPARENT);
    const auto nextExam = m_settings.showNextExam ? std::optional(m_figures.daysToNextExam) : std::nullopt;
    const fw::ByteString text = display_texts::DaysLeft(m_figures.daysLeft, nextExam);
    dc->DrawText(text, &rect, fw::DT_CENTER | fw::DT_VCENTER | fw::DT_SINGLELINE);
    area->SetAccessibleText(text);
    m_daysLeftShown = m_figures.daysLeft;
    ShowDaysLeftOnLauncher(m_daysLeftShown);

    dc->SelectObject(oldFont);
    font.DeleteObject();
    area->ReleaseDC(dc);
    inside.DeleteObject();
}

void CMainDlg::DrawGraph()
{
    fw::CWnd* area = GetDlgItem(res::IDC_GRAPH);
    fw::CDC* dc = area->GetDC();
    fw::CRect rect;
    area->GetClientRect(&rect);
    const int width = rect.Width();
    const int height = rect.Height();

    fw::CBrush inside(kGraphInside);
    fw::CBrush* oldBrush = dc->SelectObject(&inside);
    dc->Rectangle(0, 0, width, height);
    dc->SelectObject(oldBrush);

    m_figures.computeGraph(Dates(), width);
    if (m_figures.graphDrawn())
        DrawBar(dc, 5, 3 * (height / 4) - 3, m_figures.graphBar - 5, 10, width - 10, kBarFill);
    area->SetAccessibleName(GraphInWords((m_figures.today - m_settings.studyStart).wholeDays(), m_figures.wholeDays));

    area->ReleaseDC(dc);
    inside.DeleteObject();
}

// y is the bar's lower edge; the bar rises barHeight pixels above it. The
// rectangles are passed with the larger y first, as the bar was always drawn.
void CMainDlg::DrawBar(fw::CDC* dc, int x, int y, int fillLength, int barHeight, int width,
                       fw::COLORREF fillColour)
{
    if (fillLength < 1)
        fillLength = 1;

    fw::CPen tickPen(fw::PS_SOLID, 1, kTicks);
    fw::CPen* oldPen = dc->SelectObject(&tickPen);
    const int quarter = width / 4;
    for (const int column : {x + quarter, x + width / 2, x + 3 * quarter}) {
        dc->MoveTo(column, y - barHeight - 2);
        dc->LineTo(column, y + 2);
    }
    dc->SelectObject(oldPen);
    tickPen.DeleteObject();

    fw::CBrush frame(kBarFrame);
    fw::CBrush track(kBarTrack);
    fw::CBrush fill(fillColour);
    dc->FillRect({x - 1, y + 1, x + width + 1, y - barHeight - 1}, &frame);
    dc->FillRect({x, y, x + width, y - barHeight}, &track);
    dc->FillRect({x, y, x + fillLength, y - barHeight}, &fill);
    frame.DeleteObject();
    track.DeleteObject();
    fill.DeleteObject();
}

void CMainDlg::SetProgressRange()
{
    m_wholeDaysAtLoad = ScheduleFigures::WholeDaysOf(Dates());
    m_progress.SetRange(0, ScheduleFigures::ProgressRangeMax(m_wholeDaysAtLoad));
}

fw::HBRUSH CMainDlg::OnCtlColor(fw::CDC* dc, fw::CWnd* control, unsigned ctlColor)
{
    const fw::HBRUSH brush = fw::CDialog::OnCtlColor(dc, control, ctlColor);
    if (ctlColor == fw::CTLCOLOR_STATIC)
        dc->SetTextColor(kStaticText);
    return brush;
}

fw::HICON CMainDlg::OnQueryDragIcon()
{
    return m_icon;
}
