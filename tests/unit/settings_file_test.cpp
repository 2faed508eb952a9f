#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "core/CommandLine.h"
#include "core/Text.h"
#include "settings/SettingsFile.h"
#include "support/TempDir.h"

namespace {

const fw::ByteString kDefaultTitle = fw::cp932::FromUtf8("99年度秋期情報処理技術者試験まで");

struct Ymd {
    int year, month, day;
    bool operator==(const Ymd&) const = default;
};

Ymd FieldsOf(const CalendarDate& date)
{
    return {date.year(), date.month(), date.day()};
}

// What names the per-user place (UserConfigDir) in the environment.
#ifdef _WIN32
constexpr const char* kPerUserVariable = "APPDATA";
#else
constexpr const char* kPerUserVariable = "XDG_CONFIG_HOME";
#endif

// Every position is accepted unless a test says otherwise.
bool AcceptAll(std::int32_t, std::int32_t, bool) { return true; }

class SettingsFileTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir.file("yrk.ini");

    ScheduleSettings Load(const PlacementRule& rule = AcceptAll)
    {
        ScheduleSettings settings;
        settings.title = kDefaultTitle;
        settings.windowPos = {111, 222};   // the window's centred default
        LoadSettings(settings, path, kDefaultTitle, rule);
        return settings;
    }

    ScheduleSettings LoadFrom(const std::string& contents)
    {
        WriteBytes(path, contents);
        return Load();
    }
};

TEST_F(SettingsFileTest, SavingTheDefaultsWritesTheFileLineByLine)
{
    ScheduleSettings settings = Load([](std::int32_t, std::int32_t, bool) { return false; });
    ASSERT_TRUE(SaveSettings(settings, path, "Dialog", {412, 300}));

    const std::string expected = WithNewFileBreaks("[YRK]\nTITLE=" + kDefaultTitle +
                                 "\nSTART=1999 4 19\nEXAM=1999 10 17\nNEXAM=2000 4 16\n"
                                 "SIZE=FALSE\nSHOWNEXTEXAM=FALSE\nPOS=412 300\nCALLBY=Dialog\n");
    EXPECT_EQ(ReadBytes(path), expected);
    EXPECT_EQ(settings.windowPos.left, 412);
    EXPECT_EQ(settings.windowPos.top, 300);
}

TEST_F(SettingsFileTest, NoFileGivesTheDefaultsAndTheDefaultPosition)
{
    std::vector<std::pair<std::int32_t, std::int32_t>> asked;
    const ScheduleSettings s = Load([&](std::int32_t x, std::int32_t y, bool graph) {
        asked.emplace_back(x, y);
        EXPECT_FALSE(graph);
        return false;
    });
    EXPECT_EQ(s.title, kDefaultTitle);
    EXPECT_EQ(FieldsOf(s.studyStart), (Ymd{1999, 4, 19}));
    EXPECT_EQ(FieldsOf(s.examDate), (Ymd{1999, 10, 17}));
    EXPECT_EQ(FieldsOf(s.nextExamDate), (Ymd{2000, 4, 16}));
    EXPECT_FALSE(s.showGraph);
    EXPECT_FALSE(s.showNextExam);
    EXPECT_EQ(asked, (std::vector<std::pair<std::int32_t, std::int32_t>>{{3000, 3000}}));
    EXPECT_EQ(s.windowPos.left, 111);
    EXPECT_EQ(s.windowPos.top, 222);
}

struct DateCase {
    const char* name;
    const char* value;
    Ymd expected;   // 1899-12-30 when the value is ignored; -1s when it gives no date
};

class SettingsDateValue : public SettingsFileTest, public ::testing::WithParamInterface<DateCase> {};

