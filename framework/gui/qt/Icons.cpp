#include "gui/qt/Icons_p.h"

namespace fw {

QPixmap IconPixmap(const IconResource& icon, bool large)
{
    const std::vector<const char*>& rows = large ? icon.xpm32 : icon.xpm16;
    if (rows.empty())
        return {};
    return QPixmap(rows.data());
}

// With a 64-pixel copy of the 32-pixel image, each pixel doubled, for
// high-DPI screens: the pixel art stays sharp where a smooth scaling by the
// window manager would blur it.
QIcon IconFromResource(const IconResource& icon)
{
    QIcon result;
    for (const bool large : {true, false}) {
        const QPixmap pixmap = IconPixmap(icon, large);
        if (!pixmap.isNull())
            result.addPixmap(pixmap);
        if (large && !pixmap.isNull())
            result.addPixmap(pixmap.scaled(pixmap.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
    return result;
}

}  // namespace fw
