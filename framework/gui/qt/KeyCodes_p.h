// Qt's keys and mouse states in the platform's terms.
#pragma once

#include <QKeyEvent>
#include <QMouseEvent>

#include "gui/WindowConstants.h"

namespace fw {

unsigned VirtualKeyOf(int qtKey);
KeyMessage ToKeyMessage(const QKeyEvent& key);
unsigned MouseFlags(const QMouseEvent& event);

}  // namespace fw
