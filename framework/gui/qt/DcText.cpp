// DrawText: one line placed and clipped the way the platform does it, with
// the line's height taken as the font's ascent + descent.
#include "gui/Dc.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "gui/qt/Fonts_p.h"
#include "gui/qt/Toolkit_p.h"

namespace fw {

namespace {

// "&x" shows as "x" and "&&" as "&": the platform's mnemonic marks.
QString WithoutPrefixMarks(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        else if (text[i] == u'&')
            continue;
        shown += text[i];
    }
    return shown;
}

int LineLeft(const CRect& rect, int width, unsigned format)
{
    if (format & DT_CENTER)
        return rect.left + (rect.Width() - width) / 2;
    if (format & DT_RIGHT)
        return rect.right - width;
    return rect.left;
}

int LineTop(const CRect& rect, int height, unsigned format)
{
    if (format & DT_VCENTER)
        return rect.top + (rect.Height() - height) / 2;
    if (format & DT_BOTTOM)
        return rect.bottom - height;
    return rect.top;
}

Qt::Alignment QtAlignment(unsigned format)
{
    Qt::Alignment align = (format & DT_CENTER) ? Qt::AlignHCenter : (format & DT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
    align |= (format & DT_VCENTER) ? Qt::AlignVCenter : (format & DT_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop;
    return align;
}

// Whether the font's bold is made by thickening a regular face (the
// Japanese fonts have no bold face).
bool ThickenedBold(const QFont& font)
{
    if (font.weight() < QFont::DemiBold)
        return false;
    const QString family = QFontInfo(font).family();
    const QStringList styles = QFontDatabase::styles(family);
    return std::none_of(styles.begin(), styles.end(), [&family](const QString& style) {
        return QFontDatabase::weight(family, style) >= QFont::DemiBold;
    });
}

// Extra strikes of a thickened bold, one image pixel apart: its thickening
// is one image pixel, which on a high-DPI image would leave the text
// lighter than the logical pixel it gains on a plain screen.
int ExtraBoldStrikes(const QFont& font, qreal ratio)
{
    const int strikes = static_cast<int>(std::lround(ratio)) - 1;
    return strikes > 0 && ThickenedBold(font) ? strikes : 0;
}

// What a text operation needs from its context.
struct TextJob {
    QImage* surface;
    QFont font;
    QColor textColor;
    QColor bkColor;
    bool opaque;
    unsigned format;
};

int DrawWrapped(const TextJob& job, const QString& text, CRect* rect)
{
    int flags = static_cast<int>(QtAlignment(job.format));
    flags |= (job.format & DT_WORDBREAK) ? Qt::TextWordWrap : 0;
    flags |= (job.format & DT_NOPREFIX) ? 0 : Qt::TextShowMnemonic;
    const QRect area = ToQRect(*rect);
    const QRect bounds = QFontMetrics(job.font).boundingRect(area, flags, text);
    if (job.format & DT_CALCRECT) {
        rect->right = rect->left + bounds.width();
        rect->bottom = rect->top + bounds.height();
        return bounds.height();
    }
    if (job.surface) {
        QPainter painter(job.surface);
        if (!(job.format & DT_NOCLIP))
            painter.setClipRect(area);
        painter.setFont(job.font);
        painter.setPen(job.textColor);
        painter.drawText(area, flags, text);
    }
    return bounds.height();
}

int DrawSingleLine(const TextJob& job, QString text, CRect* rect)
{
    if (!(job.format & DT_NOPREFIX))
        text = WithoutPrefixMarks(text);
    const QFontMetrics metrics(job.font);
    const int width = metrics.horizontalAdvance(text);
    const int height = metrics.ascent() + metrics.descent();
    if (job.format & DT_CALCRECT) {
        rect->right = rect->left + width;
        rect->bottom = rect->top + height;
        return height;
    }
    const int x = LineLeft(*rect, width, job.format);
    const int y = LineTop(*rect, height, job.format);
    if (job.surface) {
        QPainter painter(job.surface);
        if (!(job.format & DT_NOCLIP))
            painter.setClipRect(ToQRect(*rect));
        if (job.opaque)
            painter.fillRect(QRect(x, y, width, height), job.bkColor);
        painter.setFont(job.font);
        painter.setPen(job.textColor);
        const qreal ratio = job.surface->devicePixelRatio();
        const int strikes = ExtraBoldStrikes(job.font, ratio);
        for (int strike = 0; strike <= strikes; ++strike)
            painter.drawText(QPointF(x + strike / ratio, y + metrics.ascent()), text);
    }
    return (job.format & (DT_VCENTER | DT_BOTTOM)) ? y - rect->top + height : height;
}

}  // namespace

int CDC::DrawText(const ByteString& text, CRect* rect, unsigned format)
{
    return DrawText(text.data(), static_cast<int>(text.size()), rect, format);
}

int CDC::DrawText(const char* text, int count, CRect* rect, unsigned format)
{
    if (!rect || !text)
        return 0;
    const ByteString bytes = count < 0 ? ByteString(text) : ByteString(text, static_cast<std::size_t>(count));
    const TextJob job{ImageOfHandle(m_surface),
                      FontFromLogFont(m_font->IsCreated() ? m_font->GetLogFont() : m_stockFont.GetLogFont()),
                      ToQColor(m_textColor),
                      ToQColor(m_bkColor),
                      m_bkMode == OPAQUE,
                      format};
    const QString shown = ToQString(bytes);
    return (format & DT_SINGLELINE) ? DrawSingleLine(job, shown, rect) : DrawWrapped(job, shown, rect);
}

}  // namespace fw
