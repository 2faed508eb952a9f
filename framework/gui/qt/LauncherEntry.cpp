#include "gui/LauncherEntry.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QVariantMap>

#include <optional>

#include "gui/App.h"

namespace fw {

namespace {

struct BadgeState {
    std::int64_t count = 0;
    bool visible = false;
    bool operator==(const BadgeState&) const = default;
};

std::optional<BadgeState> g_published;
BadgeState g_wanted;

// The desktop file the docks know the program by; the program's own name
// until it tells Qt the file's name.
QString ApplicationUri()
{
    QString desktopFile = QGuiApplication::desktopFileName();
    if (desktopFile.isEmpty())
        desktopFile = QCoreApplication::applicationName();
    if (!desktopFile.endsWith(QLatin1String(".desktop")))
        desktopFile += QLatin1String(".desktop");
    return QLatin1String("application://") + desktopFile;
}

bool SendUpdate(const BadgeState& state)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const QString uri = ApplicationUri();
    // Any object path of our own will do; one per application keeps two
    // programs apart for a reader of the bus.
    const QString path = QStringLiteral("/com/canonical/unity/launcherentry/%1").arg(qHash(uri, 0));
    QDBusMessage signal =
        QDBusMessage::createSignal(path, QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
    const QVariantMap properties{
        {QStringLiteral("count"), QVariant::fromValue(qint64{state.count})},
        {QStringLiteral("count-visible"), state.visible},
    };
    signal << uri << properties;
    return bus.send(signal);
}

void Publish()
{
    if (g_published == g_wanted)
        return;
    EnsureToolkit();
    if (SendUpdate(g_wanted))
        g_published = g_wanted;
}

}  // namespace

void ShowLauncherCount(std::int64_t count)
{
    g_wanted = {count, true};
    Publish();
}

void HideLauncherCount()
{
    g_wanted.visible = false;
    Publish();
}

}  // namespace fw
