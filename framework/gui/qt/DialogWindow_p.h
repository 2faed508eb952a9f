// The top-level widget of a dialog: it turns Qt's events into the dialog's
// messages. Keys are taken where they enter the window (its QWindow), once
// each, before the focused control sees them.
#pragma once

#include <QWidget>

#include "gui/Dialog.h"

class QKeyEvent;

namespace fw {

class DialogWindow : public QWidget {
public:
    DialogWindow(CDialog& dialog, QWidget* owner);

    CDialog& Dialog() { return m_dialog; }
    // Call once the native window exists (after the first show).
    void RouteKeys();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool HandleKeyPress(const QKeyEvent& key);
    bool HandleDialogKey(const QKeyEvent& key);
    void PressEnter();
    void WindowStateChanged(Qt::WindowStates oldState);
    bool InputDisabled() const;

    CDialog& m_dialog;
    // A context-menu request from the keyboard has just been handled.
    bool m_keyboardMenuShown = false;
};

}  // namespace fw
