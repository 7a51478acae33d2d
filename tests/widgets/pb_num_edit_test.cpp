// TPBNumEdit driven by real key events under Hungarian and English regional
// settings: grouping while typing, the character filter, the deletion keys,
// regrouping on release, leaving and entering the field, the clipboard.
#include "num_edit_harness.h"

#include "base/exceptions.h"
#include "widgets/window_system.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace rq::widgets::testing {
namespace {

class NumEditKeys : public ::testing::TestWithParam<LocaleCase> {};

struct KeyCase {
    const char* name;
    const char* script; // see NumEditHarness::play
    const char* text;   // Hungarian-style expected text
    int caret;          // expected caret, -1: not checked
    int beeps;
};

const KeyCase kKeyCases[] = {
    {"DigitsGroupWhileTyping", "1234567", "1 234 567", 9, 0},
    {"DigitReplacesInitialZero", "5", "5", 1, 0},
    {"MinusAddsLeadingSign", "1200{LEFT}{LEFT}-", "-1 200", 4, 0},
    {"MinusAgainRemovesSign", "1200{LEFT}{LEFT}--", "1 200", 3, 0},
    {"MinusThenDigitReplacesZero", "-5", "-5", 2, 0},
    {"BackspaceBehindSeparatorDeletesDigitBeforeIt", "1200{HOME}{RIGHT}{RIGHT}{BS}", "200", 0, 0},
    {"DeleteBeforeSeparatorDeletesDigitAfterIt", "1234{HOME}{RIGHT}{DEL}", "134", 1, 0},
    {"BackspaceOnOnlyDigitLeavesZero", "5{BS}", "0", 1, 0},
    {"DeletingEverythingLeavesZero", "1234{SELALL}{BS}", "0", -1, 0},
    {"BackspaceInDecimalsClosesUp", "1,25{LEFT}{BS}", "1,5", 2, 0},
    // "-5E" less its "5" would be "-E": no number, so the key is refused.
    {"BackspaceThatLeavesNoNumberIsRefused", "{SET:-5E}{END}{BS}", "-5E", 3, 1},
    {"EnterIsRefusedAndRegroups", "5,{ENTER}", "5", 1, 1},
    {"SpaceIsRefusedAndRegroups", "5,{SPACE}", "5", 1, 1},
    {"LettersAreRefused", "1a2x3", "123", 3, 2},
    {"SecondDecimalSeparatorOnlyMovesCaret", "5,25{HOME},9", "5,925", 3, 0},
    {"DecimalSeparatorGoesToEndOfMantissa", "12{HOME},", "12,", 3, 0},
    {"DecimalsAfterGroupedDigits", "1234,5", "1 234,5", 7, 0},
    {"LoneSeparatorDisappearsOnLeaving", "5,{LEAVE}", "5", -1, 0},
    {"OutsideTextIsRegroupedOnLeaving", "{SET:1234567}{LEAVE}", "1 234 567", -1, 0},
    {"ExponentIsRegroupedOnRelease", "5E3", "5 000", -1, 0},
    {"LowerCaseExponentMark", "5e3", "5 000", -1, 0},
    {"ExponentMarkTwiceOnlyMovesCaret", "5E{HOME}E3", "5 000", -1, 0},
    {"ExponentBeyondExtendedRangeIsRefused", "1E-4933", "1E-493", -1, 1},
    // 19 digits turn into "5E18"; the next zeros go into the exponent until
    // it would pass 4932.
    {"ZerosAfterFiveStopAtTheExtendedRange", "50000000000000000000000000", "5E1800", 6, 5},
    {"NumberBeyondTheExtendedMaximumIsRefused", "{SET:2E493}{END}2", "2E493", 5, 1},
    {"MantissaBeyondTheExtendedMaximumIsRefused", "{SET:9E4931}{HOME}9", "9E4931", 0, 1},
    {"SignOfALargeNegativeExponentStays", "{SET:5E-4932}{END}-", "5E-4932", 7, 1},
    {"ExtendedNumberSurvivesLeaving", "{SET:9E4931}{LEAVE}", "9E4931", -1, 0},
};

TEST_P(NumEditKeys, ScriptsGiveTextCaretAndBeeps) {
    for (const auto& c : kKeyCases) {
        SCOPED_TRACE(c.name);
        NumEditHarness field(GetParam());
        field.play(c.script);
        EXPECT_EQ(field.edit().text(), field.local(c.text));
        if (c.caret >= 0) {
            EXPECT_EQ(field.edit().cursorPosition(), c.caret);
        }
        EXPECT_EQ(field.beeps(), c.beeps);
        EXPECT_EQ(field.errors(), std::vector<std::string>());
    }
}

TEST_P(NumEditKeys, GroupingChangesOnTheReleaseThatChangesIt) {
    NumEditHarness field(GetParam());
    const char* const steps[] = {"1", "12", "123", "1 234", "12 345", "123 456", "1 234 567"};
    int typed = 0;
    for (const char* expected : steps) {
        QTest::keyPress(&field.edit(), static_cast<char>('1' + typed));
        QTest::keyRelease(&field.edit(), static_cast<char>('1' + typed));
        ++typed;
        EXPECT_EQ(field.edit().text(), field.local(expected));
        EXPECT_EQ(field.edit().cursorPosition(), field.edit().text().size()) << expected;
    }
}

TEST_P(NumEditKeys, KeyPressInsertsAndOnlyTheReleaseRegroups) {
    NumEditHarness field(GetParam());
    field.play("123");
    QTest::keyPress(&field.edit(), '4');
    EXPECT_EQ(field.edit().text(), field.local("1234"));
    QTest::keyRelease(&field.edit(), '4');
    EXPECT_EQ(field.edit().text(), field.local("1 234"));
}

TEST_P(NumEditKeys, ClipboardCarriesDigitsWithoutGrouping) {
    {
        NumEditHarness field(GetParam());
        field.play("12500{SELALL}{COPY}");
        EXPECT_EQ(clipboardText(), QStringLiteral("12500"));
        EXPECT_EQ(field.edit().text(), field.local("12 500"));
    }
    {
        NumEditHarness field(GetParam());
        field.play("12500{SELALL}{CUT}");
        EXPECT_EQ(clipboardText(), QStringLiteral("12500"));
        EXPECT_EQ(field.edit().text(), QStringLiteral("0"));
    }
    {
        NumEditHarness field(GetParam());
        putClipboardText(QStringLiteral("1x234"));
        field.play("{PASTE}");
        EXPECT_EQ(field.edit().text(), field.local("1 234"));
        EXPECT_EQ(field.beeps(), 1); // the "x"
    }
}

TEST_P(NumEditKeys, EnteringSelectsTheWholeTextAlsoByMouseClick) {
    NumEditHarness field(GetParam());
    field.play("1234{LEAVE}");
    ASSERT_TRUE(field.other().hasFocus());
    QTest::mouseClick(&field.edit(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(field.edit().hasFocus());
    EXPECT_EQ(field.edit().selectedText(), field.local("1 234"));
    // A second click inside the focused field places the caret as usual.
    QTest::mouseClick(&field.edit(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(field.edit().hasSelectedText());
}

TEST_P(NumEditKeys, ValueReadsAndWritesTheText) {
    NumEditHarness field(GetParam());
    field.edit().SetValue(1234567.891);
    EXPECT_EQ(field.edit().text(), field.local("1 234 567,891"));
    EXPECT_DOUBLE_EQ(field.edit().Value(), 1234567.891);
    // At most fifteen digits in all.
    field.edit().SetValue(123456789012.345678);
    EXPECT_EQ(field.edit().text(), field.local("123 456 789 012,346"));
    field.edit().setText(QStringLiteral("12abc"));
    try {
        (void)field.edit().Value();
        ADD_FAILURE() << "no conversion failure";
    } catch (const base::EConvertError& e) {
        EXPECT_STREQ(e.what(), "'12abc' is not a valid floating point value");
    }
}

TEST_P(NumEditKeys, LeavingOutsideTheRangeCorrectsToTheBound) {
    NumEditHarness field(GetParam());
    field.edit().SetMinValue(10);
    field.edit().SetMaxValue(100);
    field.play("5{LEAVE}");
    EXPECT_EQ(field.edit().text(), QStringLiteral("10"));
    EXPECT_EQ(field.beeps(), 1);
    QTest::qWait(20);
    EXPECT_TRUE(field.edit().hasFocus());

    int called = 0;
    field.edit().OnInvalidEntry = [&](TPBNumEdit&) { ++called; };
    field.play("{SELALL}500{LEAVE}");
    EXPECT_EQ(called, 1);
    EXPECT_EQ(field.edit().text(), QStringLiteral("500"));
}

TEST_P(NumEditKeys, ReadOnlyFieldIgnoresTyping) {
    NumEditHarness field(GetParam());
    field.edit().setReadOnly(true);
    field.play("12{BS}-");
    EXPECT_EQ(field.edit().text(), QStringLiteral("0"));
    EXPECT_EQ(field.beeps(), 0);
}

INSTANTIATE_TEST_SUITE_P(Locales, NumEditKeys, ::testing::ValuesIn(kLocales),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NumEditSettings, DecimalsAreClamped) {
    NumEditHarness field(kLocales[0]);
    const std::pair<int, int> cases[] = {{-5, -1}, {3, 3}, {20, 14}};
    for (const auto& [set, expected] : cases) {
        field.edit().SetDecimals(set);
        EXPECT_EQ(field.edit().Decimals(), expected) << set;
    }
    field.edit().setMaxLength(6);
    field.edit().SetDecimals(10);
    EXPECT_EQ(field.edit().Decimals(), 4);
}

} // namespace
} // namespace rq::widgets::testing
