// CDialog on Qt: the window from its template, its controls and the modal run.
#include "gui/Dialog.h"

#include <QEventLoop>
#include <QLineEdit>
#include <QWidget>

#include "core/DialogPlacement.h"
#include "gui/App.h"
#include "gui/common/ModalRuns_p.h"
#include "gui/qt/Accessibility_p.h"
#include "gui/qt/ControlWidgets_p.h"
#include "gui/qt/DialogState_p.h"
#include "gui/qt/DialogWindow_p.h"
#include "gui/qt/Dispatch_p.h"
#include "gui/qt/FieldNames_p.h"
#include "gui/qt/Fonts_p.h"
#include "gui/qt/Toolkit_p.h"

namespace fw {

namespace {

Qt::WindowFlags WindowFlagsFor(std::uint32_t windowStyle)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (windowStyle & style::WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (windowStyle & style::WS_MINIMIZEBOX)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

ControlRecord* FindControl(const CDialog& dialog, int id)
{
    DialogState* state = DialogAccess::State(dialog);
    if (!state)
        return nullptr;
    for (ControlRecord& record : state->controls) {
        if (record.id == id)
            return &record;
    }
    return nullptr;
}

void ChainTabOrder(const std::vector<ControlRecord>& controls)
{
    QWidget* previous = nullptr;
    for (const ControlRecord& record : controls) {
        if (record.widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, record.widget);
        previous = record.widget;
    }
}

QWidget* FirstTabStop(const std::vector<ControlRecord>& controls)
{
    for (const ControlRecord& record : controls) {
        if ((record.widget->focusPolicy() & Qt::TabFocus) && record.widget->isEnabled())
            return record.widget;
    }
    return nullptr;
}

}  // namespace

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (!pDX || !pDX->m_pDlgWnd || WidgetOf(control))
        return;
    ControlRecord* record = FindControl(*pDX->m_pDlgWnd, id);
    if (!record || record->bound)
        return;
    control.Attach(HandleOfWidget(record->widget));
    record->bound = &control;
}

void DialogAccess::EndRun(CDialog& dialog, int result)
{
    DialogState* state = dialog.m_state.get();
    if (!state || state->ended)
        return;
    state->result = result;
    state->ended = true;
    if (state->loop)
        state->loop->exit();
}

namespace {

// The dialog that a control's notifications may reach now, or null.
CDialog* ListeningDialog(const QWidget& control)
{
    auto* dialog = dynamic_cast<CDialog*>(WndOf(control.window()));
    if (!dialog || dialog->NotificationsHeld())
        return nullptr;
    // A dialog on its way out hears nothing: hiding its window moves the
    // focus, and a field's handler must not run for a closing dialog.
    const DialogState* state = DialogAccess::State(*dialog);
    return state && !state->ended ? dialog : nullptr;
}

unsigned ControlId(const QWidget& control)
{
    return static_cast<unsigned>(control.property("fwControlId").toInt());
}

}  // namespace

void NotifyCommand(QWidget& control)
{
    if (CDialog* dialog = ListeningDialog(control))
        dialog->OnCommand(ControlId(control));
}

void NotifyControl(QWidget& control, unsigned code)
{
    if (CDialog* dialog = ListeningDialog(control))
        dialog->DispatchCommand(ControlId(control), code);
}

CDialog::CDialog(int templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog()
{
    if (m_state)
        DestroyWindowAfterRun(false);
}

CWnd* CDialog::ResolveOwner() const
{
    if (m_parent && WidgetOf(m_parent))
        return m_parent;
    CDialog* running = InnermostModalDialog();
    if (running && running != this)
        return running;
    CWnd* main = AfxGetMainWnd();
    return main && main != this && WidgetOf(main) ? main : nullptr;
}

void CDialog::CreateWindowFromTemplate(const DialogTemplate& dialogTemplate, CWnd* owner)
{
    m_state = std::make_unique<DialogState>();
    m_state->dialogTemplate = &dialogTemplate;
    m_state->owner = owner;
    QWidget* ownerWidget = owner ? WidgetOf(owner) : nullptr;
    auto* window = new DialogWindow(*this, ownerWidget);
    m_state->window = window;
    window->setWindowFlags(WindowFlagsFor(dialogTemplate.style));
    if (ownerWidget)
        window->setWindowModality(Qt::WindowModal);
    window->setFont(DialogFont(cp932::FromUtf8(dialogTemplate.fontFace), dialogTemplate.fontPointSize));

    const DialogBaseUnits base = BaseUnitsForPointSize(dialogTemplate.fontPointSize);
    const CRect area = DialogUnitsToPixels(dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx, dialogTemplate.cy, base);
    window->setFixedSize(area.Width(), area.Height());
    // Template coordinates count from the owner's client area, or the screen.
    const QPoint origin = ownerWidget ? ownerWidget->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0);
    window->move(origin + QPoint(area.left, area.top));

    Attach(HandleOfWidget(window));
    SetWindowText(cp932::FromUtf8(dialogTemplate.caption));
    // The native window is made only when the window is shown: a position
    // set before then counts as the frame's, as the platform's does.
    CreateControls(dialogTemplate, base);
}

void CDialog::CreateControls(const DialogTemplate& dialogTemplate, DialogBaseUnits base)
{
    DialogState& state = *m_state;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        ControlRecord record{control.id, CreateControl(control, state.window, base), MakeControlWrapper(control.cls)};
        record.ownWrapper->Attach(HandleOfWidget(record.widget));
        const bool defaultButton = control.cls == ControlClass::Button
                                   && (control.style & style::BS_TYPEMASK) == style::BS_DEFPUSHBUTTON;
        if (defaultButton && state.defaultCommand == IDOK)
            state.defaultCommand = static_cast<unsigned>(control.id);
        state.controls.push_back(std::move(record));
    }
    ChainTabOrder(state.controls);
    NameFields(state.controls, FieldNames(dialogTemplate));
}

