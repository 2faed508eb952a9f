// Controls from their templates, and the questions asked of any control.
#include "gui/qt/ControlWidgets_p.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <charconv>

#include "gui/Controls.h"
#include "gui/ProgressCtrl.h"
#include "gui/qt/DialogState_p.h"
#include "gui/qt/Dispatch_p.h"
#include "gui/qt/EditWidget_p.h"
#include "gui/qt/Icons_p.h"
#include "gui/qt/ProgressWidget_p.h"
#include "gui/qt/SpinWidget_p.h"
#include "gui/qt/StaticWidgets_p.h"
#include "gui/qt/Toolkit_p.h"

namespace fw {

namespace {

constexpr const char* kTextProperty = "fwText";

// BS_FLAT: a plain face inside a one-pixel frame.
class FlatButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QStylePainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Button));
        FrameRect(painter, rect(), palette().color(QPalette::Shadow));
        const int shift = isDown() ? 1 : 0;
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(rect().translated(shift, shift), Qt::AlignCenter | Qt::TextShowMnemonic, text());
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect().adjusted(3, 3, -3, -3);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
};

int ResourceNumber(std::string_view text)
{
    int number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return number;
}

QWidget* CreateStatic(const ControlTemplate& control, QWidget* dialog)
{
    const std::uint32_t type = control.style & style::SS_TYPEMASK;
    if (type == style::SS_ICON) {
        const IconResource* icon = FindIcon(ResourceNumber(control.text));
        auto* widget = new IconStatic(icon ? IconPixmap(*icon, true) : QPixmap(), dialog);
        return widget;
    }
    if (type == style::SS_BLACKFRAME && !(control.style & style::SS_SUNKEN))
        return new FrameStatic(dialog);
    if (type == style::SS_BLACKFRAME || type == style::SS_ETCHEDHORZ)
        return new SunkenRule(dialog);
    auto* text = new StaticText(control.style, dialog);
    text->SetText(cp932::FromUtf8(control.text));
    return text;
}

QWidget* CreateButton(const ControlTemplate& control, QWidget* dialog)
{
    const QString text = QString::fromUtf8(control.text.data(), static_cast<qsizetype>(control.text.size()));
    const std::uint32_t type = control.style & style::BS_TYPEMASK;
    QAbstractButton* button = nullptr;
    if (type == style::BS_AUTOCHECKBOX) {
        button = new QCheckBox(text, dialog);
    } else {
        auto* push = (control.style & style::BS_FLAT) ? new FlatButton(text, dialog) : new QPushButton(text, dialog);
        push->setAutoDefault(false);
        push->setDefault(type == style::BS_DEFPUSHBUTTON);
        button = push;
    }
    QObject::connect(button, &QAbstractButton::clicked, button, [button] { NotifyCommand(*button); });
    return button;
}

QWidget* CreateEdit(const ControlTemplate& control, QWidget* dialog)
{
    auto* edit = new EditWidget(dialog);
    edit->setFrame((control.style & style::WS_BORDER) != 0);
    // The platform's edits keep one pixel between border and text, Qt's
    // three; without this a four-digit year does not fit beside its spin.
    edit->setTextMargins(-2, 0, -2, 0);
    edit->SetReadOnlyLook((control.style & style::ES_READONLY) != 0);
    const std::uint32_t align = control.style & (style::ES_CENTER | style::ES_RIGHT);
    edit->setAlignment((align == style::ES_CENTER  ? Qt::AlignHCenter
                        : align == style::ES_RIGHT ? Qt::AlignRight
                                                   : Qt::AlignLeft)
                       | Qt::AlignVCenter);
    // Every edit scrolls sideways, ES_AUTOHSCROLL or not: refusing a key
    // by pixel width would depend on fonts that differ from the platform's.
    edit->SetProgramText(QString::fromUtf8(control.text.data(), static_cast<qsizetype>(control.text.size())));
    return edit;
}

// The control made just before the one being made now, in template order.
QWidget* PreviousControl(QWidget* dialog)
{
    const QObjectList& children = dialog->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* widget = qobject_cast<QWidget*>(*it);
        if (widget && widget->property("fwControlId").isValid())
            return widget;
    }
    return nullptr;
}

