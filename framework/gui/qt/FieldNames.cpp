#include "gui/qt/FieldNames_p.h"

#include <algorithm>

namespace fw {

namespace {

bool IsLabel(const ControlTemplate& c)
{
    const std::uint32_t type = c.style & style::SS_TYPEMASK;
    return c.cls == ControlClass::Static && !c.text.empty() && type != style::SS_ICON && type != style::SS_BLACKFRAME
           && type != style::SS_ETCHEDHORZ;
}

bool SameRow(const ControlTemplate& a, const ControlTemplate& b)
{
    return a.y < b.y + b.cy && b.y < a.y + a.cy;
}

int Right(const ControlTemplate& c)
{
    return c.x + c.cx;
}

struct Row {
    std::vector<const ControlTemplate*> labels;
    int firstEdit;   // left edge of the row's first edit
    int lastEdit;    // right edge of its last edit
};

Row RowOf(const ControlTemplate& field, const std::vector<ControlTemplate>& controls)
{
    Row row{{}, field.x, Right(field)};
    for (const ControlTemplate& c : controls) {
        if (!SameRow(c, field))
            continue;
        if (IsLabel(c))
            row.labels.push_back(&c);
        else if (c.cls == ControlClass::Edit) {
            row.firstEdit = std::min(row.firstEdit, c.x);
            row.lastEdit = std::max(row.lastEdit, Right(c));
        }
    }
    return row;
}

const ControlTemplate* Caption(const Row& row)
{
    const ControlTemplate* leading = nullptr;
    const ControlTemplate* trailing = nullptr;
    for (const ControlTemplate* label : row.labels) {
        if (Right(*label) <= row.firstEdit && (!leading || label->x < leading->x))
            leading = label;
        if (label->x >= row.lastEdit && (!trailing || label->x > trailing->x))
            trailing = label;
    }
    return leading ? leading : trailing;
}

// The left edge of the nearest edit on the row right of `field`.
int NextEdit(const ControlTemplate& field, const std::vector<ControlTemplate>& controls)
{
    int next = Right(field) + 0x10000;
    for (const ControlTemplate& c : controls) {
        if (c.cls == ControlClass::Edit && SameRow(c, field) && c.x >= Right(field))
            next = std::min(next, c.x);
    }
    return next;
}

const ControlTemplate* Unit(const ControlTemplate& field, const Row& row, int nextEdit)
{
    const ControlTemplate* unit = nullptr;
    for (const ControlTemplate* label : row.labels) {
        if (label->x >= Right(field) && label->x < nextEdit && (!unit || label->x < unit->x))
            unit = label;
    }
    return unit;
}

std::string NameOf(const ControlTemplate& field, const std::vector<ControlTemplate>& controls)
{
    const Row row = RowOf(field, controls);
    const ControlTemplate* caption = Caption(row);
    const ControlTemplate* unit = Unit(field, row, NextEdit(field, controls));
    std::string name = caption ? std::string(caption->text) : std::string();
    if (unit && unit != caption)
        name += (name.empty() ? "" : " ") + std::string(unit->text);
    return name;
}

}  // namespace

std::vector<std::string> FieldNames(const DialogTemplate& dialogTemplate)
{
    std::vector<std::string> names;
    names.reserve(dialogTemplate.controls.size());
    for (const ControlTemplate& c : dialogTemplate.controls)
        names.push_back(c.cls == ControlClass::Edit ? NameOf(c, dialogTemplate.controls) : std::string());
    return names;
}

}  // namespace fw
