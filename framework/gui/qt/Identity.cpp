#include "gui/qt/Identity_p.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/AppIdentity.h"

namespace fw {

namespace {

// Qt's own texts come from its translation catalogue ("qtbase_ja.qm" for
// Japanese). Without the catalogue they stay as Qt has them, in English.
void InstallToolkitTranslation(const std::string& language)
{
    if (language.empty())
        return;
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString catalogue = QStringLiteral("qtbase_") + QString::fromStdString(language);
    if (translator->load(catalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace

void InstallAppIdentity()
{
    const AppIdentity& identity = TheAppIdentity();
    if (!identity.desktopId.empty())
        QGuiApplication::setDesktopFileName(QString::fromStdString(identity.desktopId));
    InstallToolkitTranslation(identity.language);
}

}  // namespace fw