void CDialog::InitialiseAndShow()
{
    DialogState& state = *m_state;
    QWidget* window = state.window;
    const QPoint before = window->pos();
    const bool focusFirstTabStop = OnInitDialog();
    if (state.ended)
        return;
    if (!(state.dialogTemplate->style & style::WS_VISIBLE) && window->pos() == before) {
        CRect self;
        GetWindowRect(&self);
        CRect reference;
        const bool hasReference = state.owner && state.owner->IsWindowVisible() && !state.owner->IsIconic();
        if (hasReference)
            state.owner->GetWindowRect(&reference);
        const CPoint place = CentredPosition(self, hasReference ? &reference : nullptr, GetWorkArea());
        SetWindowPos(nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    window->show();
    state.window->RouteKeys();
    RaiseWindow(*window);
    window->activateWindow();
    if (QWidget* first = focusFirstTabStop ? FirstTabStop(state.controls) : nullptr)
        first->setFocus(Qt::TabFocusReason);
}

int CDialog::RunLoop()
{
    DialogState& state = *m_state;
    if (QuitPending() || SessionEnding())
        DialogAccess::EndRun(*this, -1);
    if (!state.ended) {
        QEventLoop loop;
        state.loop = &loop;
        loop.exec(QEventLoop::DialogExec);
        state.loop = nullptr;
    }
    return state.result;
}

void CDialog::DestroyWindowAfterRun(bool callOnDestroy)
{
    DialogState& state = *m_state;
    state.ended = true;
    state.window->hide();
    if (callOnDestroy)
        dispatch::Destroy(*this);
    for (ControlRecord& record : state.controls) {
        if (record.bound)
            record.bound->Detach();
        record.ownWrapper->Detach();
    }
    delete WidgetOfHandle(Detach());
    m_state.reset();
}

int CDialog::DoModal()
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(m_templateId);
    if (!dialogTemplate || m_state)
        return -1;
    EnsureToolkit();
    CWnd* owner = ResolveOwner();
    CreateWindowFromTemplate(*dialogTemplate, owner);
    const bool ownerWasEnabled = owner && owner->IsWindowEnabled();
    if (owner)
        owner->EnableWindow(false);
    PushModalRun(*this);
    InitialiseAndShow();
    const int result = RunLoop();
    const bool endingSession = SessionEnding();
    PopModalRun(*this);
    if (ownerWasEnabled) {
        owner->EnableWindow(true);
        WidgetOf(owner)->activateWindow();
    }
    DestroyWindowAfterRun(!endingSession);
    return result;
}

void CDialog::EndDialog(int result)
{
    DialogAccess::EndRun(*this, result);
}

void CDialog::FocusRefusedField(int id)
{
    CWnd* refused = GetDlgItem(id);
    if (!refused || !WidgetOf(refused))
        return;
    refused->SetFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(WidgetOf(refused)))
        edit->selectAll();
}

CWnd* CDialog::GetDlgItem(int id) const
{
    const ControlRecord* record = FindControl(*this, id);
    if (!record)
        return nullptr;
    return record->bound ? record->bound : record->ownWrapper.get();
}

}  // namespace fw
