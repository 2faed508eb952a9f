// Reading and changing profile text in memory: one table of reads and one
// of writes, each row a rule of the platform's profile functions or a
// damaged file they must survive.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/ProfileFileText.h"
#include "core/ProfileParse.h"
#include "support/MarkedText.h"

namespace {

using namespace std::string_literals;
namespace profile = fw::profile;

struct ReadRow {
    const char* name;
    std::string text;
    std::string section;
    std::string key;
    std::optional<std::string> expected;
};

class ProfileFind : public testing::TestWithParam<ReadRow> {};

TEST_P(ProfileFind, GivesValueAsTheReaderDoes)
{
    const ReadRow& row = GetParam();
    EXPECT_EQ(profile::Find(row.text, row.section, row.key), row.expected);
}

const std::string kKanji = "\x8e\x8e";   // 試
const std::string k128Kanji = [] {
    std::string s;
    for (int i = 0; i < 128; ++i)
        s += kKanji;
    return s;
}();

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileFind,
    testing::Values(
        ReadRow{"NamesIgnoreCase", "[yrk]\ntitle=a\n", "YRK", "TITLE", "a"},
        ReadRow{"BlanksAroundNamesAndValue", " \t[ YRK\t]  \n \t TITLE \t=\t a b \t\n", "YRK", "TITLE", "a b"},
        ReadRow{"BlanksAroundArguments", "[YRK]\nTITLE=a\n", " YRK ", "\tTITLE ", "a"},
        ReadRow{"DoubleQuotesDropped", "[s]\nk=\" a \"\n", "s", "k", " a "},
        ReadRow{"SingleQuotesDropped", "[s]\nk='x'\n", "s", "k", "x"},
        ReadRow{"OnlyOnePairDropped", "[s]\nk=\"\"x\"\"\n", "s", "k", "\"x\""},
        ReadRow{"UnequalQuotesKept", "[s]\nk=\"x'\n", "s", "k", "\"x'"},
        ReadRow{"LoneQuoteKept", "[s]\nk=\"\n", "s", "k", "\""},
        ReadRow{"NoTrailingComment", "[s]\nk=a ; b\n", "s", "k", "a ; b"},
        ReadRow{"EmptyValueIsPresent", "[s]\nk=\n", "s", "k", ""},
        ReadRow{"CommentLineHoldsNoKey", "[s]\n  ;k=1\nk=2\n", "s", "k", "2"},
        ReadRow{"LineWithoutEqualsHoldsNoKey", "[s]\nk\n", "s", "k", std::nullopt},
        ReadRow{"TextAfterBracketIgnored", "[s] junk ]\nk=1\n", "s", "k", "1"},
        ReadRow{"LinesBeforeFirstSectionBelongToNone", "k=0\n[s]\nk=1\n", "s", "k", "1"},
        ReadRow{"KeyOfAnotherSection", "[s]\n[t]\nk=1\n", "s", "k", std::nullopt},
        ReadRow{"FirstOfTwoKeys", "[s]\nk=1\nK=2\n", "s", "k", "1"},
        ReadRow{"OnlyFirstOfTwoSections", "[s]\na=1\n[S]\nb=2\n", "s", "b", std::nullopt},
        ReadRow{"CrlfLineEnds", "[s]\r\nk=v\r\n", "s", "k", "v"},
        ReadRow{"LoneCrEndsLine", "[s]\rk=v\r", "s", "k", "v"},
        ReadRow{"LoneCrEndsSection", "[s]\ra=1\r[t]\rk=v\r", "s", "k", std::nullopt},
        ReadRow{"MixedLineEnds", "[s]\ra=1\nk=v\r\n", "s", "k", "v"},
        ReadRow{"NoFinalNewline", "[s]\nk=v", "s", "k", "v"},
        ReadRow{"NulEndsValue", "[s]\nk=a\0b\n"s, "s", "k", "a"},
        ReadRow{"SectionTrailByteIsBracket", "[\x83\x5d]\nk=1\n", "\x83\x5d", "k", "1"},
        ReadRow{"TrailBytesAreNotCaseFolded", "[\x83\x41]\nk=1\n", "\x83\x61", "k", std::nullopt},
        ReadRow{"DamagedHeaderStartsNoSection", "[s\nk=1\n", "s", "k", std::nullopt},
        ReadRow{"DamagedHeaderEndsNoSection", "[s]\n[t\nk=1\n", "s", "k", "1"},
        ReadRow{"ReadStopsAt255Bytes", "[s]\nk=" + std::string(300, 'x'), "s", "k", std::string(255, 'x')},
        ReadRow{"CutFallsBeforeHalfCharacter", "[s]\nk=" + k128Kanji, "s", "k", k128Kanji.substr(0, 254)},
        ReadRow{"HundredKilobyteLine", "[s]\n" + std::string(100000, '=') + "\nk=1", "s", "k", "1"},
        ReadRow{"BinaryGarbage", "\x81\0\xff[s]\n\xfe\x81\n[s]\n"s, "s", "k", std::nullopt}),
    [](const testing::TestParamInfo<ReadRow>& info) { return info.param.name; });

