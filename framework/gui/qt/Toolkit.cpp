// Text conversion at the widget boundary.
#include "gui/qt/Toolkit_p.h"

#include <QGuiApplication>

#include "gui/qt/DevicePixels_p.h"

namespace fw {

QString ToQString(const ByteString& text)
{
    const std::string utf8 = cp932::ToUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

ByteString FromQString(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return cp932::FromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

void FrameRect(QPainter& painter, const QRect& rect, const QColor& colour)
{
    DeviceRect(painter, rect).Frame(colour);
}

void RaiseWindow(QWidget& window)
{
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window.raise();
}

}  // namespace fw
