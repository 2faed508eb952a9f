// The field exchange: the checks and their messages, the focus after a
// refusal, writing, and the silence of the controls while an exchange runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <new>
#include <stdexcept>
#include <system_error>

#include "framework_probe.h"
#include "gui/MessageBox.h"

namespace {

using probe::FieldsDialog;
using probe::ProbeDialog;

// Types `text` into `widget` key by key, also characters without a key of their own.
void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
    }
}

class FrameworkDdx : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::SetMessageBoxHook([this](const fw::MessageBoxCall& call) {
            boxes.push_back(call);
            if (onBox)
                onBox();
            return static_cast<int>(fw::IDOK);
        });
    }
    void TearDown() override { fw::SetMessageBoxHook({}); }

    // Runs the dialog with `steps` once it is up, then ends it.
    void Run(FieldsDialog& dialog, const std::function<void(FieldsDialog&)>& steps)
    {
        dialog.whileRunning = [&steps](ProbeDialog& self) {
            // Focus changes reach the controls only in the active window.
            EXPECT_TRUE(QTest::qWaitForWindowActive(self.Widget(), patience::kWaitMs));
            steps(static_cast<FieldsDialog&>(self));
            self.EndDialog(5);
        };
        EXPECT_EQ(dialog.DoModal(), 5);
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const fw::MessageBoxCall& call : boxes)
            texts.push_back(fw::cp932::ToUtf8(call.text));
        return texts;
    }

    static QLineEdit* Edit(const FieldsDialog& dialog, int id)
    {
        return qobject_cast<QLineEdit*>(fw::WidgetOf(dialog.GetDlgItem(id)));
    }

    probe::ResourceScope resources;
    std::vector<fw::MessageBoxCall> boxes;
    std::function<void()> onBox;
};

struct RefusalCase {
    const char* name;
    int field;
    const char* text;
    const char* message;
    std::uint32_t yearAfter;   // the member of the year field afterwards
    std::uint32_t dayAfter;
};

class FrameworkDdxRefusal : public FrameworkDdx, public ::testing::WithParamInterface<RefusalCase> {};

