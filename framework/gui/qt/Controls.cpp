// The control wrappers' operations on their widgets.
#include "gui/Controls.h"
#include "gui/qt/QtHandles_p.h"

#include <QCheckBox>

#include "gui/qt/ControlWidgets_p.h"
#include "gui/qt/EditWidget_p.h"
#include "gui/qt/SpinWidget_p.h"

namespace fw {

namespace {

EditWidget* EditOf(const CWnd& wnd)
{
    return dynamic_cast<EditWidget*>(WidgetOf(wnd));
}

SpinWidget* SpinOf(const CWnd& wnd)
{
    return dynamic_cast<SpinWidget*>(WidgetOf(wnd));
}

}  // namespace

int CheckOf(const QWidget* button)
{
    const auto* box = qobject_cast<const QAbstractButton*>(button);
    if (!box || !box->isCheckable())
        return 0;
    if (const auto* check = qobject_cast<const QCheckBox*>(box); check && check->checkState() == Qt::PartiallyChecked)
        return 2;
    return box->isChecked() ? 1 : 0;
}

void SetCheckOf(QWidget* button, int check)
{
    if (auto* box = qobject_cast<QCheckBox*>(button)) {
        box->setCheckState(check == 2 ? Qt::PartiallyChecked : check == 1 ? Qt::Checked : Qt::Unchecked);
        // A click from the third state goes on between checked and unchecked.
        box->setTristate(false);
    } else if (auto* other = qobject_cast<QAbstractButton*>(button); other && other->isCheckable()) {
        other->setChecked(check == 1);
    }
}

void CEdit::SetReadOnly(bool readOnly)
{
    if (EditWidget* edit = EditOf(*this))
        edit->SetReadOnlyLook(readOnly);
}

void CEdit::SetSel(int start, int end)
{
    EditWidget* edit = EditOf(*this);
    if (!edit)
        return;
    const int length = static_cast<int>(edit->text().size());
    if (start < 0) {
        edit->deselect();
        return;
    }
    const int last = end < 0 || end > length ? length : end;
    const int first = std::min(start, length);
    edit->setSelection(first, last - first);
}

void CEdit::LimitText(int bytes)
{
    if (EditWidget* edit = EditOf(*this))
        edit->SetByteLimit(bytes);
}

int CButton::GetCheck() const
{
    return CheckOf(WidgetOf(*this));
}

void CButton::SetCheck(int check)
{
    SetCheckOf(WidgetOf(*this), check);
}

void CSpinButtonCtrl::SetRange32(int lower, int upper)
{
    if (SpinWidget* spin = SpinOf(*this))
        spin->SetRange(lower, upper);
}

void CSpinButtonCtrl::GetRange32(int& lower, int& upper) const
{
    const SpinWidget* spin = SpinOf(*this);
    lower = spin ? spin->Lower() : 0;
    upper = spin ? spin->Upper() : 0;
}

int CSpinButtonCtrl::SetPos32(int pos)
{
    SpinWidget* spin = SpinOf(*this);
    return spin ? spin->SetPosition(pos) : 0;
}

int CSpinButtonCtrl::GetPos32() const
{
    SpinWidget* spin = SpinOf(*this);
    return spin ? spin->Position() : 0;
}

CWnd* CSpinButtonCtrl::GetBuddy() const
{
    const SpinWidget* spin = SpinOf(*this);
    return spin ? WndOf(spin->Buddy()) : nullptr;
}

}  // namespace fw