QWidget* CreateUpDown(const ControlTemplate& control, QWidget* dialog, DialogBaseUnits base)
{
    auto* buddy = dynamic_cast<EditWidget*>(PreviousControl(dialog));
    auto* spin = new SpinWidget(dialog);
    spin->setGeometry(ToQRect(DialogUnitsToPixels(control.x, control.y, control.cx, control.cy, base)));
    spin->AttachBuddy(buddy);
    return spin;
}

QWidget* CreateByClass(const ControlTemplate& control, QWidget* dialog, DialogBaseUnits base)
{
    switch (control.cls) {
    case ControlClass::Static:
        return CreateStatic(control, dialog);
    case ControlClass::Button:
        return CreateButton(control, dialog);
    case ControlClass::Edit:
        return CreateEdit(control, dialog);
    case ControlClass::Progress:
        return new ProgressWidget((control.style & style::WS_BORDER) != 0, dialog);
    case ControlClass::UpDown:
        return CreateUpDown(control, dialog, base);
    }
    return new QWidget(dialog);
}

void ApplyFocusPolicy(QWidget& widget, const ControlTemplate& control)
{
    if (widget.focusPolicy() == Qt::NoFocus)
        return;
    // Only tab stops take Tab; a click still gives the focus, as on the platform.
    widget.setFocusPolicy((control.style & style::WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace

QWidget* CreateControl(const ControlTemplate& control, QWidget* dialog, DialogBaseUnits base)
{
    QWidget* widget = CreateByClass(control, dialog, base);
    // A spin button took its place beside its buddy already.
    if (control.cls != ControlClass::UpDown)
        widget->setGeometry(ToQRect(DialogUnitsToPixels(control.x, control.y, control.cx, control.cy, base)));
    if (auto* icon = dynamic_cast<IconStatic*>(widget))
        icon->resize(32, 32);
    widget->setProperty("fwControlId", control.id);
    ApplyFocusPolicy(*widget, control);
    if (control.cls != ControlClass::Static && control.cls != ControlClass::Button
        && control.cls != ControlClass::Edit)
        widget->setProperty(kTextProperty, QByteArray::fromStdString(cp932::FromUtf8(control.text)));
    return widget;
}

std::unique_ptr<CWnd> MakeControlWrapper(ControlClass cls)
{
    switch (cls) {
    case ControlClass::Progress:
        return std::make_unique<CProgressCtrl>();
    case ControlClass::Edit:
        return std::make_unique<CEdit>();
    case ControlClass::Button:
        return std::make_unique<CButton>();
    case ControlClass::UpDown:
        return std::make_unique<CSpinButtonCtrl>();
    case ControlClass::Static:
        break;
    }
    return std::make_unique<CWnd>();
}

ByteString WidgetText(const QWidget& widget)
{
    if (const auto* text = dynamic_cast<const StaticText*>(&widget))
        return text->Text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return FromQString(button->text());
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget))
        return FromQString(edit->text());
    return widget.property(kTextProperty).toByteArray().toStdString();
}

bool SetWidgetText(QWidget& widget, const ByteString& text)
{
    if (auto* label = dynamic_cast<StaticText*>(&widget))
        return label->SetText(text);
    const QString shown = ToQString(text);
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        if (button->text() == shown)
            return false;
        button->setText(shown);
        return true;
    }
    if (auto* edit = dynamic_cast<EditWidget*>(&widget))
        return edit->SetProgramText(shown);
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        if (edit->text() == shown)
            return false;
        edit->setText(shown);
        return true;
    }
    const QByteArray bytes = QByteArray::fromStdString(text);
    if (widget.property(kTextProperty).toByteArray() == bytes && !widget.property(kTextProperty).isNull())
        return false;
    widget.setProperty(kTextProperty, bytes);
    if (widget.isWindow())
        widget.setWindowTitle(shown);
    return true;
}

QImage* PictureOf(QWidget* widget)
{
    auto* frame = dynamic_cast<FrameStatic*>(widget);
    return frame ? &frame->Picture() : nullptr;
}

bool IsPushButton(const QWidget* widget)
{
    return qobject_cast<const QPushButton*>(widget) != nullptr;
}

HBRUSH AskControlColours(QWidget& control, CDC& dc, unsigned ctlColor)
{
    CWnd* dialog = WndOf(control.window());
    if (!dialog)
        return {};
    return dispatch::CtlColor(*dialog, &dc, WndOf(&control), ctlColor);
}

}  // namespace fw
