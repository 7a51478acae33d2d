// Standard routines of the category "ctMath". Round goes to the nearest
// whole number with halves to even, Trunc toward zero; Int truncates but
// stays a floating value. Arguments outside a function's domain raise the
// base library's floating-point errors ("Invalid floating point operation",
// "Floating point division by zero", "Floating point overflow") instead of
// giving NaN or infinity.
#include "script/stdlib.h"

#include "base/rounding.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace rq::script {

namespace {

using namespace rq::base;

// A whole number as Integer when it fits, else as a 64-bit integer.
Variant Whole(double value) {
    if (!std::isfinite(value))
        raiseInvalidOp();
    if (value >= std::numeric_limits<std::int32_t>::min() &&
        value <= std::numeric_limits<std::int32_t>::max())
        return Variant(static_cast<int>(value));
    if (value >= 9.2e18 || value <= -9.2e18)
        raiseInvalidOp();
    return Variant::fromInt64(static_cast<std::int64_t>(value));
}

Variant Finite(double value) {
    if (std::isnan(value))
        raiseInvalidOp();
    if (std::isinf(value))
        raiseFloatOverflow();
    return Variant(value);
}

Variant Logarithm(VariantArray& a) {
    const double x = a[0].toDouble();
    if (x < 0)
        raiseInvalidOp();
    if (x == 0)
        raiseZeroDivide();
    return Variant(std::log(x));
}

Variant SquareRoot(VariantArray& a) {
    const double x = a[0].toDouble();
    if (x < 0)
        raiseInvalidOp();
    return Variant(std::sqrt(x));
}

const StandardRoutine kMath[] = {
    {"function Round(e: Extended): Integer",
     [](VariantArray& a) { return Whole(roundHalfEven(a[0].toDouble())); }},
    {"function Trunc(e: Extended): Integer",
     [](VariantArray& a) { return Whole(truncate(a[0].toDouble())); }},
    {"function Int(e: Extended): Integer",
     [](VariantArray& a) { return Variant(truncate(a[0].toDouble())); }},
    {"function Frac(X: Extended): Extended",
     [](VariantArray& a) {
         const double x = a[0].toDouble();
         return Variant(x - truncate(x));
     }},
    {"function Sqrt(e: Extended): Extended", SquareRoot},
    {"function Abs(e: Extended): Extended",
     [](VariantArray& a) { return Variant(std::fabs(a[0].toDouble())); }},
    {"function Sin(e: Extended): Extended",
     [](VariantArray& a) { return Finite(std::sin(a[0].toDouble())); }},
    {"function Cos(e: Extended): Extended",
     [](VariantArray& a) { return Finite(std::cos(a[0].toDouble())); }},
    {"function ArcTan(X: Extended): Extended",
     [](VariantArray& a) { return Finite(std::atan(a[0].toDouble())); }},
    {"function Tan(X: Extended): Extended",
     [](VariantArray& a) {
         const double x = a[0].toDouble();
         return Finite(std::sin(x) / std::cos(x));
     }},
    {"function Exp(X: Extended): Extended",
     [](VariantArray& a) { return Finite(std::exp(a[0].toDouble())); }},
    {"function Ln(X: Extended): Extended", Logarithm},
    {"function Pi: Extended", [](VariantArray&) { return Variant(std::numbers::pi); }},
};

} // namespace

void AddMathRoutines(TfsScript& script) {
    AddRoutines(script, kMath, "ctMath");
}

} // namespace rq::script
