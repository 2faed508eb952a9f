// Accessible interfaces of the framework's own widgets, and the factory that
// hands them to Qt's accessibility bridge.
#include <QAccessible>
#include <QAccessibleWidget>

#include <algorithm>
#include <cstdint>

#include "gui/qt/Accessibility_p.h"
#include "gui/qt/DialogState_p.h"
#include "gui/qt/DialogWindow_p.h"
#include "gui/qt/EditWidget_p.h"
#include "gui/qt/ProgressWidget_p.h"
#include "gui/qt/SpinWidget_p.h"
#include "gui/qt/StaticWidgets_p.h"
#include "gui/qt/Toolkit_p.h"

namespace fw {

namespace {

constexpr const char* kReadsAsText = "fwReadsAsText";

// "&x" reads as "x" and "&&" as "&", as the label shows them.
QString WithoutMnemonics(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && ++i >= text.size())
            break;
        shown += text[i];
    }
    return shown;
}

class StaticTextAccessible : public QAccessibleWidget {
public:
    explicit StaticTextAccessible(StaticText* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return WithoutMnemonics(ToQString(static_cast<const StaticText*>(widget())->Text()));
        return QAccessibleWidget::text(t);
    }
};

// A frame the window draws into: a picture, or text when the window says so.
class FrameAccessible : public QAccessibleWidget {
public:
    explicit FrameAccessible(FrameStatic* frame) : QAccessibleWidget(frame, QAccessible::Graphic) {}

    QAccessible::Role role() const override
    {
        return ReadsAsText(*widget()) ? QAccessible::StaticText : QAccessible::Graphic;
    }
};

class ProgressAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ProgressAccessible(ProgressWidget* bar) : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The value in words, as the bar shows it: the share filled.
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Value)
            return QAccessibleWidget::text(t);
        const std::int64_t span = static_cast<std::int64_t>(Bar().Upper()) - Bar().Lower();
        const std::int64_t done = static_cast<std::int64_t>(Bar().Pos()) - Bar().Lower();
        return QString::number(span == 0 ? 0 : done * 100 / span) + u'%';
    }

    QVariant currentValue() const override { return Bar().Pos(); }
    void setCurrentValue(const QVariant& /*value: the program alone moves the bar*/) override {}
    QVariant maximumValue() const override { return std::max(Bar().Lower(), Bar().Upper()); }
    QVariant minimumValue() const override { return std::min(Bar().Lower(), Bar().Upper()); }
    QVariant minimumStepSize() const override { return 1; }

private:
    const ProgressWidget& Bar() const { return static_cast<const ProgressWidget&>(*widget()); }
};

// The arrows of a spin button read as one spin box named like its buddy
// field, with the buddy's number as its value and a step up and down as
// its actions (in place of a widget's own); the two arrow buttons inside
// are not shown separately.
class SpinAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SpinAccessible(SpinWidget* spin) : QAccessibleWidget(spin, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty() && Spin().Buddy())
            return Spin().Buddy()->accessibleName();
        if (t == QAccessible::Value)
            return QString::number(Spin().Position());
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }

    QVariant currentValue() const override { return Spin().Position(); }
    void setCurrentValue(const QVariant& /*value: typed into the buddy field instead*/) override {}
    QVariant maximumValue() const override { return std::max(Spin().Lower(), Spin().Upper()); }
    QVariant minimumValue() const override { return std::min(Spin().Lower(), Spin().Upper()); }
    QVariant minimumStepSize() const override { return 1; }

    QStringList actionNames() const override { return {increaseAction(), decreaseAction()}; }
    void doAction(const QString& name) override
    {
        if (name == increaseAction())
            Spin().Step(1);
        else if (name == decreaseAction())
            Spin().Step(-1);
    }
    QStringList keyBindingsForAction(const QString& /*name*/) const override { return {}; }

private:
    SpinWidget& Spin() const { return static_cast<SpinWidget&>(*widget()); }
};

QAccessibleInterface* MakeInterface(QWidget* widget)
{
    if (auto* label = dynamic_cast<StaticText*>(widget))
        return new StaticTextAccessible(label);
    if (auto* frame = dynamic_cast<FrameStatic*>(widget))
        return new FrameAccessible(frame);
    if (auto* bar = dynamic_cast<ProgressWidget*>(widget))
        return new ProgressAccessible(bar);
    if (auto* spin = dynamic_cast<SpinWidget*>(widget))
        return new SpinAccessible(spin);
    if (dynamic_cast<SunkenRule*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Separator);
    if (dynamic_cast<IconStatic*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    // Its name is the caption, which Qt reads by itself.
    if (dynamic_cast<DialogWindow*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    return nullptr;
}

QAccessibleInterface* Factory(const QString& /*className*/, QObject* object)
{
    return object->isWidgetType() ? MakeInterface(static_cast<QWidget*>(object)) : nullptr;
}

}  // namespace

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void NameFields(const std::vector<ControlRecord>& controls, const std::vector<std::string>& names)
{
    for (std::size_t i = 0; i < controls.size() && i < names.size(); ++i) {
        if (!names[i].empty())
            controls[i].widget->setAccessibleName(QString::fromStdString(names[i]));
    }
}

void AnnounceNameChange(QObject* object)
{
    QAccessibleEvent event(object, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void AnnounceValueChange(QObject* object, int value)
{
    QAccessibleValueChangeEvent event(object, value);
    QAccessible::updateAccessibility(&event);
}

void MarkReadsAsText(QWidget& widget)
{
    widget.setProperty(kReadsAsText, true);
}

bool ReadsAsText(const QWidget& widget)
{
    return widget.property(kReadsAsText).toBool();
}

}  // namespace fw
