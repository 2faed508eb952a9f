// The Help command on Qt: which dialog is asked, the help file's address,
// how the browser opens it and whether a file is there.
#include "gui/Help.h"
#include "gui/qt/QtHandles_p.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QUrl>
#include <QWidget>

#include <filesystem>
#include <system_error>

#include "gui/App.h"
#include "gui/Dialog.h"
#include "gui/common/BackEnd_p.h"
#include "gui/common/ModalRuns_p.h"

namespace fw {

namespace {

// The first dialog among `widget` and its parents and owners.
CDialog* DialogOf(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (auto* dialog = dynamic_cast<CDialog*>(WndOf(widget)))
            return dialog;
    }
    return nullptr;
}

// The main window's pop-up that was active last: the innermost modal run,
// else the main window itself.
QWidget* LastActivePopup()
{
    if (CDialog* running = InnermostModalDialog(); running && WidgetOf(running))
        return WidgetOf(running);
    CWnd* main = AfxGetMainWnd();
    return main ? WidgetOf(main) : nullptr;
}

}  // namespace

CDialog* DialogToAsk()
{
    for (const QWidget* start : {QWidget::mouseGrabber(), QApplication::focusWidget(), LastActivePopup()}) {
        if (CDialog* dialog = DialogOf(start))
            return dialog;
    }
    return nullptr;
}

std::string HelpFileUrl(const std::string& file, unsigned long topic)
{
    QUrl url = QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(file)));
    url.setFragment(QString::number(topic));
    return url.toString(QUrl::FullyEncoded).toStdString();
}

bool OpenUrlInBrowser(const std::string& url)
{
    return QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(url)));
}

bool IsRegularFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace fw
