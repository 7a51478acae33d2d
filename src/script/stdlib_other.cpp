// Standard routines of the category "ctOther": Inc/Dec, errors, messages,
// random numbers, validity tests, variant arrays and type codes.
#include "script/stdlib.h"

#include "base/date_text.h"
#include "base/number_text.h"

#include <chrono>
#include <cstdlib>
#include <random>

namespace rq::script {

namespace {

using namespace rq::base;

// The largest array VarArrayCreate makes (elements in all dimensions).
constexpr std::int64_t kMaxArrayElements = std::int64_t{1} << 24;

std::mt19937_64& Generator() {
    static std::mt19937_64 generator;
    return generator;
}

// The initial element of a new array of element type code typ.
Variant EmptyElement(int typ) {
    switch (static_cast<VarType>(typ)) {
    case VarType::SmallInt:
    case VarType::Integer:
    case VarType::Byte:
    case VarType::Int64:
        return Variant(0);
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
        return Variant(0.0);
    case VarType::Date:
        return Variant::fromDate(0);
    case VarType::Boolean:
        return Variant(false);
    case VarType::String:
    case VarType::WideString:
        return Variant(std::string());
    default:
        return Variant();
    }
}

// Bounds come in pairs (low, high) per dimension; the arrays are zero-based,
// so a dimension has high - low + 1 elements.
Variant MakeArray(std::span<const Variant> bounds, int typ) {
    if (bounds.empty())
        return EmptyElement(typ);
    const std::int64_t count = bounds[1].toInt64() - bounds[0].toInt64() + 1;
    VariantArray elements;
    elements.reserve(static_cast<std::size_t>(std::max<std::int64_t>(count, 0)));
    for (std::int64_t i = 0; i < count; ++i)
        elements.push_back(MakeArray(bounds.subspan(2), typ));
    return Variant::fromArray(std::move(elements));
}

// Low/high pairs whose bounds and whose element count stay within
// kMaxArrayElements.
bool ValidBounds(std::span<const Variant> bounds) {
    if (bounds.empty() || bounds.size() % 2 != 0)
        return false;
    for (const Variant& bound : bounds)
        if (std::abs(bound.toInt64()) > kMaxArrayElements)
            return false;
    std::int64_t total = 1;
    for (std::size_t i = 0; i < bounds.size(); i += 2) {
        const std::int64_t count = bounds[i + 1].toInt64() - bounds[i].toInt64() + 1;
        if (count < 0 || (count > 0 && total > kMaxArrayElements / count))
            return false;
        total *= count;
    }
    return true;
}

Variant VarArrayCreate(VariantArray& a) {
    if (!a[0].isArray() || !ValidBounds(a[0].elements()))
        throw EVariantError("Invalid argument");
    return MakeArray(a[0].elements(), a[1].toInteger());
}

Variant RandomSeed(VariantArray&) {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
                       std::chrono::system_clock::now().time_since_epoch().count();
    Generator().seed(static_cast<std::uint64_t>(ticks));
    return Variant();
}

Variant RandomValue(VariantArray&) {
    return Variant(std::uniform_real_distribution<double>(0.0, 1.0)(Generator()));
}

const StandardRoutine kOther[] = {
    {"procedure Inc(var i: Integer; incr: Integer = 1)",
     [](VariantArray& a) {
         a[0] = add(a[0], a[1]);
         return Variant();
     }},
    {"procedure Dec(var i: Integer; decr: Integer = 1)",
     [](VariantArray& a) {
         a[0] = subtract(a[0], a[1]);
         return Variant();
     }},
    {"procedure RaiseException(Param: String)",
     [](VariantArray& a) -> Variant { throw Exception(a[0].toString()); }},
    {"procedure ShowMessage(Msg: Variant)",
     [](VariantArray& a) {
         ShowMessageText(a[0].toString());
         return Variant();
     }},
    {"procedure Randomize", RandomSeed},
    {"function Random: Extended", RandomValue},
    {"function ValidInt(cInt: String): Boolean",
     [](VariantArray& a) {
         std::int32_t value = 0;
         return Variant(tryStrToInt(a[0].toString(), value));
     }},
    {"function ValidFloat(cFlt: String): Boolean",
     [](VariantArray& a) {
         double value = 0;
         return Variant(tryStrToFloat(a[0].toString(), value));
     }},
    {"function ValidDate(cDate: String): Boolean",
     [](VariantArray& a) {
         DateTime value = 0;
         return Variant(tryStrToDate(a[0].toString(), value));
     }},
    {"function CreateOleObject(ClassName: String): Variant",
     [](VariantArray&) -> Variant {
         throw Exception("CreateOleObject: automation objects are not supported on this platform");
     }},
    {"function VarArrayCreate(Bounds: Array; Typ: Integer): Variant", VarArrayCreate},
    {"function VarType(V: Variant): Integer",
     [](VariantArray& a) { return Variant(a[0].varType()); }},
};

} // namespace

void AddOtherRoutines(TfsScript& script) {
    AddRoutines(script, kOther, "ctOther");
}

} // namespace rq::script
