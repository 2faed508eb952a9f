// Help: where the help file is found, which dialog's topic F1 opens, and the
// message when there is no file or no browser.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "framework_probe.h"
#include "gui/App.h"
#include "gui/Help.h"
#include "gui/MessageBox.h"

namespace {

namespace fs = std::filesystem;

using probe::FieldsDialog;
using probe::ProbeDialog;

// A directory of its own for each test, removed afterwards.
class ScratchDir {
public:
    ScratchDir()
    {
        std::string pattern = (fs::temp_directory_path() / "yrk-help-XXXXXX").string();
        m_path = mkdtemp(pattern.data());
    }
    ~ScratchDir()
    {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // Creates the file `relative` (and its directories); returns its path.
    std::string Touch(const std::string& relative) const
    {
        const fs::path file = m_path / relative;
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "<html></html>\n";
        return file.string();
    }
    std::string Path(const std::string& relative) const { return (m_path / relative).string(); }

private:
    fs::path m_path;
};

struct FileCase {
    const char* name;
    std::vector<std::string> files;
    const char* program;
    const char* found;   // relative, or "" for none
};

class FrameworkHelpFile : public ::testing::TestWithParam<FileCase> {};

TEST_P(FrameworkHelpFile, IsFoundBesideTheProgramOrInItsDataDirectory)
{
    const FileCase& c = GetParam();
    ScratchDir dir;
    for (const std::string& file : c.files)
        dir.Touch(file);
    const std::string expected = *c.found ? dir.Path(c.found) : std::string{};
    EXPECT_EQ(fw::FindHelpFile(dir.Path(c.program)), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FrameworkHelpFile,
    ::testing::Values(FileCase{"beside", {"bin/yoruka", "bin/yoruka.html"}, "bin/yoruka", "bin/yoruka.html"},
                      FileCase{"extension_replaced", {"run/yoruka.bin", "run/yoruka.html"}, "run/yoruka.bin", "run/yoruka.html"},
                      FileCase{"installed", {"usr/bin/yoruka", "usr/share/yoruka/yoruka.html"}, "usr/bin/yoruka",
                               "usr/share/yoruka/yoruka.html"},
                      FileCase{"beside_wins", {"bin/yoruka.html", "share/yoruka/yoruka.html"}, "bin/yoruka", "bin/yoruka.html"},
                      FileCase{"none", {"bin/yoruka", "bin/other.html"}, "bin/yoruka", ""},
                      FileCase{"directory_is_not_a_file", {"bin/yoruka.html/x"}, "bin/yoruka", ""}),
    [](const auto& info) { return std::string(info.param.name); });

class FrameworkHelp : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.m_programFile = dir.Path("bin/yoruka");
        fw::SetOpenUrlHook([this](const std::string& url) {
            urls.push_back(url);
            return browserStarts;
        });
        fw::SetMessageBoxHook([this](const fw::MessageBoxCall& call) {
            boxes.push_back(fw::cp932::ToUtf8(call.text));
            return static_cast<int>(fw::IDOK);
        });
    }
    void TearDown() override
    {
        fw::SetOpenUrlHook({});
        fw::SetMessageBoxHook({});
    }

    std::string Url(const std::string& file, unsigned long topic) const
    {
        return "file://" + dir.Path(file) + "#" + std::to_string(topic);
    }

    // Presses `modifiers`+F1 in the fields dialog.
    void PressF1InFieldsDialog(Qt::KeyboardModifiers modifiers = {})
    {
        FieldsDialog dialog;
        dialog.whileRunning = [modifiers](ProbeDialog& self) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(self.Widget(), patience::kWaitMs));
            QTest::keyClick(self.Window(), Qt::Key_F1, modifiers);
            self.EndDialog(5);
        };
        EXPECT_EQ(dialog.DoModal(), 5);
    }

    probe::ResourceScope resources;
    ScratchDir dir;
    fw::CWinApp app;
    std::vector<std::string> urls;
    std::vector<std::string> boxes;
    bool browserStarts = true;
};

constexpr unsigned long kFieldsTopic = 131072 + probe::kFieldsDialog;
constexpr unsigned long kMainTopic = 131072 + probe::kMainLikeDialog;

TEST_F(FrameworkHelp, F1OpensTheFocusedDialogsTopic)
{
    dir.Touch("bin/yoruka.html");
    PressF1InFieldsDialog();
    EXPECT_EQ(urls, std::vector<std::string>{Url("bin/yoruka.html", kFieldsTopic)});
    EXPECT_TRUE(boxes.empty());
}

TEST_F(FrameworkHelp, F1WithAModifierIsNotHelp)
{
    dir.Touch("bin/yoruka.html");
    for (Qt::KeyboardModifiers modifiers : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier})
        PressF1InFieldsDialog(modifiers);
    EXPECT_TRUE(urls.empty());
}

TEST_F(FrameworkHelp, InstalledProgramFindsItsDataDirectory)
{
    dir.Touch("share/yoruka/yoruka.html");
    PressF1InFieldsDialog();
    EXPECT_EQ(urls, std::vector<std::string>{Url("share/yoruka/yoruka.html", kFieldsTopic)});
}

TEST_F(FrameworkHelp, MissingFileOrBrowserSaysHelpFailed)
{
    PressF1InFieldsDialog();   // no file: no browser is asked
    EXPECT_TRUE(urls.empty());
    dir.Touch("bin/yoruka.html");
    browserStarts = false;
    PressF1InFieldsDialog();
    EXPECT_EQ(urls.size(), 1u);
    EXPECT_EQ(boxes, (std::vector<std::string>{"ﾍﾙﾌﾟの起動に失敗しました。", "ﾍﾙﾌﾟの起動に失敗しました。"}));
}

// F1 goes to the main window, which has no handler: the application's
// default asks the dialog the user is in.
TEST_F(FrameworkHelp, MainWindowPassesF1ToTheDialogInFront)
{
    dir.Touch("bin/yoruka.html");
    ProbeDialog main(probe::kMainLikeDialog);
    app.m_pMainWnd = &main;
    main.whileRunning = [](ProbeDialog& self) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(self.Widget(), patience::kWaitMs));
        QTest::keyClick(self.Window(), Qt::Key_F1);
        FieldsDialog nested;
        nested.whileRunning = [](ProbeDialog& inner) {
            inner.Widget()->activateWindow();
            EXPECT_TRUE(QTest::qWaitFor([&inner] { return QApplication::activeWindow() == inner.Widget(); },
                                        patience::kWaitMs));
            QTest::keyClick(inner.Window(), Qt::Key_F1);
            inner.EndDialog(5);
        };
        nested.DoModal();
        self.EndDialog(5);
    };
    main.DoModal();
    app.m_pMainWnd = nullptr;
    EXPECT_EQ(urls, (std::vector<std::string>{Url("bin/yoruka.html", kMainTopic), Url("bin/yoruka.html", kFieldsTopic)}));
}

}  // namespace
