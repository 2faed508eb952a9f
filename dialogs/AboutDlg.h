// The About box: the program's name, version and licence. A left click
// anywhere in it closes it.
#pragma once

#include "gui/Dialog.h"

class CAboutDlg : public fw::CDialog {
public:
    CAboutDlg();

protected:
    void OnLButtonDown(unsigned flags, fw::CPoint point) override;
};
