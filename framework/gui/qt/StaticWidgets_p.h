// The static controls: text, frame with its own picture, sunken rule and
// icon. All paint every pixel of their rectangle (opaque), so that their
// repaints never repaint the dialog behind them.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <cstdint>

#include "core/Text.h"

namespace fw {

class StaticText : public QWidget {
public:
    StaticText(std::uint32_t style, QWidget* parent);

    const ByteString& Text() const { return m_text; }
    bool SetText(const ByteString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int TextFlags() const;

    std::uint32_t m_style;
    ByteString m_text;
};

// SS_BLACKFRAME: shows its picture with a one-pixel black frame on top. The
// window draws into the picture at any time, also while minimised.
class FrameStatic : public QWidget {
public:
    explicit FrameStatic(QWidget* parent);

    // The picture, sized to the control (new parts take the dialog's background).
    QImage& Picture();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};

// SS_SUNKEN frame or etched line: a shadow edge above and left, a light edge
// below and right.
class SunkenRule : public QWidget {
public:
    explicit SunkenRule(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// SS_ICON: the icon's 32 x 32 image; the control takes the icon's size.
class IconStatic : public QWidget {
public:
    IconStatic(const QPixmap& icon, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_icon;
};

}  // namespace fw
