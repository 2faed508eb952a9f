// The floor for the start-up, memory and idle figures: the least a Qt Widgets
// program can do to show a window the size of the countdown's short window
// (client area 225 x 63) with one line of Japanese text in it.
//
// With --fonts-first it measures its label's font before showing the window,
// as a program must that sizes its window from font metrics: Qt then loads
// fontconfig's configuration and the font database before the map instead
// of at the first paint.
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(225, 63);
    QLabel label(QString::fromUtf8("あと 138日"), &window);
    label.setGeometry(0, 0, 225, 63);
    label.setAlignment(Qt::AlignCenter);
    if (app.arguments().contains(QStringLiteral("--fonts-first")))
        label.setMinimumWidth(QFontMetrics(label.font()).horizontalAdvance(label.text()));
    window.show();
    return app.exec();
}
