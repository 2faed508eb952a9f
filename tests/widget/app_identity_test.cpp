// The program as the desktop sees it: the application id that docks match
// with its menu entry, and the toolkit's own texts in Japanese.
#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>

#include <filesystem>
#include <memory>

#include "gui/App.h"

namespace {

TEST(AppIdentity, DesktopFileNameIsTheInstalledMenuEntry)
{
    fw::EnsureToolkit();
    const std::string id = QGuiApplication::desktopFileName().toStdString();
    ASSERT_FALSE(id.empty());
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(YRK_SOURCE_DIR) / "packaging" / (id + ".desktop")))
        << id;
}

TEST(AppIdentity, EditMenuOfTheToolkitIsJapanese)
{
    fw::EnsureToolkit();
    QLineEdit edit;
    edit.setText(QStringLiteral("abc"));
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    const QList<QAction*> actions = menu->actions();
    ASSERT_FALSE(actions.isEmpty());
    EXPECT_TRUE(actions.first()->text().startsWith(QStringLiteral("元に戻す"))) << actions.first()->text().toStdString();
    QStringList texts;
    for (const QAction* action : actions)
        texts << action->text();
    for (const char* expected : {"切り取り", "コピー", "貼り付け", "削除", "すべてを選択"})
        EXPECT_TRUE(texts.join(QLatin1Char('|')).contains(QString::fromUtf8(expected)))
            << expected << " in " << texts.join(QLatin1Char('|')).toStdString();
}

}  // namespace