TEST_P(SettingsDateValue, ReadsAsExpected)
{
    const ScheduleSettings s = LoadFrom(std::string("[YRK]\nEXAM=") + GetParam().value + "\n");
    EXPECT_EQ(FieldsOf(s.examDate), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsDateValue,
    ::testing::Values(
        DateCase{"SpacesAndLeadingZeros", "  1999   04  19", {1999, 4, 19}},
        DateCase{"TrailingWords", "2000 4 16 and more", {2000, 4, 16}},
        DateCase{"SignedNumbers", "+2000 +4 +16", {2000, 4, 16}},
        DateCase{"YearBeforeRange", "1998 10 18", {1899, 12, 30}},
        DateCase{"YearAfterRange", "2011 1 1", {1899, 12, 30}},
        DateCase{"LastYearInRange", "2010 12 31", {2010, 12, 31}},
        DateCase{"MonthThirteen", "2000 13 1", {-1, -1, -1}},
        DateCase{"NoSuchDay", "2000 2 30", {-1, -1, -1}},
        DateCase{"WrittenInvalid", "-1 -1 -1", {1899, 12, 30}},
        // Numbers missing: the value is ignored as a whole.
        DateCase{"TwoNumbers", "2000 4", {1899, 12, 30}},
        DateCase{"Slashes", "2000/4/16", {1899, 12, 30}},
        DateCase{"Empty", "", {1899, 12, 30}},
        DateCase{"HugeYear", "99999999999 1 1", {1899, 12, 30}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsFileTest, SwitchesAreExactlyTrueOrFalse)
{
    EXPECT_TRUE(LoadFrom("[YRK]\nSIZE=TRUE\nSHOWNEXTEXAM=TRUE\n").showGraph);
    EXPECT_TRUE(LoadFrom("[YRK]\nSIZE=TRUE\nSHOWNEXTEXAM=TRUE\n").showNextExam);
    EXPECT_FALSE(LoadFrom("[YRK]\nSIZE=True\n").showGraph);
    EXPECT_FALSE(LoadFrom("[YRK]\nSIZE=1\n").showGraph);
    EXPECT_FALSE(LoadFrom("[YRK]\nSIZE=true\n").showGraph);
}

TEST_F(SettingsFileTest, TitleIsReadWholeOrCutOnAWholeCharacter)
{
    EXPECT_EQ(LoadFrom("[YRK]\nTITLE=\n").title, "");
    EXPECT_EQ(LoadFrom("[YRK]\nSIZE=TRUE\n").title, kDefaultTitle);

    const std::string kanji17 = fw::cp932::FromUtf8("一二三四五六七八九十一二三四五六七");
    ASSERT_EQ(kanji17.size(), 34u);
    EXPECT_EQ(LoadFrom("[YRK]\nTITLE=" + kanji17 + "\n").title, kanji17);
    // One byte in front pushes the last kanji across the limit: it goes whole.
    EXPECT_EQ(LoadFrom("[YRK]\nTITLE=A" + kanji17 + "\n").title,
              "A" + kanji17.substr(0, 32));
    EXPECT_EQ(LoadFrom("[YRK]\nTITLE=" + std::string(40, 'x') + "\n").title, std::string(34, 'x'));
}

TEST_F(SettingsFileTest, PositionGoesThroughThePlacementRuleWithTheLoadedGraphSwitch)
{
    WriteBytes(path, "[YRK]\nSIZE=TRUE\nPOS=-5 70\n");
    bool graphSeen = false;
    ScheduleSettings s = Load([&](std::int32_t x, std::int32_t y, bool graph) {
        graphSeen = graph;
        return x == -5 && y == 70;
    });
    EXPECT_TRUE(graphSeen);
    EXPECT_EQ(s.windowPos.left, -5);
    EXPECT_EQ(s.windowPos.top, 70);

    WriteBytes(path, "[YRK]\nPOS=12\n");
    s = Load();
    EXPECT_EQ(s.windowPos.left, 111) << "one number is not a position";
}

TEST_F(SettingsFileTest, AnInvalidDateIsSavedAsMinusOnesAndThenFallsBack)
{
    ScheduleSettings s = LoadFrom("[YRK]\nEXAM=2000 2 30\n");
    SaveSettings(s, path, "Quit", {1, 2});
    EXPECT_NE(ReadBytes(path).find("EXAM=-1 -1 -1\n"), std::string::npos);
    EXPECT_EQ(FieldsOf(Load().examDate), (Ymd{1899, 12, 30}));
}

TEST_F(SettingsFileTest, LaterSaveWinsAndOtherLinesStay)
{
    const std::string before =
        "; my notes\r\n[Other]\r\nkey=value\r\n\r\n[yrk]\r\nUNKNOWN=keep me\r\nCALLBY=old\r\n";
    ScheduleSettings s = LoadFrom(before);
    SaveSettings(s, path, "SysCommand", {10, 20});
    SaveSettings(s, path, "Quit", {30, 40});
    const std::string after = ReadBytes(path);
    EXPECT_EQ(after.rfind("; my notes\r\n[Other]\r\nkey=value\r\n\r\n[yrk]\r\nUNKNOWN=keep me\r\n", 0), 0u)
        << after;
    EXPECT_NE(after.find("CALLBY=Quit\r"), std::string::npos) << "replaced in place, CRLF kept";
    EXPECT_NE(after.find("POS=30 40"), std::string::npos);
    EXPECT_EQ(after.find("POS=10 20"), std::string::npos);
    EXPECT_EQ(s.windowPos.left, 30);
    EXPECT_EQ(s.windowPos.top, 40);
}

// LASTYEAR moves the last year of the schedule on; without a readable one
// the window stays 1999 to 2010. A save keeps the line and never writes it.
TEST_F(SettingsFileTest, LastYearWidensTheScheduleAndStaysInTheFile)
{
    const struct {
        const char* line;
        std::uint32_t lastYear;
        bool takes2027;   // EXAM=2027 10 17 read, or refused as out of range
    } rows[] = {
        {"", 2010, false},          {"LASTYEAR=2040\n", 2040, true}, {"LASTYEAR=2027\n", 2027, true},
        {"LASTYEAR=2026\n", 2026, false}, {"LASTYEAR= 2030x\n", 2030, true}, {"LASTYEAR=abc\n", 2010, false},
        {"LASTYEAR=1998\n", 2010, false}, {"LASTYEAR=-5\n", 2010, false}, {"LASTYEAR=120000\n", 9999, true},
    };
    for (const auto& row : rows) {
        const std::string file = std::string("[YRK]\n") + row.line + "EXAM=2027 10 17\n";
        ScheduleSettings settings = LoadFrom(file);
        EXPECT_EQ(settings.lastYear, row.lastYear) << row.line;
        EXPECT_EQ(settings.examDate.year() == 2027, row.takes2027) << row.line;
        ASSERT_TRUE(SaveSettings(settings, path, "Quit", {1, 2}));
        const std::string saved = ReadBytes(path);
        const std::string kept = *row.line ? row.line : "LASTYEAR";
        EXPECT_EQ(saved.find(kept) != std::string::npos, *row.line != '\0') << saved;
    }
}

TEST_F(SettingsFileTest, ASaveWithoutAPositionKeepsTheStoredOne)
{
    struct Case {
        const char* file;
        const char* posLineAfter;   // nullptr: still no POS line
    };
    const Case cases[] = {
        {"[YRK]\nPOS=120 80\nCALLBY=Dialog\n", "POS=120 80\n"},
        {"[YRK]\nSIZE=TRUE\n", nullptr},
    };
    for (const Case& c : cases) {
        ScheduleSettings s = LoadFrom(c.file);
        const WindowPos loaded = s.windowPos;
        ASSERT_TRUE(SaveSettings(s, path, "EndSession", std::nullopt));
        const std::string after = ReadBytes(path);
        if (c.posLineAfter)
            EXPECT_NE(after.find(c.posLineAfter), std::string::npos) << after;
        else
            EXPECT_EQ(after.find("POS="), std::string::npos) << after;
        EXPECT_NE(after.find("CALLBY=EndSession\n"), std::string::npos) << after;
        EXPECT_EQ(s.windowPos.left, loaded.left);
        EXPECT_EQ(s.windowPos.top, loaded.top);
    }
}

TEST_F(SettingsFileTest, DamagedFilesNeverCrashAndGiveDefaultsWhereUnreadable)
{
    const std::vector<std::string> damaged = {
        "[YRK]\nTITLE=abc\nSTA",                              // truncated mid-key
        std::string("\x00\xff\x81[YRK\x00]\n=\n==\n[", 13),   // binary garbage
        "[YRK]\nTITLE=" + std::string(100 * 1024, 'x'),       // a 100 KB line, no newline
        "[YRK]\nSIZE=TRUE",                                   // no newline at the end
    };
    for (const std::string& contents : damaged) {
        const ScheduleSettings s = LoadFrom(contents);
        EXPECT_LE(s.title.size(), ScheduleSettings::kTitleLimit);
        ScheduleSettings copy = s;
        SaveSettings(copy, path, "Quit", {0, 0});
        EXPECT_NE(ReadBytes(path).find("CALLBY=Quit"), std::string::npos);
    }
    EXPECT_TRUE(LoadFrom("[YRK]\nSIZE=TRUE").showGraph);
}

TEST_F(SettingsFileTest, ADirectoryInPlaceOfTheFileIsLeftAlone)
{
    TempDir perUser;
    EnvGuard place(kPerUserVariable, perUser.path().string());
    std::filesystem::create_directory(path);
    ScheduleSettings s = Load();
    EXPECT_EQ(s.title, kDefaultTitle);
    s.showGraph = true;
    EXPECT_TRUE(SaveSettings(s, path, "Quit", {0, 0}));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator{}), 1)
        << "no temporary file left behind";
    EXPECT_TRUE(Load().showGraph) << "the per-user copy is read at the next start";
    EXPECT_EQ(Entries(perUser.path()), std::set<std::string>{"yoruka"});
}

// Once a per-user copy exists it is the settings file, even where the one
// beside the program could be written: reads and saves meet in one file.
TEST_F(SettingsFileTest, APerUserCopyIsReadAndSavedBeforeTheFileBesideTheProgram)
{
    TempDir perUser;
    EnvGuard place(kPerUserVariable, perUser.path().string());
    const std::string beside = "[YRK]\nSIZE=FALSE\nPOS=5 5\n";
    WriteBytes(path, beside);
    std::filesystem::create_directory(perUser.path() / "yoruka");
    const std::string copy = (perUser.path() / "yoruka" / "yrk.ini").string();
    WriteBytes(copy, "; mine\n[YRK]\nSIZE=TRUE\n");

    ScheduleSettings s = Load();
    EXPECT_TRUE(s.showGraph);
    ASSERT_TRUE(SaveSettings(s, path, "Quit", {7, 8}));
    EXPECT_EQ(ReadBytes(copy), "; mine\n[YRK]\nSIZE=TRUE\nTITLE=" + kDefaultTitle +
                                   "\nSTART=1999 4 19\nEXAM=1999 10 17\nNEXAM=2000 4 16\n"
                                   "SHOWNEXTEXAM=FALSE\nPOS=7 8\nCALLBY=Quit\n");
    EXPECT_EQ(ReadBytes(path), beside);
}

// `path` with its '/' written as the platform's separator.
std::string Native(std::string path)
{
    std::replace(path.begin(), path.end(), '/', fw::DirectorySeparator());
    return path;
}

TEST(SettingsFilePathTest, TakesTheProgramsDirectory)
{
    const std::pair<std::string, std::string> cases[] = {
        {"/opt/exam tools/yoruka", "/opt/exam tools/yrk.ini"},
        {"./build/yoruka", "./build/yrk.ini"},
        {"yoruka", "yrk.ini"},
        {"\"/opt/x/yoruka\"", "/opt/x/yrk.ini"},
        {"/home/u/ヨルカ/yoruka", "/home/u/ヨルカ/yrk.ini"},
        {"", "yrk.ini"},
    };
    for (const auto& [program, settings] : cases)
        EXPECT_EQ(SettingsFilePath(Native(program)), Native(settings)) << program;
}

}  // namespace
