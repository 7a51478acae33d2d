// The language table: the Hungarian row the program selects, the English row,
// and the shape every row shares.
#include "base/text1250.h"
#include "dialogs/language_table.h"

#include <gtest/gtest.h>

#include <string>

namespace rq::dialogs {
namespace {

constexpr int kHungarian = static_cast<int>(Language::Hungarian);

std::string utf8(std::string_view text1250) {
    return rq::base::cp1250ToUtf8(text1250);
}

TEST(LanguageTable, HungarianRowHoldsEveryCaption) {
    const char* const expected[kLanguageEntryCount] = {
        "Mégsem",      "Figyelmeztetés",
        "Hiba",        "Információ",
        "Megerősítés", "",
        "Igen",        "Nem",
        "OK",          "Mégsem",
        "Megszakít",   "Újra",
        "Kihagy",      "Mind",
        "Mindre nem",  "Mindre igen",
        "Súgó",
    };
    const auto& row = languageRow(kHungarian);
    for (std::size_t i = 0; i < kLanguageEntryCount; ++i)
        EXPECT_EQ(utf8(row[i]), expected[i]) << "entry " << i;
}

TEST(LanguageTable, EnglishRowAndAccessorsAgree) {
    EXPECT_EQ(inputCancelCaption(0), "Cancel");
    EXPECT_EQ(kindCaption(0, MsgDlgType::mtInformation), "Information");
    EXPECT_EQ(kindCaption(0, MsgDlgType::mtConfirmation), "Confirm");
    EXPECT_EQ(buttonCaption(0, MsgDlgBtn::mbNoToAll), "No to all");
    EXPECT_EQ(buttonCaption(0, MsgDlgBtn::mbHelp), "Help");
    EXPECT_EQ(utf8(kindCaption(kHungarian, MsgDlgType::mtInformation)), "Információ");
    EXPECT_EQ(utf8(buttonCaption(kHungarian, MsgDlgBtn::mbRetry)), "Újra");
    EXPECT_EQ(utf8(inputCancelCaption(kHungarian)), "Mégsem");
}

TEST(LanguageTable, EveryRowHasCaptionsExceptTheCustomKind) {
    for (int language = 0; language < static_cast<int>(kLanguageCount); ++language) {
        const auto& row = languageRow(language);
        for (std::size_t i = 0; i < kLanguageEntryCount; ++i)
            EXPECT_EQ(row[i].empty(), i == kFirstKindEntry + 4)
                << "row " << language << " entry " << i;
    }
}

TEST(LanguageTable, IndexOutsideTheTableReadsTheEnglishRow) {
    EXPECT_EQ(&languageRow(-1), &languageRow(0));
    EXPECT_EQ(&languageRow(12), &languageRow(0));
}

} // namespace
} // namespace rq::dialogs
