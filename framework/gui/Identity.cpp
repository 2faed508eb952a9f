#include "gui/Identity_p.h"

#include <QGuiApplication>

#include "core/AppIdentity.h"

namespace fw {

void InstallAppIdentity()
{
    const AppIdentity& identity = TheAppIdentity();
    if (!identity.desktopId.empty())
        QGuiApplication::setDesktopFileName(QString::fromStdString(identity.desktopId));
}

}  // namespace fw
