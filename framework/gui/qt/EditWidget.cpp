// The edit control's byte limit and notifications.
#include "gui/qt/EditWidget_p.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

#include "gui/qt/DialogState_p.h"
#include "gui/qt/SpinWidget_p.h"
#include "gui/qt/Toolkit_p.h"

namespace fw {

namespace {

// Typing and pasting go through here; the program's own texts do not.
class ByteLimitValidator : public QValidator {
public:
    explicit ByteLimitValidator(EditWidget& edit) : QValidator(&edit), m_edit(edit) {}

    State validate(QString& input, int& cursor) const override
    {
        return m_edit.FitToLimit(input, cursor) ? Acceptable : Invalid;
    }

private:
    EditWidget& m_edit;
};

qsizetype CommonPrefix(const QString& a, const QString& b)
{
    const qsizetype most = std::min(a.size(), b.size());
    qsizetype n = 0;
    while (n < most && a[n] == b[n])
        ++n;
    if (n > 0 && a[n - 1].isHighSurrogate())
        --n;
    return n;
}

qsizetype CommonSuffix(const QString& a, const QString& b, qsizetype prefix)
{
    const qsizetype most = std::min(a.size(), b.size()) - prefix;
    qsizetype n = 0;
    while (n < most && a[a.size() - 1 - n] == b[b.size() - 1 - n])
        ++n;
    if (n > 0 && b[b.size() - n].isLowSurrogate())
        --n;
    return n;
}

int CharacterBytes(const QString& text, qsizetype at, qsizetype length)
{
    return static_cast<int>(FromQString(text.mid(at, length)).size());
}

}  // namespace

int Cp932Bytes(const QString& text)
{
    return static_cast<int>(FromQString(text).size());
}

QString CutToCp932Bytes(const QString& text, int bytes)
{
    int used = 0;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype length = text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        used += CharacterBytes(text, at, length);
        if (used > bytes)
            break;
        at += length;
    }
    return text.left(at);
}

EditWidget::EditWidget(QWidget* dialog) : QLineEdit(dialog)
{
    setValidator(new ByteLimitValidator(*this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { TextChanged(text); });
}

void EditWidget::SetByteLimit(int bytes)
{
    m_byteLimit = bytes > 0 ? bytes : 0;
}

void EditWidget::SetSpin(SpinWidget* spin)
{
    m_spin = spin;
}

bool EditWidget::SetProgramText(const QString& text)
{
    if (this->text() == text)
        return false;
    m_programWrite = true;
    setText(text);
    m_programWrite = false;
    return true;
}

void EditWidget::SetReadOnlyLook(bool readOnly)
{
    setReadOnly(readOnly);
    QPalette colours = parentWidget() ? parentWidget()->palette() : palette();
    if (readOnly)
        colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    setPalette(colours);
}

bool EditWidget::FitToLimit(QString& input, int& cursor) const
{
    if (m_programWrite || m_byteLimit == 0 || Cp932Bytes(input) <= m_byteLimit)
        return true;
    const qsizetype prefix = CommonPrefix(m_accepted, input);
    const qsizetype suffix = CommonSuffix(m_accepted, input, prefix);
    const QString inserted = input.mid(prefix, input.size() - prefix - suffix);
    if (inserted.isEmpty())
        return true;   // deleting is always allowed, even past the limit
    const QString kept = input.left(prefix) + input.right(suffix);
    const QString fitting = CutToCp932Bytes(inserted, m_byteLimit - Cp932Bytes(kept));
    if (fitting.isEmpty())
        return false;
    input = input.left(prefix) + fitting + input.right(suffix);
    cursor = static_cast<int>(prefix + fitting.size());
    return true;
}

void EditWidget::TextChanged(const QString& text)
{
    m_accepted = text;
    NotifyControl(*this, EN_CHANGE);
}

void EditWidget::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        NotifyControl(*this, EN_SETFOCUS);
}

void EditWidget::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // The edit's own context menu takes the focus only for a moment.
    if (event->reason() != Qt::PopupFocusReason)
        NotifyControl(*this, EN_KILLFOCUS);
}

void EditWidget::keyPressEvent(QKeyEvent* event)
{
    const bool arrow = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (arrow && m_spin && !(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier))) {
        m_spin->Step(event->key() == Qt::Key_Up ? 1 : -1);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace fw
