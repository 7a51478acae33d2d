// The platform part of the locale settings: reads the environment's locale
// through the C library's nl_langinfo_l, without touching the process's
// global locale (number conversions elsewhere rely on the C locale).
#include "base/locale_settings.h"

#include <climits>
#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <locale.h>

namespace rq::base {
namespace {

std::string item(nl_item what, locale_t loc) {
    const char* text = nl_langinfo_l(what, loc);
    return text ? std::string(text) : std::string();
}

// Numeric monetary items are returned as a one-byte string holding the value.
int numericItem(nl_item what, locale_t loc, int fallback) {
    const char* text = nl_langinfo_l(what, loc);
    if (!text || text[0] == CHAR_MAX || text[0] < 0)
        return fallback;
    return text[0];
}

constexpr nl_item kMonths[12] = {MON_1, MON_2, MON_3, MON_4,  MON_5,  MON_6,
                                 MON_7, MON_8, MON_9, MON_10, MON_11, MON_12};
constexpr nl_item kShortMonths[12] = {ABMON_1, ABMON_2, ABMON_3, ABMON_4,  ABMON_5,  ABMON_6,
                                      ABMON_7, ABMON_8, ABMON_9, ABMON_10, ABMON_11, ABMON_12};
constexpr nl_item kDays[7] = {DAY_1, DAY_2, DAY_3, DAY_4, DAY_5, DAY_6, DAY_7};
constexpr nl_item kShortDays[7] = {ABDAY_1, ABDAY_2, ABDAY_3, ABDAY_4, ABDAY_5, ABDAY_6, ABDAY_7};

bool isPlainC(locale_t loc) {
    return item(D_FMT, loc) == "%m/%d/%y" && item(MON_1, loc) == "January" &&
           item(RADIXCHAR, loc) == "." && item(THOUSEP, loc).empty();
}

} // namespace

bool queryUserLocale(LocaleInfo& info) {
    locale_t loc = newlocale(LC_ALL_MASK, "", static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr))
        return false;
    if (isPlainC(loc)) {
        freelocale(loc);
        return false;
    }
    info.decimalPoint = item(RADIXCHAR, loc);
    info.thousandsSep = item(THOUSEP, loc);
    info.dateFormat = item(D_FMT, loc);
    info.timeFormat = item(T_FMT, loc);
    info.amString = item(AM_STR, loc);
    info.pmString = item(PM_STR, loc);
    for (int i = 0; i < 12; ++i) {
        info.monthNames[static_cast<std::size_t>(i)] = item(kMonths[i], loc);
        info.shortMonthNames[static_cast<std::size_t>(i)] = item(kShortMonths[i], loc);
    }
    for (int i = 0; i < 7; ++i) {
        info.dayNames[static_cast<std::size_t>(i)] = item(kDays[i], loc);
        info.shortDayNames[static_cast<std::size_t>(i)] = item(kShortDays[i], loc);
    }
    info.currencySymbol = item(CURRENCY_SYMBOL, loc);
    info.currencyPrecedes = numericItem(P_CS_PRECEDES, loc, 1) != 0;
    info.currencySpace = numericItem(P_SEP_BY_SPACE, loc, 0) != 0;
    info.currencyDecimals = numericItem(FRAC_DIGITS, loc, 2);
    freelocale(loc);
    return true;
}

} // namespace rq::base
