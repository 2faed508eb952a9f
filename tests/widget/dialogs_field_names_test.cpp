// The names a screen reader gives the fields of the program's two date
// dialogs, taken from the labels on their rows.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "framework_a11y_support.h"
#include "framework_probe.h"
#include "res/Resources.h"

namespace {

using namespace a11y_test;
using probe::ProbeDialog;

// The program's own templates, so that every field of the two dialogs is
// checked as a reader meets it.
class ProgramResourceScope {
public:
    ProgramResourceScope() : m_previous(fw::Resources()) { fw::SetResources(&ProgramResources()); }
    ~ProgramResourceScope() { fw::SetResources(m_previous); }

private:
    const fw::ResourceTable* m_previous;
};

void ExpectFieldNames(int templateId, const std::map<int, std::string>& expected)
{
    ProgramResourceScope resources;
    WithDialog(templateId, [&expected](ProbeDialog& d) {
        for (const auto& [id, name] : expected) {
            EXPECT_EQ(Text(Interface(d.GetDlgItem(id))), name) << "field " << id;
            EXPECT_EQ(Interface(d.GetDlgItem(id))->role(), QAccessible::EditableText) << "field " << id;
        }
    });
}

TEST(AccessibleFieldNames, SetupFieldsTakeTheRowLabelAndTheirUnit)
{
    ExpectFieldNames(res::IDD_SETUP, {
                                         {1025, "試験名："},
                                         {1000, "試験日： 年"},
                                         {1001, "試験日： 月"},
                                         {1002, "試験日： 日"},
                                         {1003, "次の試験日： 年"},
                                         {1004, "次の試験日： 月"},
                                         {1005, "次の試験日： 日"},
                                         {1006, "勉強開始日： 年"},
                                         {1007, "勉強開始日： 月"},
                                         {1008, "勉強開始日： 日"},
                                     });
}

// No label precedes these rows: the word that ends each row names it.
TEST(AccessibleFieldNames, DayCountFieldsTakeTheWordThatEndsTheirRow)
{
    ExpectFieldNames(res::IDD_DAYCOUNT, {
                                            {1000, "から 年"},
                                            {1001, "から 月"},
                                            {1002, "から 日"},
                                            {1006, "から"},
                                            {1003, "まで 年"},
                                            {1004, "まで 月"},
                                            {1005, "まで 日"},
                                            {1007, "まで"},
                                            {1025, "日です。"},
                                        });
}

TEST(AccessibleFieldNames, SpinsAreNamedLikeTheirFields)
{
    ProgramResourceScope resources;
    WithDialog(res::IDD_SETUP, [](ProbeDialog& d) {
        EXPECT_EQ(Text(Interface(d.GetDlgItem(1016))), "試験日： 年");
        EXPECT_EQ(Text(Interface(d.GetDlgItem(1024))), "勉強開始日： 日");
        EXPECT_EQ(Text(Interface(d.GetDlgItem(1033))), "次の試験日までの日数を（ ）内に表示する");
    });
}

}  // namespace
