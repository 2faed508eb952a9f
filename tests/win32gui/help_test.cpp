// Help on Windows in a folder whose name is outside ASCII: the file is found
// (beside the program, or installed in <prefix>\share\<name>) and its
// address carries the path percent-encoded as UTF-8.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/AppIdentity.h"
#include "core/win32/WideText.h"
#include "gui/App.h"
#include "gui/Help.h"
#include "gui/MessageBox.h"

namespace {

namespace fs = std::filesystem;

TEST(Win32Help, FolderOutsideAsciiIsFoundAndEncodedAsUtf8)
{
    const fs::path dir = fs::temp_directory_path() / L"yrk-ヘルプ試験";
    fs::create_directories(dir);
    std::ofstream(dir / L"yoruka.html") << "<html></html>\n";
    fw::CWinApp app;
    app.m_programFile = fw::win32::Utf8FromWide((dir / L"yoruka.exe").wstring());
    std::vector<std::string> urls;
    int boxes = 0;
    fw::SetOpenUrlHook([&urls](const std::string& url) {
        urls.push_back(url);
        return true;
    });
    fw::SetMessageBoxHook([&boxes](const fw::MessageBoxCall&) { return ++boxes; });

    app.WinHelp(131174);

    fw::SetOpenUrlHook({});
    fw::SetMessageBoxHook({});
    fs::remove_all(dir);
    EXPECT_EQ(boxes, 0);
    ASSERT_EQ(urls.size(), 1u);
    const std::string tail = "/yrk-%E3%83%98%E3%83%AB%E3%83%97%E8%A9%A6%E9%A8%93/yoruka.html#131174";
    EXPECT_TRUE(urls[0].starts_with("file:///")) << urls[0];
    EXPECT_TRUE(urls[0].ends_with(tail)) << urls[0];
}

TEST(Win32Help, InstalledHelpIsFoundInTheShareFolderBesideBin)
{
    const fs::path prefix = fs::temp_directory_path() / L"yrk-インストール試験";
    const fw::AppIdentity& identity = fw::TheAppIdentity();
    const fs::path help =
        prefix / L"share" / fw::win32::WideFromUtf8(identity.name) / fw::win32::WideFromUtf8(identity.helpFile);
    fs::create_directories(help.parent_path());
    std::ofstream(help) << "<html></html>\n";

    const std::string found = fw::FindHelpFile(fw::win32::Utf8FromWide((prefix / L"bin" / L"yoruka.exe").wstring()));

    fs::remove_all(prefix);
    EXPECT_EQ(found, fw::win32::Utf8FromWide(help.wstring()));
}

}  // namespace
