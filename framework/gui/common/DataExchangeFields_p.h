// What the field exchange needs of a back end's controls; each back end
// has its own DataExchangeFields.cpp.
#pragma once

#include <optional>

namespace fw {

class CWnd;

// The most bytes an edit field takes from the keyboard; other controls
// are left alone.
void LimitFieldText(CWnd& field, int limitBytes);

// A button's check state (0, 1 or 2); none for a control that is no button.
std::optional<int> FieldCheck(CWnd& field);
void SetFieldCheck(CWnd& field, int check);

}  // namespace fw
