// The progress bar's widget.
#pragma once

#include <QWidget>

#include "gui/qt/DevicePixels_p.h"

namespace fw {

class ProgressWidget : public QWidget {
public:
    ProgressWidget(bool bordered, QWidget* parent);

    void SetRange(int lower, int upper);
    int Lower() const { return m_lower; }
    int Upper() const { return m_upper; }
    int SetPos(int position);
    int Pos() const { return m_pos; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int Clamped(int position) const;
    int FilledWidth(int innerWidth) const;
    DeviceRect DrawBorders(QPainter& painter) const;

    bool m_bordered;
    int m_lower = 0;
    int m_upper = 100;
    int m_pos = 0;
};

}  // namespace fw
