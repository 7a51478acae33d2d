// Variant operators and comparison, following the rule table in variant.h.
// Every binary operator first settles Null, Empty, objects and arrays, then
// picks the kind both operands are computed in ("class"), converts both and
// computes.
#include "base/variant.h"

#include "base/exceptions.h"
#include "base/text1250.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

namespace rq::base {
namespace {

// The kinds an arithmetic result is computed in, widest last.
enum class NumClass { Int, Int64, Currency, Float, Date };

NumClass classOf(const Variant& v) {
    switch (v.type()) {
    case VarType::Int64:
        return NumClass::Int64;
    case VarType::Currency:
        return NumClass::Currency;
    case VarType::Single:
    case VarType::Double:
    case VarType::String:
    case VarType::WideString:
        return NumClass::Float;
    case VarType::Date:
        return NumClass::Date;
    default: // Empty, Boolean, SmallInt, Integer, Byte
        return NumClass::Int;
    }
}

bool isOther(const Variant& v) {
    return v.isObject() || v.isArray();
}

bool fitsInt32(std::int64_t value) {
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

Variant integerResult(std::int64_t value, NumClass cls) {
    if (cls == NumClass::Int && fitsInt32(value))
        return Variant(static_cast<int>(value));
    return Variant::fromInt64(value);
}

// Raises the floating-point faults (overflow for an infinite result, invalid
// operation for NaN) for a result computed from finite operands.
double checkedFloat(double result) {
    if (std::isnan(result))
        raiseInvalidOp();
    if (std::isinf(result))
        raiseFloatOverflow();
    return result;
}

double floatDivide(double a, double b) {
    if (b == 0) {
        if (a == 0 || std::isnan(a))
            raiseInvalidOp();
        raiseZeroDivide();
    }
    return checkedFloat(a / b);
}

enum class Arith { Add, Sub, Mul };

std::int64_t intArith(Arith op, std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    bool overflow = false;
    switch (op) {
    case Arith::Add:
        overflow = __builtin_add_overflow(a, b, &r);
        break;
    case Arith::Sub:
        overflow = __builtin_sub_overflow(a, b, &r);
        break;
    case Arith::Mul:
        overflow = __builtin_mul_overflow(a, b, &r);
        break;
    }
    if (overflow)
        raiseVariantOverflow();
    return r;
}

double floatArith(Arith op, double a, double b) {
    switch (op) {
    case Arith::Add:
        return checkedFloat(a + b);
    case Arith::Sub:
        return checkedFloat(a - b);
    case Arith::Mul:
        return checkedFloat(a * b);
    }
    return 0;
}

Variant currencyArith(Arith op, const Variant& a, const Variant& b) {
    if (op == Arith::Mul) {
        const long double product = static_cast<long double>(a.toCurrencyScaled()) *
                                    static_cast<long double>(b.toCurrencyScaled()) / 10000.0L;
        if (std::fabs(product) >= 9.2e18L)
            raiseVariantOverflow();
        return Variant::fromCurrencyScaled(static_cast<std::int64_t>(std::llround(product)));
    }
    return Variant::fromCurrencyScaled(intArith(op, a.toCurrencyScaled(), b.toCurrencyScaled()));
}

// Settles the cases every binary operator shares. Returns true with result
// set when the operation is decided.
bool settleSpecial(const Variant& a, const Variant& b, Variant& result) {
    if (a.isNull() || b.isNull()) {
        result = Variant::null();
        return true;
    }
    if (isOther(a) || isOther(b))
        raiseInvalidVariantOp();
    if (a.isEmpty() && b.isEmpty()) {
        result = Variant();
        return true;
    }
    return false;
}

Variant arith(Arith op, const Variant& a, const Variant& b) {
    Variant result;
    if (settleSpecial(a, b, result))
        return result;
    const NumClass cls = std::max(classOf(a), classOf(b));
    switch (cls) {
    case NumClass::Int:
    case NumClass::Int64:
        return integerResult(intArith(op, a.toInt64(), b.toInt64()), cls);
    case NumClass::Currency:
        return currencyArith(op, a, b);
    case NumClass::Float:
        return Variant(floatArith(op, a.toDouble(), b.toDouble()));
    case NumClass::Date: {
        // A date moved by a number of days stays a date; the difference of
        // two dates, and any product, is a plain number of days.
        const double value = floatArith(op, a.toDouble(), b.toDouble());
        const bool twoDates = a.type() == VarType::Date && b.type() == VarType::Date;
        const bool plain = op == Arith::Mul || (op == Arith::Sub && twoDates);
        return plain ? Variant(value) : Variant::fromDate(value);
    }
    }
    return result;
}

bool stringOrEmpty(const Variant& v) {
    return v.isString() || v.isEmpty();
}

// Both operands as integers for div, mod, shifts and bitwise operators;
// cls tells whether the result may stay a 32-bit Integer.
NumClass ordinalClass(const Variant& a, const Variant& b) {
    const bool wide = a.type() == VarType::Int64 || b.type() == VarType::Int64;
    return wide ? NumClass::Int64 : NumClass::Int;
}

bool booleanLike(const Variant& v) {
    return v.type() == VarType::Boolean;
}

enum class Logic { And, Or, Xor };

Variant logic(Logic op, const Variant& a, const Variant& b) {
    Variant result;
    if (settleSpecial(a, b, result))
        return result;
    if ((booleanLike(a) && (booleanLike(b) || b.isString())) || (booleanLike(b) && a.isString())) {
        const bool x = a.toBoolean();
        const bool y = b.toBoolean();
        return Variant(op == Logic::And ? (x && y) : op == Logic::Or ? (x || y) : (x != y));
    }
    const std::int64_t x = a.toInt64();
    const std::int64_t y = b.toInt64();
    const std::int64_t r = op == Logic::And ? (x & y) : op == Logic::Or ? (x | y) : (x ^ y);
    return integerResult(r, ordinalClass(a, b));
}

template <typename Cmp> VarCompare threeWay(const Cmp& x, const Cmp& y) {
    if (x < y)
        return VarCompare::Less;
    if (y < x)
        return VarCompare::Greater;
    return VarCompare::Equal;
}

std::string textOf(const Variant& v) {
    return v.toString();
}

} // namespace

Variant add(const Variant& a, const Variant& b) {
    if (!a.isNull() && !b.isNull() && stringOrEmpty(a) && stringOrEmpty(b) &&
        !(a.isEmpty() && b.isEmpty())) {
        if (a.type() == VarType::WideString || b.type() == VarType::WideString)
            return Variant(std::u16string_view(a.toWideString() + b.toWideString()));
        return Variant(a.toString() + b.toString());
    }
    return arith(Arith::Add, a, b);
}

Variant subtract(const Variant& a, const Variant& b) {
    return arith(Arith::Sub, a, b);
}

Variant multiply(const Variant& a, const Variant& b) {
    return arith(Arith::Mul, a, b);
}

Variant divide(const Variant& a, const Variant& b) {
    Variant result;
    if (settleSpecial(a, b, result))
        return result;
    return Variant(floatDivide(a.toDouble(), b.toDouble()));
}

Variant intDivide(const Variant& a, const Variant& b) {
    Variant result;
    if (settleSpecial(a, b, result))
        return result;
    const std::int64_t x = a.toInt64();
    const std::int64_t y = b.toInt64();
    if (y == 0)
        raiseDivByZero();
    if (y == -1)
        return integerResult(intArith(Arith::Sub, 0, x), ordinalClass(a, b));
    return integerResult(x / y, ordinalClass(a, b));
}

Variant modulus(const Variant& a, const Variant& b) {
    Variant result;
    if (settleSpecial(a, b, result))
        return result;
    const std::int64_t x = a.toInt64();
    const std::int64_t y = b.toInt64();
    if (y == 0)
        raiseDivByZero();
    if (y == -1)
        return integerResult(0, ordinalClass(a, b));
    return integerResult(x % y, ordinalClass(a, b));
}

Variant bitAnd(const Variant& a, const Variant& b) {
    return logic(Logic::And, a, b);
}

Variant bitOr(const Variant& a, const Variant& b) {
    return logic(Logic::Or, a, b);
}

Variant bitXor(const Variant& a, const Variant& b) {
    return logic(Logic::Xor, a, b);
}

// Shifts use the count modulo the operand width, as the processor does.
Variant shiftLeft(const Variant& a, const Variant& b) {
    Variant result;
    if (settleSpecial(a, b, result))
        return result;
    const std::int64_t count = b.toInt64();
    if (ordinalClass(a, b) == NumClass::Int && a.type() != VarType::Int64) {
        const auto x = static_cast<std::uint32_t>(a.toInt64());
        return Variant(static_cast<int>(static_cast<std::int32_t>(x << (count & 31))));
    }
    const auto x = static_cast<std::uint64_t>(a.toInt64());
    return Variant::fromInt64(static_cast<std::int64_t>(x << (count & 63)));
}

Variant shiftRight(const Variant& a, const Variant& b) {
    Variant result;
    if (settleSpecial(a, b, result))
        return result;
    const std::int64_t count = b.toInt64();
    if (a.type() != VarType::Int64) {
        const auto x = static_cast<std::uint32_t>(a.toInt64());
        return Variant(static_cast<int>(static_cast<std::int32_t>(x >> (count & 31))));
    }
    const auto x = static_cast<std::uint64_t>(a.toInt64());
    return Variant::fromInt64(static_cast<std::int64_t>(x >> (count & 63)));
}

Variant negate(const Variant& a) {
    switch (a.type()) {
    case VarType::Null:
    case VarType::Empty:
        return a;
    case VarType::Single:
        return Variant::fromSingle(-a.toDouble() == 0 ? 0.0f : static_cast<float>(-a.toDouble()));
    case VarType::Double:
    case VarType::String:
    case VarType::WideString:
        return Variant(-a.toDouble());
    case VarType::Currency:
        return Variant::fromCurrencyScaled(intArith(Arith::Sub, 0, a.toCurrencyScaled()));
    case VarType::Date:
        return Variant::fromDate(-a.toDouble());
    case VarType::Int64:
        return Variant::fromInt64(intArith(Arith::Sub, 0, a.toInt64()));
    case VarType::Object:
    case VarType::Array:
        raiseInvalidVariantOp();
    default:
        return integerResult(-a.toInt64(), NumClass::Int);
    }
}

Variant logicalNot(const Variant& a) {
    switch (a.type()) {
    case VarType::Null:
        return a;
    case VarType::Boolean:
        return Variant(!a.toBoolean());
    case VarType::Object:
    case VarType::Array:
        raiseInvalidVariantOp();
    case VarType::String:
    case VarType::WideString:
        if (sameText(a.toString(), "True") || sameText(a.toString(), "False"))
            return Variant(!a.toBoolean());
        break;
    default:
        break;
    }
    return integerResult(~a.toInt64(),
                         a.type() == VarType::Int64 ? NumClass::Int64 : NumClass::Int);
}

Variant concat(const Variant& a, const Variant& b) {
    return Variant(a.toString() + b.toString());
}

VarCompare compare(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull()) {
        if (a.isNull() && b.isNull())
            return VarCompare::Equal;
        return a.isNull() ? VarCompare::Less : VarCompare::Greater;
    }
    if (a.isObject() && b.isObject())
        return threeWay(reinterpret_cast<std::uintptr_t>(a.toObject()),
                        reinterpret_cast<std::uintptr_t>(b.toObject()));
    if (isOther(a) || isOther(b))
        raiseInvalidVariantOp();
    if (stringOrEmpty(a) && stringOrEmpty(b)) {
        const std::string x = textOf(a);
        const std::string y = textOf(b);
        const int c = std::memcmp(x.data(), y.data(), std::min(x.size(), y.size()));
        return c != 0 ? (c < 0 ? VarCompare::Less : VarCompare::Greater)
                      : threeWay(x.size(), y.size());
    }
    if (booleanLike(a) || booleanLike(b)) {
        if ((booleanLike(a) || a.isString()) && (booleanLike(b) || b.isString()))
            return threeWay(int{a.toBoolean()}, int{b.toBoolean()});
    }
    if ((a.type() == VarType::Date && b.isString()) || (b.type() == VarType::Date && a.isString()))
        return threeWay(a.toDate(), b.toDate());
    const bool integral = (a.isOrdinal() || a.isEmpty()) && (b.isOrdinal() || b.isEmpty());
    if (integral)
        return threeWay(a.toInt64(), b.toInt64());
    return threeWay(a.toDouble(), b.toDouble());
}

bool equals(const Variant& a, const Variant& b) {
    return compare(a, b) == VarCompare::Equal;
}

} // namespace rq::base
