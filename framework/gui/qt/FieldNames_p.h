// The names a screen reader gives a dialog's edit fields. The platform's
// readers take a field's name from the label before it in template order;
// our templates place row labels anywhere, so the name comes from the
// field's row as a person sees it instead.
#pragma once

#include <string>
#include <vector>

#include "core/Resources.h"

namespace fw {

// For each control of the template (same index), the name of an edit field
// in UTF-8, empty for other controls and for a field with no label on its
// row. A row is the labels and edits whose heights overlap the field's. The
// row's caption is its leftmost label before its first edit, else its
// rightmost label after its last edit ("から" ends a date); the field's unit
// is the nearest label between it and the next edit ("年"). The name is
// "caption unit", e.g. "試験日： 年", or the one of the two that exists.
std::vector<std::string> FieldNames(const DialogTemplate& dialogTemplate);

}  // namespace fw
