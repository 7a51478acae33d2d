// Standard routines of the categories "ctConv" (numbers and dates to and
// from text) and "ctFormat" (Format, pictures, edit masks). All of them use
// the current format settings through the base library.
#include "script/stdlib.h"

#include "base/date_text.h"
#include "base/format.h"
#include "base/format_float.h"
#include "base/number_text.h"
#include "script/edit_mask.h"

namespace rq::script {

namespace {

using namespace rq::base;

Variant DateValue(DateTime value) {
    return Variant(static_cast<double>(value));
}

const StandardRoutine kConversions[] = {
    {"function IntToStr(i: Integer): String",
     [](VariantArray& a) { return Variant(intToStr(a[0].toInt64())); }},
    {"function FloatToStr(e: Extended): String",
     [](VariantArray& a) { return Variant(floatToStr(a[0].toDouble())); }},
    {"function DateToStr(e: Extended): String",
     [](VariantArray& a) { return Variant(dateToStr(a[0].toDate())); }},
    {"function TimeToStr(e: Extended): String",
     [](VariantArray& a) { return Variant(timeToStr(a[0].toDate())); }},
    {"function DateTimeToStr(e: Extended): String",
     [](VariantArray& a) { return Variant(dateTimeToStr(a[0].toDate())); }},
    {"function VarToStr(v: Variant): String",
     [](VariantArray& a) { return Variant(a[0].toString()); }},
    {"function StrToInt(s: String): Integer",
     [](VariantArray& a) { return Variant(strToInt(a[0].toString())); }},
    {"function StrToFloat(s: String): Extended",
     [](VariantArray& a) { return Variant(strToFloat(a[0].toString())); }},
    {"function StrToDate(s: String): Extended",
     [](VariantArray& a) { return DateValue(strToDate(a[0].toString())); }},
    {"function StrToTime(s: String): Extended",
     [](VariantArray& a) { return DateValue(strToTime(a[0].toString())); }},
    {"function StrToDateTime(s: String): Extended",
     [](VariantArray& a) { return DateValue(strToDateTime(a[0].toString())); }},
};

// Format's open array arrives as one array value; a single value passed
// where the array belongs counts as an array of one.
Variant FormatArgs(VariantArray& a) {
    const std::string fmt = a[0].toString();
    if (a[1].isArray())
        return Variant(format(fmt, a[1].elements()));
    return Variant(format(fmt, std::span<const Variant>(&a[1], 1)));
}

const StandardRoutine kFormats[] = {
    {"function Format(Fmt: String; Args: array): String", FormatArgs},
    {"function FormatFloat(Fmt: String; Value: Extended): String",
     [](VariantArray& a) { return Variant(formatFloat(a[0].toString(), a[1].toDouble())); }},
    {"function FormatDateTime(Fmt: String; DateTime: TDateTime): String",
     [](VariantArray& a) { return Variant(formatDateTime(a[0].toString(), a[1].toDate())); }},
    {"function FormatMaskText(EditMask: string; Value: string): string",
     [](VariantArray& a) { return Variant(FormatMaskText(a[0].toString(), a[1].toString())); }},
};

} // namespace

void AddConversionRoutines(TfsScript& script) {
    AddRoutines(script, kConversions, "ctConv");
}

void AddFormatRoutines(TfsScript& script) {
    AddRoutines(script, kFormats, "ctFormat");
}

} // namespace rq::script
