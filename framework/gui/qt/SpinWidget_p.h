// The spin button (up-down control) with the styles both dialogs use: it
// takes the edit before it as its buddy, sits at the buddy's right edge,
// answers the buddy's Up and Down keys, writes its position into the buddy
// as a plain integer and wraps at the ends of its range.
#pragma once

#include <QPointer>
#include <QWidget>

namespace fw {

class EditWidget;

class SpinWidget : public QWidget {
public:
    explicit SpinWidget(QWidget* dialog);

    // Takes `buddy` and moves to its right edge, narrowing it by this width.
    void AttachBuddy(EditWidget* buddy);
    EditWidget* Buddy() const { return m_buddy; }

    void SetRange(int lower, int upper);
    int Lower() const { return m_lower; }
    int Upper() const { return m_upper; }
    // Returns the previous position.
    int SetPosition(int position);
    // The position, taken from the buddy's text first (see SyncFromBuddy).
    int Position();

    // One step up (+1) or down (-1): the position from the buddy's text,
    // the dialog's UDN_DELTAPOS, then the step inside the (new) range.
    void Step(int delta);

private:
    // A buddy text that is a whole number inside the range becomes the
    // position; any other text keeps the last position.
    void SyncFromBuddy();
    void WriteBuddy();
    int SteppedPosition(int delta) const;

    QPointer<EditWidget> m_buddy;
    int m_lower = 0;
    int m_upper = 100;
    int m_position = 0;
};

}  // namespace fw
