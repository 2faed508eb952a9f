// The progress bar (msctls_progress32): 16-bit unsigned limits, a position
// kept inside them, drawn as classic segmented blocks.
#pragma once

#include "gui/Wnd.h"

namespace fw {

class CProgressCtrl : public CWnd {
public:
    void SetRange(unsigned short lower, unsigned short upper);
    void GetRange(int& lower, int& upper) const;
    // A position outside the range is taken at the nearer end. Returns the
    // previous position.
    int SetPos(int position);
    int GetPos() const;
};

}  // namespace fw
