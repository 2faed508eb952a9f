#include "gui/Icons_p.h"

namespace fw {

QPixmap IconPixmap(const IconResource& icon, bool large)
{
    const std::vector<const char*>& rows = large ? icon.xpm32 : icon.xpm16;
    if (rows.empty())
        return {};
    return QPixmap(rows.data());
}

QIcon IconFromResource(const IconResource& icon)
{
    QIcon result;
    for (const bool large : {true, false}) {
        const QPixmap pixmap = IconPixmap(icon, large);
        if (!pixmap.isNull())
            result.addPixmap(pixmap);
    }
    return result;
}

}  // namespace fw
