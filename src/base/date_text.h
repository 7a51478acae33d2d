// Date-time values to and from text: the FormatDateTime picture language and
// DateToStr / TimeToStr / DateTimeToStr and their inverses, with
// the messages "'%s' is not a valid date", "'%s' is not a valid time" and
// "'%s' is not a valid date and time".
#pragma once

#include "base/date_time.h"
#include "base/format_settings.h"

#include <string>
#include <string_view>

namespace rq::base {

// Picture elements (letters in any case unless noted): c (short date, then
// the long time when the time is not midnight), d dd (day), ddd dddd (short,
// long day name), ddddd dddddd (short, long date format), m mm (month, or
// minutes right after an hour element), mmm mmmm (month names), yy yyyy,
// h hh (12-hour when an am/pm element follows before the next hour element),
// n nn, s ss, z zzz (zz as zzz), t tt (short, long time format), am/pm a/p (written in the
// case given), ampm (the AM/PM strings), aaa aaaa (day names), / and : (the
// separators), '...' and "..." literals. Anything else is copied. An empty
// picture means "c".
std::string formatDateTime(std::string_view picture, DateTime value,
                           const FormatSettings& settings = formatSettings());

std::string dateToStr(DateTime value, const FormatSettings& settings = formatSettings());
std::string timeToStr(DateTime value, const FormatSettings& settings = formatSettings());
std::string dateTimeToStr(DateTime value, const FormatSettings& settings = formatSettings());

// Dates are numbers separated by the date separator in the order of the short
// date format (day, month, year; month, day, year; or year, month, day),
// optionally ending with a separator; a missing year is the current one, and
// a year of one or two digits lies within 50 years of the current year. Times
// are hour[:min[:sec[.msec]]] with an optional AM/PM mark before or after (the
// settings' strings or "AM"/"PM"). Blanks around the parts are allowed.
bool tryStrToDate(std::string_view text, DateTime& value,
                  const FormatSettings& settings = formatSettings());
bool tryStrToTime(std::string_view text, DateTime& value,
                  const FormatSettings& settings = formatSettings());
bool tryStrToDateTime(std::string_view text, DateTime& value,
                      const FormatSettings& settings = formatSettings());
DateTime strToDate(std::string_view text, const FormatSettings& settings = formatSettings());
DateTime strToTime(std::string_view text, const FormatSettings& settings = formatSettings());
DateTime strToDateTime(std::string_view text, const FormatSettings& settings = formatSettings());

} // namespace rq::base