TEST(ProfileRead, DefaultLosesTrailingSpacesAndIsCut)
{
    EXPECT_EQ(profile::Read("", "s", "k", "1999 4 19  "), "1999 4 19");
    EXPECT_EQ(profile::Read("", "s", "k", std::string(256, 'd')), std::string(255, 'd'));
    EXPECT_EQ(profile::Read("[s]\nk= \n", "s", "k", "def"), "");
}

struct WriteRow {
    const char* name;
    std::string before;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
};

class ProfileWrite : public testing::TestWithParam<WriteRow> {};

TEST_P(ProfileWrite, ChangesOnlyTheOneLine)
{
    const WriteRow& row = GetParam();
    std::string text = row.before;
    profile::Write(text, row.section, row.key, row.value);
    EXPECT_EQ(text, row.after);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileWrite,
    testing::Values(
        WriteRow{"NewText", "", " s ", "\tk ", "v", "[s]\nk=v\n"},
        WriteRow{"ReplaceKeepsKeySpelling", "[S]\n Title = old \n", "s", "TITLE", "new", "[S]\n Title =new\n"},
        WriteRow{"ReplaceKeepsCrlf", "[s]\r\nk=old\r\nx=1\r\n", "s", "k", "new", "[s]\r\nk=new\r\nx=1\r\n"},
        WriteRow{"ReplaceFirstOfTwoKeys", "[s]\nk=1\nk=2\n", "s", "k", "3", "[s]\nk=3\nk=2\n"},
        WriteRow{"ReplaceInFirstOfTwoSections", "[s]\na=1\n[s]\nb=2\n", "s", "b", "3", "[s]\na=1\nb=3\n[s]\nb=2\n"},
        WriteRow{"NewKeyAfterLastLineOfSection", "[s]\na=1\n; note\n\n[t]\nb=2\n", "s", "c", "3",
                 "[s]\na=1\n; note\nc=3\n\n[t]\nb=2\n"},
        WriteRow{"NewKeyUnderBareHeader", "[s]\n[t]\n", "s", "k", "v", "[s]\nk=v\n[t]\n"},
        WriteRow{"NewKeyIgnoresKeysBeforeFirstSection", "k=0\n[s]\n", "s", "k", "1", "k=0\n[s]\nk=1\n"},
        WriteRow{"NewSectionAtEnd", "[s]\na=1\n\n", "t", "b", "2", "[s]\na=1\n\n[t]\nb=2\n"},
        WriteRow{"MissingNewlineAddedForKey", "[s]\na=1", "s", "b", "2", "[s]\na=1\nb=2\n"},
        WriteRow{"MissingNewlineAddedForSection", "; c", "s", "b", "2", "; c\n[s]\nb=2\n"},
        WriteRow{"HeaderAtEndWithoutNewline", "[s]", "s", "k", "v", "[s]\nk=v\n"},
        WriteRow{"NewLinesFollowCrlf", "[s]\r\na=1\r\n", "s", "b", "2", "[s]\r\na=1\r\nb=2\r\n"},
        WriteRow{"CrlfFileWithoutLastNewline", "[s]\r\na=1", "s", "b", "2", "[s]\r\na=1\r\nb=2\r\n"},
        WriteRow{"LoneCarriageReturnAtEndCompleted", "[s]\r\na=1\r", "t", "b", "2", "[s]\r\na=1\r\n[t]\r\nb=2\r\n"},
        WriteRow{"ReplaceKeepsLoneCr", "[s]\rk=old\rx=1\r", "s", "k", "new", "[s]\rk=new\rx=1\r"},
        WriteRow{"NewKeyInCrFileKeepsOthers", "[s]\ra=1\r[t]\rb=2\r", "s", "c", "3", "[s]\ra=1\rc=3\r[t]\rb=2\r"},
        WriteRow{"NewSectionAfterFinalLoneCr", "[s]\ra=1\r", "t", "b", "2", "[s]\ra=1\r[t]\rb=2\r"},
        WriteRow{"ValueCutAtNewline", "[s]\nk=1\nz=9\n", "s", "k", "a\nz=evil", "[s]\nk=a\nz=9\n"},
        WriteRow{"ValueCutAtCarriageReturn", "[s]\nk=1\n", "s", "k", "x\ry", "[s]\nk=x\n"},
        WriteRow{"ValueCutAtNul", "", "s", "k", "x\0y"s, "[s]\nk=x\n"},
        WriteRow{"GarbageAndNulKept", "[s]\n\0\xff\x81\n"s, "s", "k", "v", "[s]\n\0\xff\x81\nk=v\n"s},
        WriteRow{"TrailByteBracketInHeader", "[\x83\x5d]\n", "\x83\x5d", "k", "v", "[\x83\x5d]\nk=v\n"}),
    [](const testing::TestParamInfo<WriteRow>& info) { return info.param.name; });

