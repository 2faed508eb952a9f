// Wrappers of the controls that the dialogs' templates create. Attach one to
// its control with DDX_Control; GetDlgItem also hands out the right kind.
#pragma once

#include "gui/Wnd.h"

namespace fw {

class CEdit : public CWnd {
public:
    // A read-only edit keeps its focus and selection but takes no typing.
    void SetReadOnly(bool readOnly = true);
    // Selects characters [start, end); end -1 means to the end (0, -1: all).
    void SetSel(int start, int end);
    // The most the user can type or paste, in CP932 bytes; a double-byte
    // character is never split. The program's own texts are not cut.
    void LimitText(int bytes);
};

class CButton : public CWnd {
public:
    // 0 unchecked, 1 checked, 2 indeterminate.
    int GetCheck() const;
    // Sends no notification.
    void SetCheck(int check);
};

// A spin button beside its buddy edit (the control before it in the
// template). Up/Down in the buddy and its arrows step the value by one,
// wrapping at the ends of the range; the dialog's UDN_DELTAPOS handler runs
// before each step and may change the range first.
class CSpinButtonCtrl : public CWnd {
public:
    // The range is not checked against the position; equal ends pin it.
    void SetRange32(int lower, int upper);
    void GetRange32(int& lower, int& upper) const;
    // Moves to `pos` (kept inside the range), writes it into the buddy when
    // its text differs; returns the previous position.
    int SetPos32(int pos);
    // The position, first taken from the buddy's text when that is a number
    // inside the range.
    int GetPos32() const;
    CWnd* GetBuddy() const;
};

}  // namespace fw