// The day field is exchanged after the year: a refused year leaves it unread.
TEST_P(FrameworkDdxRefusal, ShowsItsMessageFocusesTheFieldAndStops)
{
    const RefusalCase& c = GetParam();
    FieldsDialog dialog;
    bool read = true;
    bool focusedOnField = false;
    QString selected;
    Run(dialog, [&](FieldsDialog& self) {
        self.SetDlgItemText(probe::kDay, "20");
        self.SetDlgItemText(c.field, c.text);
        self.GetDlgItem(probe::kTitle)->SetFocus();
        read = self.ReadFields();
        focusedOnField = QApplication::focusWidget() == Edit(self, c.field);
        selected = Edit(self, c.field)->selectedText();
    });
    EXPECT_FALSE(read);
    EXPECT_EQ(Texts(), std::vector<std::string>{c.message});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].owner, &dialog);
    EXPECT_TRUE(focusedOnField);
    EXPECT_EQ(selected, QString::fromUtf8(c.text));
    EXPECT_EQ(dialog.year, c.yearAfter);
    EXPECT_EQ(dialog.day, c.dayAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FrameworkDdxRefusal,
    ::testing::Values(RefusalCase{"letters", probe::kYear, "abc", "正の整数を入力してください。", 2000, 15},
                      RefusalCase{"empty", probe::kYear, "", "正の整数を入力してください。", 2000, 15},
                      RefusalCase{"negative", probe::kYear, "-3", "正の整数を入力してください。", 2000, 15},
                      RefusalCase{"above_range_stays", probe::kYear, "2011", "1999 から 2010 までの整数を入力してください。", 2011, 15},
                      RefusalCase{"below_range_stays", probe::kYear, "99", "1999 から 2010 までの整数を入力してください。", 99, 15},
                      RefusalCase{"day_zero", probe::kDay, "0", "1 から 31 までの整数を入力してください。", 2000, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameworkDdx, SignedFieldRefusalHasItsOwnMessage)
{
    FieldsDialog dialog;
    Run(dialog, [](FieldsDialog& self) {
        self.SetDlgItemText(probe::kCount, "-");
        EXPECT_FALSE(self.ReadFields());
    });
    EXPECT_EQ(Texts(), std::vector<std::string>{"整数を入力してください。"});
}

TEST_F(FrameworkDdx, AcceptedFieldsReachTheirMembers)
{
    FieldsDialog dialog;
    Run(dialog, [](FieldsDialog& self) {
        self.SetDlgItemText(probe::kYear, " 2005 ");
        self.SetDlgItemText(probe::kDay, "+7");
        self.SetDlgItemText(probe::kTitle, fw::cp932::FromUtf8("試験"));
        self.SetDlgItemText(probe::kCount, "-12");
        static_cast<fw::CButton*>(self.GetDlgItem(probe::kCheck))->SetCheck(1);
        EXPECT_TRUE(self.ReadFields());
    });
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(dialog.year, 2005u);
    EXPECT_EQ(dialog.day, 7u);
    EXPECT_EQ(dialog.title, fw::cp932::FromUtf8("試験"));
    EXPECT_EQ(dialog.count, -12);
    EXPECT_EQ(dialog.check, 1);
}

struct LengthCase {
    const char* name;
    std::string title;   // UTF-8
    bool passes;
};

class FrameworkDdxLength : public FrameworkDdx, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(FrameworkDdxLength, TitleLimitCountsBytes)
{
    const LengthCase& c = GetParam();
    FieldsDialog dialog;
    dialog.title = "before";
    bool read = false;
    Run(dialog, [&](FieldsDialog& self) {
        self.SetDlgItemText(probe::kTitle, fw::cp932::FromUtf8(c.title));
        read = self.ReadFields();
    });
    EXPECT_EQ(read, c.passes);
    EXPECT_EQ(dialog.title, fw::cp932::FromUtf8(c.title));   // a refused string stays in the member too
    EXPECT_EQ(Texts(), c.passes ? std::vector<std::string>{} : std::vector<std::string>{"34 文字以内で入力してください。"});
}

std::string Repeat(const std::string& piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

INSTANTIATE_TEST_SUITE_P(Titles, FrameworkDdxLength,
                         ::testing::Values(LengthCase{"single_34", Repeat("a", 34), true},
                                           LengthCase{"double_17", Repeat("試", 17), true},
                                           LengthCase{"single_35", Repeat("a", 35), false},
                                           LengthCase{"mixed_35", Repeat("a", 33) + "試", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameworkDdx, TypingStopsAtTheByteLimitWithoutSplittingACharacter)
{
    FieldsDialog dialog;
    QString typed;
    QString pasted;
    Run(dialog, [&](FieldsDialog& self) {
        QLineEdit* title = Edit(self, probe::kTitle);
        title->setFocus();
        // The limit comes with the exchange: 34 bytes.
        QTest::keyClicks(title, QString(33, QLatin1Char('a')));
        TypeText(title, QStringLiteral("試b"));   // 2 bytes: only "b" would fit
        typed = title->text();
        self.SetDlgItemText(probe::kTitle, "");
        title->insert(QStringLiteral("試験試験試験試験試験試験試験試験試験"));   // 36 bytes pasted
        pasted = title->text();
    });
    EXPECT_EQ(typed, QString(33, QLatin1Char('a')) + QLatin1Char('b'));
    EXPECT_EQ(pasted, QStringLiteral("試験試験試験試験試験試験試験試験試"));
}

// An input method shows its preedit first and then commits the text; only
// the commit reaches the field's text, and it obeys the limit as typing does.
TEST_F(FrameworkDdx, InputMethodCommitsStopAtTheByteLimit)
{
    struct Case {
        int before;   // letters already in the field
        QString preedit, commit, after;
    };
    const QString a = QStringLiteral("a");
    const std::vector<Case> cases = {
        {0, QStringLiteral("しけん"), QStringLiteral("試験"), QStringLiteral("試験")},
        {32, QStringLiteral("しけん"), QStringLiteral("試験"), a.repeated(32) + QStringLiteral("試")},
        {33, QStringLiteral("し"), QStringLiteral("試"), a.repeated(33)},
        {30, QString(), QStringLiteral("a😀試験"), a.repeated(30) + QStringLiteral("a😀試")},
        {33, QStringLiteral("한"), QStringLiteral("한"), a.repeated(33) + QStringLiteral("한")},
    };
    FieldsDialog dialog;
    std::vector<QString> results;
    Run(dialog, [&](FieldsDialog& self) {
        QLineEdit* title = Edit(self, probe::kTitle);
        title->setFocus();
        for (const Case& c : cases) {
            self.SetDlgItemText(probe::kTitle, std::string(static_cast<std::size_t>(c.before), 'a'));
            title->end(false);
            QInputMethodEvent preedit(c.preedit, {});
            QApplication::sendEvent(title, &preedit);
            QInputMethodEvent commit;
            commit.setCommitString(c.commit);
            QApplication::sendEvent(title, &commit);
            results.push_back(title->text());
        }
        EXPECT_TRUE(self.ReadFields());   // the last case: outside CP932 reads as "?"
    });
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(results[i], cases[i].after) << "case " << i;
    EXPECT_EQ(dialog.title, std::string(33, 'a') + "?");
}

TEST_F(FrameworkDdx, ProgramTextsAreNotCutAndDeletingPastTheLimitWorks)
{
    FieldsDialog dialog;
    QString after;
    Run(dialog, [&](FieldsDialog& self) {
        QLineEdit* title = Edit(self, probe::kTitle);
        self.SetDlgItemText(probe::kTitle, std::string(40, 'z'));
        title->setFocus();
        title->end(false);
        QTest::keyClick(title, Qt::Key_Backspace);
        after = title->text();
    });
    EXPECT_EQ(after, QString(39, QLatin1Char('z')));
}

TEST_F(FrameworkDdx, TypedCharacterOutsideCp932ReadsAsQuestionMark)
{
    FieldsDialog dialog;
    Run(dialog, [](FieldsDialog& self) {
        QLineEdit* title = Edit(self, probe::kTitle);
        title->setFocus();
        TypeText(title, QStringLiteral("한a"));
        EXPECT_TRUE(self.ReadFields());
    });
    EXPECT_EQ(dialog.title, "?a");
}

TEST_F(FrameworkDdx, WriteFieldsShowsMembersAsTheyAre)
{
    FieldsDialog dialog;
    dialog.year = static_cast<std::uint32_t>(-1);
    dialog.count = -9;
    dialog.title = fw::cp932::FromUtf8("日本語 ");
    dialog.check = 7;   // outside 0..2: becomes 0
    std::vector<fw::ByteString> shown;
    int checkShown = -1;
    Run(dialog, [&](FieldsDialog& self) {
        for (int id : {probe::kYear, probe::kDay, probe::kCount, probe::kTitle})
            shown.push_back(self.GetDlgItemText(id));
        checkShown = static_cast<fw::CButton*>(self.GetDlgItem(probe::kCheck))->GetCheck();
    });
    EXPECT_EQ(shown, (std::vector<fw::ByteString>{"4294967295", "15", "-9", fw::cp932::FromUtf8("日本語 ")}));
    EXPECT_EQ(dialog.check, 0);
    EXPECT_EQ(checkShown, 0);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(FrameworkDdx, FieldTextIsReplacedOnlyWhenItDiffers)
{
    FieldsDialog dialog;
    QString keptSelection;
    QString changedSelection;
    Run(dialog, [&](FieldsDialog& self) {
        QLineEdit* day = Edit(self, probe::kDay);
        day->selectAll();
        self.WriteFields();   // still "15": the selection survives
        keptSelection = day->selectedText();
        self.day = 16;
        self.WriteFields();
        changedSelection = day->selectedText();
    });
    EXPECT_EQ(keptSelection, "15");
    EXPECT_EQ(changedSelection, "");
}

TEST_F(FrameworkDdx, TextChangesOfTheExchangeStartNoHandler)
{
    FieldsDialog dialog;
    std::vector<std::string> duringExchange;
    Run(dialog, [&](FieldsDialog& self) {
        self.count = 42;
        self.day = 3;
        self.WriteFields();
        duringExchange = self.log;
        self.SetDlgItemText(probe::kCount, "1");   // outside an exchange it is heard
        QTest::keyClicks(Edit(self, probe::kCount), "2");
    });
    EXPECT_EQ(duringExchange, std::vector<std::string>{});
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"change count", "change count", "destroy"}));
}

// A field that puts its held value back on every change, typed into.
TEST_F(FrameworkDdx, ChangeHandlerMayWriteTheFieldBackAtOnce)
{
    FieldsDialog dialog;
    dialog.count = 339;
    dialog.onCountChange = [](FieldsDialog& self) { self.WriteFields(); };
    QString shown;
    Run(dialog, [&](FieldsDialog& self) {
        QLineEdit* count = Edit(self, probe::kCount);
        count->setFocus();
        QTest::keyClicks(count, "5");
        QTest::keyClick(count, Qt::Key_Backspace);
        shown = count->text();
    });
    EXPECT_EQ(shown, "339");
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"change count", "change count", "destroy"}));
}

