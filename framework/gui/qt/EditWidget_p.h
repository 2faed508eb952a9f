// The edit control: a line edit whose text is CP932 at the API, whose input
// limit counts CP932 bytes, and which tells its dialog when it loses the
// focus or its text changes.
#pragma once

#include <QLineEdit>
#include <QPointer>

#include "core/Text.h"

namespace fw {

class SpinWidget;

class EditWidget : public QLineEdit {
public:
    explicit EditWidget(QWidget* dialog);

    // The most the user may type or paste, in bytes; 0: no limit. Texts the
    // program sets are never cut.
    void SetByteLimit(int bytes);
    int ByteLimit() const { return m_byteLimit; }
    // Sets the text as the program does: past the limit, EN_CHANGE when it
    // changes. False when the edit shows that text already.
    bool SetProgramText(const QString& text);
    // Read-only edits take the dialog's background, as the platform draws them.
    void SetReadOnlyLook(bool readOnly);

    // The spin button whose buddy this edit is: Up and Down step it.
    void SetSpin(SpinWidget* spin);

    // Cuts what the user's change `input` inserts so that the text fits the
    // limit; false when a non-empty insertion has no room at all.
    bool FitToLimit(QString& input, int& cursor) const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void TextChanged(const QString& text);

    int m_byteLimit = 0;
    bool m_programWrite = false;
    QString m_accepted;   // the text before the change being validated
    QPointer<SpinWidget> m_spin;
};

// CP932 bytes of `text` (a character CP932 cannot hold counts one, as the "?" it becomes).
int Cp932Bytes(const QString& text);
// The longest prefix of `text` of at most `bytes` CP932 bytes, whole characters.
QString CutToCp932Bytes(const QString& text, int bytes);

}  // namespace fw
