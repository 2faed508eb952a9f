// Icons of the program's resources (XPM rows) as Qt icons.
#pragma once

#include <QIcon>
#include <QPixmap>

#include "core/Resources.h"

namespace fw {

QPixmap IconPixmap(const IconResource& icon, bool large);
QIcon IconFromResource(const IconResource& icon);

}  // namespace fw
