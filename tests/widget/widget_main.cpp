// One QApplication for every widget test, on the offscreen platform unless
// the caller chose another.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>

#include "app/Identity.h"
#include "tests/support/TempDir.h"

namespace {

QtMessageHandler g_defaultHandler = nullptr;

// The offscreen platform reports every window-manager request it cannot
// carry out; those notes say nothing about the code under test.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    g_defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    fw::SetAppIdentity(ProgramIdentity());
    // A per-user place of its own, empty: a per-user settings file of the
    // machine's user would be read before any file a test names.
    const TempDir perUser;
    setenv("XDG_CONFIG_HOME", perUser.path().c_str(), 1);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    g_defaultHandler = qInstallMessageHandler(QuietOffscreenNotes);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
