// The standard routines through scripts: one table of expressions per
// category with their results as text (English settings), conversion errors
// with their exact messages, by-reference write-back, and formatting under
// Hungarian and English settings.
#include "../support/script_runner.h"
#include "base/format_settings.h"
#include "script/global_library.h"
#include "script/script.h"
#include "script/stdlib.h"

#include <gtest/gtest.h>

#include <map>

namespace rq::script {
namespace {

using rq::base::Variant;

// Runs "var r: Variant; ... begin <body> end." under the global library and
// gives r; compile errors and run-time errors come back as text.
class ScriptRunner {
public:
    explicit ScriptRunner(std::string declarations = {})
        : declarations_(std::move(declarations)), script_(&fsGlobalUnit()) {}

    std::string Run(const std::string& body) {
        script_.Clear();
        std::string failure = rq::test::CompileAndRun(
            script_, {"var r: Variant; " + declarations_, "begin", body, "end."});
        return failure.empty() ? Value("r").toString() : failure;
    }

    Variant Value(const std::string& name) { return rq::test::ValueOf(script_, name); }

private:
    std::string declarations_;
    TfsScript script_;
};

struct RoutineCase {
    const char* name;
    const char* expression; // assigned to r
    const char* expected;   // r as text
};

class RoutineTest : public testing::TestWithParam<RoutineCase> {
protected:
    rq::base::FormatSettingsScope english_{rq::base::defaultFormatSettings()};
};

TEST_P(RoutineTest, GivesResult) {
    ScriptRunner runner;
    EXPECT_EQ(runner.Run(std::string("r := ") + GetParam().expression), GetParam().expected);
}

const RoutineCase kConversions[] = {
    {"IntToStr", "IntToStr(-42)", "-42"},
    {"FloatToStr", "FloatToStr(2.5)", "2.5"},
    {"FloatToStrShortest", "FloatToStr(1 / 3)", "0.333333333333333"},
    {"DateToStr", "DateToStr(EncodeDate(2024, 2, 29))", "2/29/2024"},
    {"TimeToStr", "TimeToStr(EncodeTime(13, 5, 9, 0))", "1:05:09 PM"},
    {"DateTimeToStr", "DateTimeToStr(EncodeDate(2024, 1, 2) + EncodeTime(8, 0, 0, 0))",
     "1/2/2024 8:00:00 AM"},
    {"VarToStrNull", "VarToStr(Null)", ""},
    {"VarToStrBoolean", "VarToStr(True)", "True"},
    {"StrToInt", "StrToInt(' 12') + 1", "13"},
    {"StrToIntHex", "StrToInt('$1F')", "31"},
    {"StrToFloat", "StrToFloat('1.25') * 2", "2.5"},
    {"StrToDate", "StrToDate('3/15/2024')", "45366"},
    {"StrToTime", "StrToTime('6:00')", "0.25"},
    {"StrToDateTime", "StrToDateTime('1/1/2000 12:00')", "36526.5"},
};
INSTANTIATE_TEST_SUITE_P(Conv, RoutineTest, testing::ValuesIn(kConversions),
                         [](const auto& info) { return info.param.name; });

const RoutineCase kFormats[] = {
    {"FormatIntegerAndString", "Format('%d-%s', [7, 'x'])", "7-x"},
    {"FormatFixed", "Format('%.2f', [3.14159])", "3.14"},
    {"FormatWidth", "Format('[%5d]', [42])", "[   42]"},
    {"FormatFloatPicture", "FormatFloat('#,##0.00', 1234.5)", "1,234.50"},
    {"FormatDateTimePicture", "FormatDateTime('yyyy-mm-dd', EncodeDate(2023, 7, 4))", "2023-07-04"},
    {"FormatMaskTextPhone", "FormatMaskText('(000) 000-0000;0;_', '5551234567')", "(555) 123-4567"},
    {"FormatMaskTextSavedLiterals", "FormatMaskText('>LL-00;1;_', 'ab-12')", "AB-12"},
    {"FormatMaskTextShortValue", "FormatMaskText('000;0;*', '7')", "7**"},
};
INSTANTIATE_TEST_SUITE_P(Format, RoutineTest, testing::ValuesIn(kFormats),
                         [](const auto& info) { return info.param.name; });

const RoutineCase kDates[] = {
    {"EncodeDate", "EncodeDate(1900, 1, 1) * 1", "2"},
    {"LiteralShiftLeftIn64Bits", "1 shl 31", "2147483648"},
    {"LiteralShiftRightIn64Bits", "-1 shr 28", "68719476735"},
    {"LargeLiteralStaysInteger", "VarType(3000000000) = varInt64", "True"},
    {"AmpersandSurvivesTheIL", "Length('a&#60;b')", "7"},
    {"DateDifferenceIsDays", "EncodeDate(2024, 3, 1) - EncodeDate(2024, 2, 1)", "29"},
    {"EncodeTime", "EncodeTime(12, 0, 0, 0) * 1", "0.5"},
    {"DayOfWeekSunday", "DayOfWeek(EncodeDate(2024, 3, 17))", "1"},
    {"DayOfWeekSaturday", "DayOfWeek(EncodeDate(2024, 3, 16))", "7"},
    {"LeapYear", "IsLeapYear(2000)", "True"},
    {"CenturyNotLeap", "IsLeapYear(1900)", "False"},
    {"DaysInLeapFebruary", "DaysInMonth(2024, 2)", "29"},
    {"DaysInFebruary", "DaysInMonth(2023, 2)", "28"},
    {"DaysInApril", "DaysInMonth(2023, 4)", "30"},
    {"DateHasNoTime", "Frac(Date)", "0"},
    {"TimeHasNoDate", "Trunc(Time)", "0"},
    {"NowIsTodayOrLater", "Now >= Date", "True"},
};
INSTANTIATE_TEST_SUITE_P(Date, RoutineTest, testing::ValuesIn(kDates),
                         [](const auto& info) { return info.param.name; });

const RoutineCase kStrings[] = {
    {"Length", "Length('abc')", "3"},
    {"LengthEmpty", "Length('')", "0"},
    {"Copy", "Copy('abcdef', 2, 3)", "bcd"},
    {"CopyPastEnd", "Copy('abcdef', 5, 10)", "ef"},
    {"CopyFromZero", "Copy('abc', 0, 2)", "ab"},
    {"CopyBeyond", "Copy('abc', 9, 2)", ""},
    {"CopyHugeCount", "Copy('abc', 2, 2147483647)", "bc"},
    {"Pos", "Pos('cd', 'abcdef')", "3"},
    {"PosAbsent", "Pos('x', 'abc')", "0"},
    {"Uppercase", "Uppercase('\xE1rv\xEDz abc')", "\xC1RV\xCDZ ABC"},
    {"Lowercase", "Lowercase('\xD5R \x8AKODA')", "\xF5r \x9Akoda"},
    {"Trim", "Trim(#9'  a b '#13#10)", "a b"},
    {"NameCase", "NameCase('jOHN smith')", "John Smith"},
    {"NameCaseAccented",
     "NameCase('\xE1RP\xC1"
     "D \xE9va')",
     "\xC1rp\xE1"
     "d \xC9va"},
    {"CompareTextEqual", "CompareText('ABC', 'abc')", "0"},
    {"CompareTextLess", "CompareText('abc', 'abd') < 0", "True"},
    {"CompareTextGreater", "CompareText('b', 'A') > 0", "True"},
    {"Chr", "Chr(65)", "A"},
    {"Ord", "Ord('a')", "97"},
    {"OrdHighByte", "Ord('\xE1')", "225"},
    {"OrdEmpty", "Ord('')", "0"},
};
INSTANTIATE_TEST_SUITE_P(String, RoutineTest, testing::ValuesIn(kStrings),
                         [](const auto& info) { return info.param.name; });

const RoutineCase kMath[] = {
    {"RoundHalfDown", "Round(2.5)", "2"},
    {"RoundHalfUp", "Round(3.5)", "4"},
    {"RoundNegativeHalf", "Round(-2.5)", "-2"},
    {"RoundNearest", "Round(2.6)", "3"},
    {"Trunc", "Trunc(-2.7)", "-2"},
    {"TruncPositive", "Trunc(2.7)", "2"},
    {"IntIsFloat", "VarType(Int(2.7)) = varDouble", "True"},
    {"IntValue", "Int(-2.7)", "-2"},
    {"Frac", "Frac(-2.75)", "-0.75"},
    {"Sqrt", "Sqrt(16)", "4"},
    {"Abs", "Abs(-3.5)", "3.5"},
    {"Sin", "Round(Sin(Pi / 2) * 1000)", "1000"},
    {"Cos", "Cos(0)", "1"},
    {"ArcTan", "Round(ArcTan(1) * 4 * 1000)", "3142"},
    {"Tan", "Round(Tan(Pi / 4) * 1000)", "1000"},
    {"Exp", "Exp(0)", "1"},
    {"Ln", "Round(Ln(Exp(2)) * 1000)", "2000"},
    {"Pi", "Pi", "3.14159265358979"},
};
INSTANTIATE_TEST_SUITE_P(Math, RoutineTest, testing::ValuesIn(kMath),
                         [](const auto& info) { return info.param.name; });

const RoutineCase kOther[] = {
    {"ValidInt", "ValidInt('12')", "True"},
    {"ValidIntBad", "ValidInt('1x')", "False"},
    {"ValidFloat", "ValidFloat('1.5e3')", "True"},
    {"ValidFloatBad", "ValidFloat('abc')", "False"},
    {"ValidDate", "ValidDate('12/31/2023')", "True"},
    {"ValidDateBad", "ValidDate('13/45/2023')", "False"},
    {"RandomInRange", "(Random >= 0) and (Random < 1)", "True"},
    {"VarTypeIntegerLiteral", "VarType(1)", "20"}, // literals are 64-bit integer values
    {"VarTypeInteger", "VarType(StrToInt('1'))", "3"},
    {"VarTypeString", "VarType('a') = varString", "True"},
    {"VarTypeNull", "VarType(Null)", "1"},
    {"ValueTypeCodes", "varArray + varByRef + varTypeMask", "28671"},
    {"ReportUnits", "fr1cm * 10 / fr01cm", "100"},
    {"WindowConstants", "mrYesToAll * 100 + VK_F12", "1123"},
    {"Cursor", "crHandPoint", "-21"},
};
INSTANTIATE_TEST_SUITE_P(Other, RoutineTest, testing::ValuesIn(kOther),
                         [](const auto& info) { return info.param.name; });

struct ErrorCase {
    const char* name;
    const char* statement;
    const char* message;
};

class RoutineErrorTest : public testing::TestWithParam<ErrorCase> {
protected:
    rq::base::FormatSettingsScope english_{rq::base::defaultFormatSettings()};
};

TEST_P(RoutineErrorTest, RaisesMessage) {
    ScriptRunner runner;
    EXPECT_EQ(runner.Run(GetParam().statement), GetParam().message);
}

const ErrorCase kErrors[] = {
    {"StrToIntBad", "r := StrToInt('12a')", "error: '12a' is not a valid integer value"},
    {"StrToFloatBad", "r := StrToFloat('1,5')", "error: '1,5' is not a valid floating point value"},
    {"StrToDateBad", "r := StrToDate('31/31/2020')", "error: '31/31/2020' is not a valid date"},
    {"StrToTimeBad", "r := StrToTime('25:99')", "error: '25:99' is not a valid time"},
    {"StrToDateTimeBad", "r := StrToDateTime('x')", "error: 'x' is not a valid date and time"},
    {"EncodeDateBad", "r := EncodeDate(2023, 2, 29)", "error: Invalid argument to date encode"},
    {"RaiseException", "RaiseException('Stop here')", "error: Stop here"},
    {"SqrtNegative", "r := Sqrt(-1)", "error: Invalid floating point operation"},
    {"LnZero", "r := Ln(0)", "error: Floating point division by zero"},
    {"FormatMismatch", "r := Format('%d', ['x'])",
     "error: Format '%d' invalid or incompatible with argument"},
    {"CreateOleObject", "r := CreateOleObject('Word.Application')",
     "error: CreateOleObject: automation objects are not supported on this platform"},
    {"VarArrayTooLarge", "r := VarArrayCreate([0, 100000000], varInteger)",
     "error: Invalid argument"},
    {"VarArrayHugeBounds", "r := VarArrayCreate([-2147483647, 2147483647], varVariant)",
     "error: Invalid argument"},
    {"TooFewArguments", "r := Copy('abc', 1)", "compile 3:10: Not enough actual parameters"},
};
INSTANTIATE_TEST_SUITE_P(Errors, RoutineErrorTest, testing::ValuesIn(kErrors),
                         [](const auto& info) { return info.param.name; });

// By-reference parameters take back what the routine left in them.
struct WriteBackCase {
    const char* name;
    const char* body;
    const char* expected; // r as text
};

class WriteBackTest : public testing::TestWithParam<WriteBackCase> {};

TEST_P(WriteBackTest, WritesIntoCallersVariables) {
    ScriptRunner runner("i: Integer; s: String; y, m, d, h, n, sec, ms: Word; v: Variant;");
    EXPECT_EQ(runner.Run(GetParam().body), GetParam().expected);
}

const WriteBackCase kWriteBacks[] = {
    {"IncWithoutSecondArgument", "i := 5; Inc(i); r := i", "6"},
    {"IncBy", "i := 5; Inc(i, 10); r := i", "15"},
    {"DecWithoutSecondArgument", "i := 5; Dec(i); r := i", "4"},
    {"DecBy", "i := 5; Dec(i, 7); r := i", "-2"},
    {"DecodeDate", "DecodeDate(EncodeDate(2024, 2, 29), y, m, d); r := y * 10000 + m * 100 + d",
     "20240229"},
    {"DecodeTime",
     "DecodeTime(EncodeTime(13, 45, 30, 250), h, n, sec, ms); "
     "r := IntToStr(h) + ':' + IntToStr(n) + ':' + IntToStr(sec) + '.' + IntToStr(ms)",
     "13:45:30.250"},
    {"Delete", "s := 'abcdef'; Delete(s, 2, 3); r := s", "aef"},
    {"DeletePastEnd", "s := 'abcdef'; Delete(s, 5, 100); r := s", "abcd"},
    {"DeleteOutside", "s := 'abc'; Delete(s, 0, 2); r := s", "abc"},
    {"Insert", "s := 'abef'; Insert('cd', s, 3); r := s", "abcdef"},
    {"InsertPastEnd", "s := 'ab'; Insert('c', s, 99); r := s", "abc"},
    {"SetLengthString", "v := 'abcdef'; SetLength(v, 2); r := v", "ab"},
    {"VarArrayCreate", "v := VarArrayCreate([0, 4], varInteger); r := v[4] + 1", "1"},
    {"SetLengthArray", "v := VarArrayCreate([0, 1], varVariant); SetLength(v, 4); r := v[4]", ""},
};
INSTANTIATE_TEST_SUITE_P(Other, WriteBackTest, testing::ValuesIn(kWriteBacks),
                         [](const auto& info) { return info.param.name; });

// Number and date pictures follow the current settings.
rq::base::FormatSettings Hungarian() {
    rq::base::FormatSettings s = rq::base::defaultFormatSettings();
    s.DecimalSeparator = ',';
    s.ThousandSeparator = ' ';
    s.DateSeparator = '.';
    s.ShortDateFormat = "yyyy.MM.dd.";
    s.LongMonthNames[0] = "janu\xE1r";
    return s;
}

struct LocaleCase {
    const char* name;
    const char* expression;
    const char* english;
    const char* hungarian;
};

class LocaleFormatTest : public testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleFormatTest, FollowsSettings) {
    ScriptRunner runner;
    {
        rq::base::FormatSettingsScope scope(rq::base::defaultFormatSettings());
        EXPECT_EQ(runner.Run(std::string("r := ") + GetParam().expression), GetParam().english);
    }
    rq::base::FormatSettingsScope scope(Hungarian());
    EXPECT_EQ(runner.Run(std::string("r := ") + GetParam().expression), GetParam().hungarian);
}

const LocaleCase kLocaleCases[] = {
    {"FormatFixed", "Format('%.2f', [3.14159])", "3.14", "3,14"},
    {"FormatNumber", "Format('%.1n', [1234567.25])", "1,234,567.3", "1 234 567,3"},
    {"FormatFloat", "FormatFloat('#,##0.00', 1234.5)", "1,234.50", "1 234,50"},
    {"FormatDateTime", "FormatDateTime('yyyy. mmmm d.', EncodeDate(2024, 1, 5))",
     "2024. January 5.", "2024. janu\xE1r 5."},
    {"DateToStr", "DateToStr(EncodeDate(2024, 1, 5))", "1/5/2024", "2024.01.05."},
    {"StrToFloat", "StrToFloat(FloatToStr(2.5)) * 2", "5", "5"},
};
INSTANTIATE_TEST_SUITE_P(Locale, LocaleFormatTest, testing::ValuesIn(kLocaleCases),
                         [](const auto& info) { return info.param.name; });

TEST(ShowMessageTest, GoesThroughTheHook) {
    std::string shown;
    SetShowMessageHook([&](const std::string& text) { shown += text + "|"; });
    ScriptRunner runner;
    runner.Run("ShowMessage('Hello'); ShowMessage(42)");
    SetShowMessageHook({});
    EXPECT_EQ(shown, "Hello|42|");
}

TEST(CategoryTest, RoutinesCarryTheirCategories) {
    const struct {
        const char* routine;
        const char* category;
    } kCategories[] = {{"IntToStr", "ctConv"},   {"FormatFloat", "ctFormat"},
                       {"DecodeDate", "ctDate"}, {"NameCase", "ctString"},
                       {"Round", "ctMath"},      {"VarArrayCreate", "ctOther"}};
    for (const auto& c : kCategories) {
        auto* method = dynamic_cast<TfsMethodHelper*>(fsGlobalUnit().Find(c.routine));
        ASSERT_NE(method, nullptr) << c.routine;
        EXPECT_EQ(method->category, c.category) << c.routine;
        EXPECT_EQ(method->description, c.routine);
    }
}

// The global library holds the 63 standard routines of the six categories,
// each under its category, in table order, and no other categorised routine.
TEST(CategoryTest, LibraryHoldsEveryStandardRoutine) {
    using Names = std::vector<std::string>;
    const std::map<std::string, Names> expected = {
        {"ctConv",
         {"IntToStr", "FloatToStr", "DateToStr", "TimeToStr", "DateTimeToStr", "VarToStr",
          "StrToInt", "StrToFloat", "StrToDate", "StrToTime", "StrToDateTime"}},
        {"ctFormat", {"Format", "FormatFloat", "FormatDateTime", "FormatMaskText"}},
        {"ctDate",
         {"EncodeDate", "DecodeDate", "EncodeTime", "DecodeTime", "Date", "Time", "Now",
          "DayOfWeek", "IsLeapYear", "DaysInMonth"}},
        {"ctString",
         {"Length", "Copy", "Pos", "Delete", "Insert", "Uppercase", "Lowercase", "Trim", "NameCase",
          "CompareText", "Chr", "Ord", "SetLength"}},
        {"ctMath",
         {"Round", "Trunc", "Int", "Frac", "Sqrt", "Abs", "Sin", "Cos", "ArcTan", "Tan", "Exp",
          "Ln", "Pi"}},
        {"ctOther",
         {"Inc", "Dec", "RaiseException", "ShowMessage", "Randomize", "Random", "ValidInt",
          "ValidFloat", "ValidDate", "CreateOleObject", "VarArrayCreate", "VarType"}},
    };
    std::map<std::string, Names> found;
    std::size_t total = 0;
    for (int i = 0; i < fsGlobalUnit().Count(); ++i) {
        const auto* method = dynamic_cast<const TfsMethodHelper*>(&fsGlobalUnit().Items(i));
        if (method != nullptr && !method->category.empty()) {
            found[method->category].push_back(method->Name());
            ++total;
        }
    }
    EXPECT_EQ(found, expected);
    EXPECT_EQ(total, 63u);
}

} // namespace
} // namespace rq::script