TEST_F(FrameworkDdx, FocusChangesOfAMessageBoxStartNoHandler)
{
    FieldsDialog dialog;
    std::vector<std::string> logAfterRefusal;
    Run(dialog, [&](FieldsDialog& self) {
        Edit(self, probe::kYear)->setFocus();
        self.log.clear();
        // The box takes the focus from the refused field; the exchange then
        // gives it back.
        onBox = [&self] { Edit(self, probe::kDay)->setFocus(); };
        self.SetDlgItemText(probe::kYear, "x");
        EXPECT_FALSE(self.ReadFields());
        logAfterRefusal = self.log;
        onBox = nullptr;
        Edit(self, probe::kDay)->setFocus();   // outside an exchange both are heard
    });
    EXPECT_EQ(logAfterRefusal, std::vector<std::string>{});
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"kill year", "focus day", "destroy"}));
}

TEST_F(FrameworkDdx, LeavingAFieldByTabRunsItsFocusLossHandler)
{
    FieldsDialog dialog;
    std::vector<std::uint32_t> yearsSeen;
    dialog.onYearKillFocus = [&yearsSeen](FieldsDialog& self) {
        self.ReadFields();
        yearsSeen.push_back(self.year);
    };
    Run(dialog, [](FieldsDialog& self) {
        Edit(self, probe::kYear)->setFocus();
        QTest::keyClicks(Edit(self, probe::kYear), "3");   // "20003"
        QTest::keyClick(self.Window(), Qt::Key_Tab);
    });
    EXPECT_EQ(yearsSeen, std::vector<std::uint32_t>{20003});
    EXPECT_EQ(Texts(), std::vector<std::string>{"1999 から 2010 までの整数を入力してください。"});
}

