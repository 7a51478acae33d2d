// Standard routines of the category "ctDate": dates and times are day counts
// since 30 December 1899 with the time of day as the fraction.
#include "script/stdlib.h"

#include "base/date_time.h"

namespace rq::script {

namespace {

using namespace rq::base;

Variant Encode(VariantArray& a) {
    return Variant::fromDate(encodeDate(a[0].toInteger(), a[1].toInteger(), a[2].toInteger()));
}

Variant DecodeDateParts(VariantArray& a) {
    const DateParts parts = decodeDate(a[0].toDate());
    a[1] = Variant(parts.year);
    a[2] = Variant(parts.month);
    a[3] = Variant(parts.day);
    return Variant();
}

Variant EncodeTimeOfDay(VariantArray& a) {
    return Variant::fromDate(
        encodeTime(a[0].toInteger(), a[1].toInteger(), a[2].toInteger(), a[3].toInteger()));
}

Variant DecodeTimeParts(VariantArray& a) {
    const TimeParts parts = decodeTime(a[0].toDate());
    a[1] = Variant(parts.hour);
    a[2] = Variant(parts.minute);
    a[3] = Variant(parts.second);
    a[4] = Variant(parts.msec);
    return Variant();
}

const StandardRoutine kDates[] = {
    {"function EncodeDate(Year, Month, Day: Word): TDateTime", Encode},
    {"procedure DecodeDate(Date: TDateTime; var Year, Month, Day: Word)", DecodeDateParts},
    {"function EncodeTime(Hour, Min, Sec, MSec: Word): TDateTime", EncodeTimeOfDay},
    {"procedure DecodeTime(Time: TDateTime; var Hour, Min, Sec, MSec: Word)", DecodeTimeParts},
    {"function Date: TDateTime", [](VariantArray&) { return Variant::fromDate(currentDate()); }},
    {"function Time: TDateTime", [](VariantArray&) { return Variant::fromDate(currentTime()); }},
    {"function Now: TDateTime", [](VariantArray&) { return Variant::fromDate(now()); }},
    {"function DayOfWeek(aDate: TDateTime): Integer",
     [](VariantArray& a) { return Variant(dayOfWeek(a[0].toDate())); }},
    {"function IsLeapYear(Year: Word): Boolean",
     [](VariantArray& a) { return Variant(isLeapYear(a[0].toInteger())); }},
    {"function DaysInMonth(nYear, nMonth: Integer): Integer",
     [](VariantArray& a) { return Variant(daysInMonth(a[0].toInteger(), a[1].toInteger())); }},
};

} // namespace

void AddDateRoutines(TfsScript& script) {
    AddRoutines(script, kDates, "ctDate");
}

} // namespace rq::script
