// The language rows. English and Hungarian are written out; the program only
// ever selects Hungarian. The remaining languages need letters that the
// Windows-1250 code page cannot hold (Cyrillic, Greek, most of the Western
// European accents), so their rows carry the English captions.
#include "dialogs/language_table.h"

namespace rq::dialogs {
namespace {

constexpr LanguageRow kEnglish = {
    "Cancel", "Warning", "Error", "Information", "Confirm", "",          "Yes",        "No",   "OK",
    "Cancel", "Abort",   "Retry", "Ignore",      "All",     "No to all", "Yes to all", "Help",
};

constexpr LanguageRow kHungarian = {
    "M\xE9gsem",
    "Figyelmeztet\xE9s",
    "Hiba",
    "Inform\xE1"
    "ci\xF3",
    "Meger\xF5s\xEDt\xE9s",
    "",
    "Igen",
    "Nem",
    "OK",
    "M\xE9gsem",
    "Megszak\xEDt",
    "\xDAjra",
    "Kihagy",
    "Mind",
    "Mindre nem",
    "Mindre igen",
    "S\xFAg\xF3",
};

// Indexed by Language.
const std::array<const LanguageRow*, kLanguageCount> kRows = {
    &kEnglish, // English
    &kEnglish, // Russian
    &kEnglish, // Portuguese
    &kEnglish, // Turkish
    &kEnglish, // German
    &kEnglish, // Dutch
    &kEnglish, // French
    &kEnglish, // Greek
    &kEnglish, // Spanish
    &kEnglish, // Italian
    &kHungarian,
    &kEnglish, // Romanian
};
static_assert(static_cast<std::size_t>(Language::Romanian) + 1 == kLanguageCount);

} // namespace

const LanguageRow& languageRow(int language) {
    if (language < 0 || static_cast<std::size_t>(language) >= kLanguageCount)
        language = 0;
    return *kRows[static_cast<std::size_t>(language)];
}

std::string_view inputCancelCaption(int language) {
    return languageRow(language)[kInputCancelEntry];
}

std::string_view kindCaption(int language, MsgDlgType kind) {
    return languageRow(language)[kFirstKindEntry + static_cast<std::size_t>(kind)];
}

std::string_view buttonCaption(int language, MsgDlgBtn button) {
    return languageRow(language)[kFirstButtonEntry + static_cast<std::size_t>(button)];
}

} // namespace rq::dialogs
