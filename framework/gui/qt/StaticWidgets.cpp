#include "gui/qt/StaticWidgets_p.h"

#include <QPainter>

#include "core/Resources.h"
#include "gui/WindowConstants.h"
#include "gui/qt/Accessibility_p.h"
#include "gui/qt/ControlWidgets_p.h"
#include "gui/qt/DevicePixels_p.h"
#include "gui/qt/Toolkit_p.h"

namespace fw {

namespace {

void MakeStaticLike(QWidget& widget)
{
    // Statics let the mouse through to the dialog, as they do without SS_NOTIFY.
    widget.setAttribute(Qt::WA_TransparentForMouseEvents);
    widget.setAttribute(Qt::WA_OpaquePaintEvent);
    widget.setFocusPolicy(Qt::NoFocus);
}

QColor DialogBackground(const QWidget& widget)
{
    return widget.palette().color(QPalette::Window);
}

}  // namespace

StaticText::StaticText(std::uint32_t style, QWidget* parent) : QWidget(parent), m_style(style)
{
    MakeStaticLike(*this);
}

bool StaticText::SetText(const ByteString& text)
{
    if (text == m_text)
        return false;
    m_text = text;
    update();
    AnnounceNameChange(this);
    return true;
}

int StaticText::TextFlags() const
{
    const std::uint32_t type = m_style & style::SS_TYPEMASK;
    int flags = Qt::TextShowMnemonic;
    flags |= type == style::SS_CENTER ? Qt::AlignHCenter : type == style::SS_RIGHT ? Qt::AlignRight : Qt::AlignLeft;
    if (m_style & style::SS_CENTERIMAGE)
        flags |= Qt::AlignVCenter | Qt::TextSingleLine;
    else
        flags |= Qt::AlignTop | Qt::TextWordWrap;
    return flags;
}

void StaticText::paintEvent(QPaintEvent* /*event*/)
{
    CDC dc;
    const HBRUSH brush = AskControlColours(*this, dc, CTLCOLOR_STATIC);
    QPainter painter(this);
    painter.fillRect(rect(), brush ? ToQColor(brush.color) : DialogBackground(*this));
    painter.setPen(ToQColor(dc.GetTextColor()));
    painter.setFont(font());
    painter.drawText(rect(), TextFlags(), ToQString(m_text));
}

FrameStatic::FrameStatic(QWidget* parent) : QWidget(parent)
{
    MakeStaticLike(*this);
}

// At the screen's device pixel ratio, so that the picture shows pixel for
// pixel, neither blurred nor blocky text.
QImage& FrameStatic::Picture()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_picture.size() != pixels || m_picture.devicePixelRatio() != ratio) {
        QImage resized(pixels, QImage::Format_RGB32);
        resized.setDevicePixelRatio(ratio);
        resized.fill(DialogBackground(*this));
        if (!m_picture.isNull()) {
            QPainter painter(&resized);
            painter.drawImage(QPointF(0, 0), m_picture);
        }
        m_picture = std::move(resized);
    }
    return m_picture;
}

void FrameStatic::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), Picture());
    FrameRect(painter, rect(), QColor(0, 0, 0));
}

SunkenRule::SunkenRule(QWidget* parent) : QWidget(parent)
{
    MakeStaticLike(*this);
}

void SunkenRule::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), DialogBackground(*this));
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    const DeviceRect pixels(painter, rect());
    const int w = pixels.Width();
    const int h = pixels.Height();
    const int line = pixels.Line();
    pixels.Fill(0, 0, w, line, shadow);
    pixels.Fill(0, 0, line, h, shadow);
    pixels.Fill(0, h - line, w, h, h > line ? light : shadow);
    pixels.Fill(w - line, line, w, h, light);
}

IconStatic::IconStatic(const QPixmap& icon, QWidget* parent) : QWidget(parent), m_icon(icon)
{
    MakeStaticLike(*this);
}

void IconStatic::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), DialogBackground(*this));
    painter.drawPixmap(0, 0, m_icon);
}

}  // namespace fw
