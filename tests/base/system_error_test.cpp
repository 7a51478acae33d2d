// System error messages in the core's encoding whatever the encoding of the
// user's locale.
#include "base/system_error.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <locale.h>

namespace rq::base {
namespace {

TEST(SystemError, MessageIsDecodedFromTheLocalesEncoding) {
    const char* const locales[] = {"hu_HU.UTF-8", "hu_HU.ISO-8859-2"};
    for (const char* name : locales) {
        SCOPED_TRACE(name);
        locale_t hungarian = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(nullptr));
        if (hungarian == static_cast<locale_t>(nullptr))
            GTEST_SKIP() << name << " is not installed (scripts/install-deps.sh generates it)";
        const locale_t previous = uselocale(hungarian);
        const std::string text = systemErrorText(EISDIR);
        uselocale(previous);
        freelocale(hungarian);
        EXPECT_EQ(text, "Ez egy k\xF6nyvt\xE1r"); // Windows-1250
    }
}

TEST(SystemError, ALibrarysTextIsDecodedFromTheLocalesEncoding) {
    // The print service's client library reports a failed connection with
    // the C library's message: UTF-8 under a UTF-8 locale.
    locale_t hungarian = newlocale(LC_ALL_MASK, "hu_HU.UTF-8", static_cast<locale_t>(nullptr));
    if (hungarian == static_cast<locale_t>(nullptr))
        GTEST_SKIP() << "hu_HU.UTF-8 is not installed (scripts/install-deps.sh generates it)";
    const locale_t previous = uselocale(hungarian);
    const std::string text = systemText("\xC3\x89rv\xC3\xA9nytelen argumentum");
    uselocale(previous);
    freelocale(hungarian);
    EXPECT_EQ(text, "\xC9rv\xE9nytelen argumentum"); // Windows-1250
}

TEST(SystemError, PlainLocaleGivesTheEnglishMessage) {
    EXPECT_EQ(systemErrorText(ENOENT), "No such file or directory");
}

} // namespace
} // namespace rq::base