struct FailureCase {
    const char* name;
    std::function<void()> thrower;
    const char* message;
};

class FrameworkDdxFailure : public FrameworkDdx, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FrameworkDdxFailure, EndsTheExchangeWithItsMessage)
{
    FieldsDialog dialog;
    bool read = true;
    Run(dialog, [&](FieldsDialog& self) {
        self.afterFields = GetParam().thrower;
        read = self.ReadFields();
        self.WriteFields();
        self.afterFields = nullptr;
    });
    EXPECT_FALSE(read);
    EXPECT_EQ(Texts(), (std::vector<std::string>{GetParam().message, GetParam().message}));
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FrameworkDdxFailure,
    ::testing::Values(FailureCase{"memory", [] { throw std::bad_alloc(); }, "ﾒﾓﾘが不足しています。"},
                      FailureCase{"resource",
                                  [] { throw std::system_error(std::make_error_code(std::errc::too_many_files_open)); },
                                  "要求されたﾘｿｰｽは使用できません。"},
                      FailureCase{"other", [] { throw std::runtime_error("x"); }, "ｱﾌﾟﾘｹｰｼｮﾝの内部ｴﾗｰです。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameworkDdx, CheckBoxChecksItselfAndReportsTheClick)
{
    FieldsDialog dialog;
    Run(dialog, [](FieldsDialog& self) {
        QWidget* box = fw::WidgetOf(self.GetDlgItem(probe::kCheck));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        static_cast<fw::CButton*>(self.GetDlgItem(probe::kCheck))->SetCheck(0);   // silent
        static_cast<fw::CButton*>(self.GetDlgItem(probe::kCheck))->SetCheck(1);
        self.ReadFields();
    });
    EXPECT_EQ(dialog.check, 1);
    EXPECT_EQ(dialog.log, (std::vector<std::string>{"check", "destroy"}));
}

TEST_F(FrameworkDdx, ReadOnlyEditTakesNoTypingButStillReads)
{
    FieldsDialog dialog;
    QString afterTyping;
    Run(dialog, [&](FieldsDialog& self) {
        self.yearEdit.SetReadOnly(true);
        Edit(self, probe::kYear)->setFocus();
        QTest::keyClicks(Edit(self, probe::kYear), "9");
        afterTyping = Edit(self, probe::kYear)->text();
        self.SetDlgItemText(probe::kYear, "2001");
        EXPECT_TRUE(self.ReadFields());
    });
    EXPECT_EQ(afterTyping, "2000");
    EXPECT_EQ(dialog.year, 2001u);
}

struct EnterCase {
    const char* name;
    int focusId;
    const char* yearText;
    std::vector<std::string> log;
    int result;
};

class FrameworkDdxEnter : public FrameworkDdx, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(FrameworkDdxEnter, EnterIsOkUnlessAPushButtonHasTheFocus)
{
    const EnterCase& c = GetParam();
    FieldsDialog dialog;
    dialog.whileRunning = [&c](ProbeDialog& self) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(self.Widget(), patience::kWaitMs));
        self.SetDlgItemText(probe::kYear, c.yearText);
        self.GetDlgItem(c.focusId)->SetFocus();
        self.log.clear();
        QTest::keyClick(self.Window(), Qt::Key_Return);
        self.Later(0, [](ProbeDialog& later) { later.EndDialog(5); });
    };
    EXPECT_EQ(dialog.DoModal(), c.result);
    EXPECT_EQ(dialog.log, c.log);
}

INSTANTIATE_TEST_SUITE_P(
    Focus, FrameworkDdxEnter,
    ::testing::Values(EnterCase{"edit_valid_ends", probe::kDay, "2005", {"key 13", "ok", "destroy"}, 1},
                      EnterCase{"edit_refused_stays", probe::kDay, "abc", {"key 13", "ok", "destroy"}, 5},
                      EnterCase{"check_box_is_ok", probe::kCheck, "2005", {"key 13", "ok", "destroy"}, 1},
                      EnterCase{"push_button_clicks_it", probe::kPush, "2005", {"key 13", "push", "destroy"}, 5}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
