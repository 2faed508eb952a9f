// The field exchange's control access on Qt's widgets.
#include "gui/common/BackEnd_p.h"
#include "gui/qt/QtHandles_p.h"

#include "gui/qt/ControlWidgets_p.h"
#include "gui/qt/EditWidget_p.h"

namespace fw {

void LimitFieldText(CWnd& field, int limitBytes)
{
    if (auto* edit = dynamic_cast<EditWidget*>(WidgetOf(field)))
        edit->SetByteLimit(limitBytes);
}

std::optional<int> FieldCheck(CWnd& field)
{
    if (!WidgetOf(field))
        return std::nullopt;
    return CheckOf(WidgetOf(field));
}

void SetFieldCheck(CWnd& field, int check)
{
    if (QWidget* widget = WidgetOf(field))
        SetCheckOf(widget, check);
}

}  // namespace fw
