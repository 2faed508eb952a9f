// The Help command on Qt: which dialog is asked, where the help file is and
// how the browser opens it.
#include "gui/Help.h"
#include "gui/qt/QtHandles_p.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QUrl>
#include <QWidget>

#include <filesystem>
#include <system_error>

#include "core/AppIdentity.h"
#include "gui/App.h"
#include "gui/Dialog.h"
#include "gui/common/BackEnd_p.h"
#include "gui/common/ModalRuns_p.h"

namespace fw {

namespace {

bool IsFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

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

std::string FindHelpFile(std::string_view programFile)
{
    if (programFile.empty())
        return {};
    const std::filesystem::path program(programFile);
    const std::filesystem::path beside = std::filesystem::path(program).replace_extension(".html");
    if (IsFile(beside))
        return beside.string();
    // An installed program: <prefix>/bin/<name> with <prefix>/share/<name>/.
    const AppIdentity& identity = TheAppIdentity();
    const std::filesystem::path installed =
        (program.parent_path() / ".." / "share" / identity.name / identity.helpFile).lexically_normal();
    return IsFile(installed) ? installed.string() : std::string{};
}

}  // namespace fw