TEST(ProfileWrite, HundredKilobyteLineSurvives)
{
    const std::string big = "junk=" + std::string(100000, '\x81');
    std::string text = "[s]\n" + big + "\nk=1\n";
    profile::Write(text, "s", "k", "2");
    EXPECT_EQ(text, "[s]\n" + big + "\nk=2\n");
    EXPECT_EQ(profile::Find(text, "s", "junk")->size(), 254u);
}

// Whole files in the encoding their byte-order mark names, as the ANSI
// functions give and take them: CP932 names and values.
class ProfileFileTextFind : public testing::TestWithParam<ReadRow> {};

TEST_P(ProfileFileTextFind, ReadsInTheFilesEncoding)
{
    const ReadRow& row = GetParam();
    EXPECT_EQ(profile::FileText(row.text).Find(row.section, row.key), row.expected);
}

const std::string kShiken = "\x8e\x8e\x8c\xb1";   // 試験

INSTANTIATE_TEST_SUITE_P(
    Encodings, ProfileFileTextFind,
    testing::Values(
        ReadRow{"ByteOrderMarkStepped", "\xef\xbb\xbf[s]\nk=1\n", "s", "k", "1"},
        ReadRow{"Utf8Kanji", Utf8File("[s]\r\nk=試験\r\n"), "s", "k", kShiken},
        ReadRow{"Utf16LeKanji", Utf16File(u"[s]\r\nk=試験\r\n"), "s", "k", kShiken},
        ReadRow{"Utf16BeKanji", Utf16File(u"[\u8a66]\rk=試験\r", true), kShiken.substr(0, 2), "K", kShiken},
        ReadRow{"OutsideCp932IsQuestionMark", Utf16File(u"[s]\nk=한😀 x\n"), "s", "k", "?? x"},
        ReadRow{"BrokenUtf8", Utf8File("[s]\nk=\xe8\xa9x\xff\n"), "s", "k", "?x?"},
        ReadRow{"UnpairedSurrogate", Utf16File(u"[s]\nk=\xdc00\xd800x\n"), "s", "k", "??x"},
        ReadRow{"OddLastByte", Utf16File(u"[s]\nk=v") + "A", "s", "k", "v?"},
        ReadRow{"Utf8WithoutMarkIsCp932", "[s]\nk=\xe8\xa9\xa6\n", "s", "k", "\xe8\xa9\xa6"}),
    [](const testing::TestParamInfo<ReadRow>& info) { return info.param.name; });

struct FileWriteRow {
    const char* name;
    std::string before;
    std::string key;     // in section "s"
    std::string value;
    std::string after;
};

class ProfileFileTextWrite : public testing::TestWithParam<FileWriteRow> {};

TEST_P(ProfileFileTextWrite, KeepsEncodingAndUntouchedLines)
{
    const FileWriteRow& row = GetParam();
    profile::FileText file(row.before);
    file.Write("s", row.key, row.value, "\n");
    EXPECT_EQ(file.bytes(), row.after);
    EXPECT_EQ(file.Find("s", row.key), profile::FileText(row.after).Find("s", row.key));
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, ProfileFileTextWrite,
    testing::Values(
        FileWriteRow{"Utf16LeOtherLinesKept", Utf16File(u"[s]\r\nt=한 試験\r\nk=1\r\n"), "k", "2",
                     Utf16File(u"[s]\r\nt=한 試験\r\nk=2\r\n")},
        FileWriteRow{"Utf16BeNewKey", Utf16File(u"[s]\r\nt=한\r\n", true), "k", kShiken,
                     Utf16File(u"[s]\r\nt=한\r\nk=試験\r\n", true)},
        FileWriteRow{"Utf8ValueAsReadKeepsLine", Utf8File("[s]\nk=한 試験\n"), "k", "? " + kShiken,
                     Utf8File("[s]\nk=한 試験\n")},
        FileWriteRow{"Utf8LastLineCompletedAsItWas", Utf8File("[s]\nt=한"), "k", kShiken,
                     Utf8File("[s]\nt=한\nk=試験\n")},
        FileWriteRow{"MarkAloneGetsSection", "\xff\xfe", "k", "v", Utf16File(u"[s]\nk=v\n")},
        FileWriteRow{"OddLastByteNotCarriedOn", Utf16File(u"[s]\nt=v") + "A", "k", "1",
                     Utf16File(u"[s]\nt=v?\nk=1\n")},
        FileWriteRow{"ByteNotCp932", Utf8File("[s]\n"), "k", "a\x80", Utf8File("[s]\nk=a\uFFFD\n")}),
    [](const testing::TestParamInfo<FileWriteRow>& info) { return info.param.name; });

}  // namespace
