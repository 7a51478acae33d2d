// The report's value callback of the main window: the certificate's names
// answered exactly as written, from the fields as they show, with the date of
// issue in the short date format and the document identifier.
#include "form1_harness.h"

#include "base/date_text.h"
#include "widgets/window_system.h"

#include <QTest>

namespace rq::app::testing {
namespace {

using ReportVariables = MainWindowTest;

// Asks the callback the way the report does: the value starts Empty.
base::Variant ask(const TForm1& form, const std::string& name) {
    base::Variant value;
    form.frxReport1GetValue(name, value);
    return value;
}

void fill(TForm1& form) {
    const std::pair<QLineEdit*, const char*> fields[] = {
        {form.Edit1, "Ez\xFCstliget K\xF6zs\xE9g"},
        {form.Edit2, "F\xF5 utca 1."},
        {form.Edit3, "Kov\xE1"
                     "cs \xC9va"},
        {form.Edit4, "k\xF6nyvel\xF5"},
        {form.Edit5, "2001"},
        {form.Edit6, "Szab\xF3 \xC9va"},
        {form.Edit7, "Kossuth t\xE9r 2."},
    };
    for (const auto& [edit, text] : fields)
        edit->setText(widgets::fromAnsi(text));
}

TEST_F(ReportVariables, NamesOfTheTableAnswerTheirFieldsAsStrings) {
    fill(form());
    form().SetDocumentId("4567894C4");
    const std::pair<const char*, const char*> expected[] = {
        {"m1", "Ez\xFCstliget K\xF6zs\xE9g"},
        {"m2", "F\xF5 utca 1."},
        {"m3", "Kov\xE1"
               "cs \xC9va"},
        {"m4", "k\xF6nyvel\xF5"},
        {"m5", "2001"},
        {"m6", "Szab\xF3 \xC9va"},
        {"m9", "Kossuth t\xE9r 2."},
        {"m13", ", le\xE1nykori neve: <b>Szab\xF3 \xC9va</b>"},
        {"m7", "0"},
        {"m8", "0"},
        {"azon", "4567894C4"},
    };
    for (const auto& [name, text] : expected) {
        SCOPED_TRACE(name);
        const base::Variant value = ask(form(), name);
        EXPECT_EQ(value.type(), base::VarType::String);
        EXPECT_EQ(value.toString(), text);
    }
}

TEST_F(ReportVariables, OtherNamesAndOtherCaseLeaveTheValueUntouched) {
    fill(form());
    for (const char* name : {"M1", "M13", "Datum", "AZON", "m10", "m", "m1 ", "", "Edit1"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(ask(form(), name).isEmpty());
        base::Variant preset(42);
        form().frxReport1GetValue(name, preset);
        EXPECT_EQ(preset.type(), base::VarType::Integer);
        EXPECT_EQ(preset.toString(), "42");
    }
}

TEST_F(ReportVariables, EmptyMaidenNameGivesEmptyClause) {
    fill(form());
    form().Edit6->clear();
    const base::Variant clause = ask(form(), "m13");
    EXPECT_EQ(clause.type(), base::VarType::String);
    EXPECT_EQ(clause.toString(), "");
    EXPECT_EQ(ask(form(), "m6").toString(), "");
}

TEST_F(ReportVariables, AmountsAreTheFieldsTextAsShownWithGrouping) {
    form().PBNumEdit1->setFocus();
    QTest::keyClicks(form().PBNumEdit1, QStringLiteral("1234567"));
    form().PBNumEdit2->setFocus(); // leaving the first field regroups it
    QTest::keyClicks(form().PBNumEdit2, QStringLiteral("12500,5"));
    form().Edit1->setFocus();
    EXPECT_EQ(ask(form(), "m7").toString(), "1\xA0"
                                            "234\xA0"
                                            "567");
    EXPECT_EQ(ask(form(), "m8").toString(), "12\xA0"
                                            "500,5");
}

TEST_F(ReportVariables, DatumIsTheDayInTheShortDateFormat) {
    form().Printing.today = [] { return base::encodeDate(2026, 3, 7); };
    base::FormatSettings settings = base::formatSettings();
    settings.ShortDateFormat = "yyyy. MM. dd.";
    settings.DateSeparator = '.';
    base::FormatSettingsScope hungarian(settings);
    EXPECT_EQ(ask(form(), "datum").toString(), "2026. 03. 07.");
    settings.ShortDateFormat = "M/d/yyyy";
    settings.DateSeparator = '/';
    base::FormatSettingsScope english(settings);
    EXPECT_EQ(ask(form(), "datum").toString(), "3/7/2026");
}

TEST_F(ReportVariables, DatumWithoutAFixedDayIsTodaysDate) {
    const base::Variant before = ask(form(), "datum");
    const std::string today = base::dateToStr(base::currentDate());
    const base::Variant after = ask(form(), "datum");
    // Midnight may pass between the calls; one of them matches.
    EXPECT_TRUE(before.toString() == today || after.toString() == today) << today;
}

TEST_F(ReportVariables, TheReportAsksTheWindow) {
    fill(form());
    ASSERT_TRUE(form().frxReport1.OnGetValue);
    base::Variant value;
    form().frxReport1.OnGetValue("m3", value);
    EXPECT_EQ(value.toString(), "Kov\xE1"
                                "cs \xC9va");
}

} // namespace
} // namespace rq::app::testing
