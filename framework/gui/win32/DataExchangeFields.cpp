// The field exchange's control access on the platform's controls.
#include "gui/common/BackEnd_p.h"

#include "gui/Controls.h"

namespace fw {

void LimitFieldText(CWnd& field, int limitBytes)
{
    if (auto* edit = dynamic_cast<CEdit*>(&field))
        edit->LimitText(limitBytes);
}

std::optional<int> FieldCheck(CWnd& field)
{
    auto* box = dynamic_cast<CButton*>(&field);
    if (!box)
        return std::nullopt;
    return box->GetCheck();
}

void SetFieldCheck(CWnd& field, int check)
{
    if (auto* box = dynamic_cast<CButton*>(&field))
        box->SetCheck(check);
}

}  // namespace fw
