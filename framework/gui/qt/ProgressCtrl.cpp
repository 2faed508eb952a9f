#include "gui/ProgressCtrl.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>

#include "gui/qt/Accessibility_p.h"
#include "gui/qt/ProgressWidget_p.h"
#include "gui/qt/Toolkit_p.h"

namespace fw {

namespace {

constexpr int kBlockGap = 2;

ProgressWidget* ProgressOf(QWidget* widget)
{
    return dynamic_cast<ProgressWidget*>(widget);
}

}  // namespace

ProgressWidget::ProgressWidget(bool bordered, QWidget* parent) : QWidget(parent), m_bordered(bordered)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

int ProgressWidget::Clamped(int position) const
{
    return std::clamp(position, std::min(m_lower, m_upper), std::max(m_lower, m_upper));
}

void ProgressWidget::SetRange(int lower, int upper)
{
    m_lower = lower;
    m_upper = upper;
    m_pos = Clamped(m_pos);
    update();
    AnnounceValueChange(this, m_pos);
}

int ProgressWidget::SetPos(int position)
{
    const int previous = m_pos;
    m_pos = Clamped(position);
    if (m_pos != previous) {
        update();
        AnnounceValueChange(this, m_pos);
    }
    return previous;
}

int ProgressWidget::FilledWidth(int innerWidth) const
{
    const std::int64_t span = static_cast<std::int64_t>(m_upper) - m_lower;
    if (span == 0)
        return 0;
    const std::int64_t done = static_cast<std::int64_t>(m_pos) - m_lower;
    return static_cast<int>(innerWidth * done / span);
}

DeviceRect ProgressWidget::DrawBorders(QPainter& painter) const
{
    DeviceRect inner(painter, rect());
    if (m_bordered) {
        inner.Frame(QColor(0, 0, 0));
        inner = inner.Inset(1);
    }
    const int w = inner.Width();
    const int h = inner.Height();
    const int line = inner.Line();
    inner.Fill(0, 0, w, line, palette().color(QPalette::Dark));
    inner.Fill(0, 0, line, h, palette().color(QPalette::Dark));
    inner.Fill(0, h - line, w, h, palette().color(QPalette::Light));
    inner.Fill(w - line, 0, w, h, palette().color(QPalette::Light));
    return inner.Inset(2);
}

void ProgressWidget::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const DeviceRect pixels = DrawBorders(painter);
    const int frame = m_bordered ? 3 : 2;
    const QRect inner = rect().adjusted(frame, frame, -frame, -frame);
    if (inner.width() <= 0 || inner.height() <= 0)
        return;
    const int filledRight = inner.left() + FilledWidth(inner.width());
    const int block = std::max(1, inner.height() * 2 / 3);
    const QColor colour = palette().color(QPalette::Highlight);
    painter.setClipRect(pixels.Logical());
    for (int x = inner.left(); x < filledRight; x += block + kBlockGap)
        painter.fillRect(x, inner.top(), block, inner.height(), colour);
}

void CProgressCtrl::SetRange(unsigned short lower, unsigned short upper)
{
    if (ProgressWidget* bar = ProgressOf(WidgetOf(*this)))
        bar->SetRange(lower, upper);
}

void CProgressCtrl::GetRange(int& lower, int& upper) const
{
    const ProgressWidget* bar = ProgressOf(WidgetOf(*this));
    lower = bar ? bar->Lower() : 0;
    upper = bar ? bar->Upper() : 0;
}

int CProgressCtrl::SetPos(int position)
{
    ProgressWidget* bar = ProgressOf(WidgetOf(*this));
    return bar ? bar->SetPos(position) : 0;
}

int CProgressCtrl::GetPos() const
{
    const ProgressWidget* bar = ProgressOf(WidgetOf(*this));
    return bar ? bar->Pos() : 0;
}

}  // namespace fw
