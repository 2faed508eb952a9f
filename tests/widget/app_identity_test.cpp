// The program as the desktop sees it: the application id that docks match
// with its menu entry.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include <filesystem>

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

}  // namespace
