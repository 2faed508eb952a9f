// The widgets that dialog templates create, and what the framework asks of
// them whatever their kind.
#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

#include "core/Resources.h"
#include "gui/DialogUnits.h"
#include "gui/Wnd.h"

namespace fw {

QWidget* CreateControl(const ControlTemplate& control, QWidget* dialog, DialogBaseUnits base);

// The wrapper GetDlgItem hands out for a control of this class.
std::unique_ptr<CWnd> MakeControlWrapper(ControlClass cls);

// Text of any window: a control's text or a top-level window's title.
ByteString WidgetText(const QWidget& widget);
// False when the widget had that text already (nothing is repainted then).
bool SetWidgetText(QWidget& widget, const ByteString& text);

// The picture of a frame static; null for other widgets.
QImage* PictureOf(QWidget* widget);

bool IsPushButton(const QWidget* widget);

// A check box's state: 0 unchecked, 1 checked, 2 indeterminate; 0 for
// other widgets. Setting it sends no notification.
int CheckOf(const QWidget* button);
void SetCheckOf(QWidget* button, int check);

// Asks the control's dialog for the control's colours (OnCtlColor).
HBRUSH AskControlColours(QWidget& control, CDC& dc, unsigned ctlColor);

}  // namespace fw
