#include "settings/SettingsFile.h"

#include "core/CommandLine.h"
#include "core/ProfileFile.h"
#include "core/Text.h"
#include "settings/SettingsValues.h"

namespace {

constexpr std::string_view kSection = "YRK";
constexpr std::string_view kSettingsFileName = "yrk.ini";

void LoadDate(const fw::ProfileFile& file, std::string_view key, std::string_view fallback,
              date_ranges::Range years, CalendarDate& date)
{
    if (const auto read = settings_values::ReadDate(file.Get(kSection, key, fallback), years))
        date = *read;
}

void LoadSwitch(const fw::ProfileFile& file, std::string_view key, bool& on)
{
    if (const auto read = settings_values::ReadSwitch(file.Get(kSection, key, "FALSE")))
        on = *read;
}

void LoadPosition(const fw::ProfileFile& file, ScheduleSettings& settings,
                  const PlacementRule& placementRule)
{
    const auto pos = settings_values::ReadIntegers<2>(file.Get(kSection, "POS", "3000 3000"));
    if (pos && placementRule((*pos)[0], (*pos)[1], settings.showGraph))
        settings.windowPos = WindowPos{(*pos)[0], (*pos)[1]};
}

}  // namespace

std::string SettingsFilePath(std::string_view programPath)
{
    // A separator or '"' byte never occurs inside a multibyte UTF-8
    // character, so plain byte searches are safe on file-system paths.
    const std::size_t slash = programPath.rfind(fw::DirectorySeparator());
    std::string_view kept =
        slash == std::string_view::npos ? std::string_view{} : programPath.substr(0, slash + 1);
    if (const std::size_t quote = kept.find('"'); quote != std::string_view::npos)
        kept.remove_prefix(quote + 1);
    return std::string(kept) + std::string(kSettingsFileName);
}

void LoadSettings(ScheduleSettings& settings, const std::string& path,
                  std::string_view defaultTitle, const PlacementRule& placementRule)
{
    const fw::ProfileFile file = fw::ProfileFile::Open(path);
    const fw::ByteString title = file.Get(kSection, "TITLE", defaultTitle);
    settings.title = settings_values::CutTitle(title, ScheduleSettings::kTitleLimit);
    settings.lastYear = settings_values::ReadLastYear(file.Get(kSection, "LASTYEAR", ""));
    LoadDate(file, "START", "1999 4 19", settings.years(), settings.studyStart);
    LoadDate(file, "EXAM", "1999 10 17", settings.years(), settings.examDate);
    LoadDate(file, "NEXAM", "2000 4 16", settings.years(), settings.nextExamDate);
    LoadSwitch(file, "SIZE", settings.showGraph);
    LoadSwitch(file, "SHOWNEXTEXAM", settings.showNextExam);
    LoadPosition(file, settings, placementRule);
}

bool SaveSettings(ScheduleSettings& settings, const std::string& path,
                  std::string_view reason, std::optional<WindowPos> currentPos)
{
    using namespace settings_values;
    fw::ProfileFile file = fw::ProfileFile::Open(path);
    file.Set(kSection, "TITLE", settings.title);
    file.Set(kSection, "START", FormatDate(settings.studyStart));
    file.Set(kSection, "EXAM", FormatDate(settings.examDate));
    file.Set(kSection, "NEXAM", FormatDate(settings.nextExamDate));
    file.Set(kSection, "SIZE", FormatSwitch(settings.showGraph));
    file.Set(kSection, "SHOWNEXTEXAM", FormatSwitch(settings.showNextExam));
    if (currentPos) {
        file.Set(kSection, "POS", std::to_string(currentPos->left) + ' ' + std::to_string(currentPos->top));
        settings.windowPos = *currentPos;
    }
    file.Set(kSection, "CALLBY", reason);
    return file.Save();
}
