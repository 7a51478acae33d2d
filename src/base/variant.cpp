// Variant storage, construction and conversions. The operators live in
// variant_ops.cpp.
#include "base/variant.h"

#include "base/date_text.h"
#include "base/number_text.h"
#include "base/rounding.h"
#include "base/text1250.h"

#include <cmath>
#include <limits>

namespace rq::base {

Object::~Object() = default;

namespace detail {

// The heap payload of strings, wide strings and arrays; one owner count,
// never touched by more than one thread (the program has one).
struct SharedBlock {
    int refs = 1;
    virtual ~SharedBlock() = default;
};

struct StringBlock final : SharedBlock {
    explicit StringBlock(std::string_view t) : text(t) {}
    std::string text;
};

struct WideBlock final : SharedBlock {
    explicit WideBlock(std::u16string_view t) : text(t) {}
    std::u16string text;
};

struct ArrayBlock final : SharedBlock {
    explicit ArrayBlock(VariantArray e) : items(std::move(e)) {}
    VariantArray items;
};

} // namespace detail

// Friend access for the heap blocks, shared with the operators.
struct VariantAccess {
    static const std::string& str(const Variant& v) {
        return static_cast<const detail::StringBlock*>(v.payload_.block)->text;
    }
    static const std::u16string& wide(const Variant& v) {
        return static_cast<const detail::WideBlock*>(v.payload_.block)->text;
    }
    static detail::ArrayBlock* array(const Variant& v) {
        return static_cast<detail::ArrayBlock*>(v.payload_.block);
    }
    static std::int64_t i64(const Variant& v) { return v.payload_.i64; }
    static double dbl(const Variant& v) { return v.payload_.d; }
    static float sgl(const Variant& v) { return v.payload_.f; }
};

namespace {

using A = VariantAccess;

const Variant& emptyVariant() {
    static const Variant empty;
    return empty;
}

// Float to integer: halves to even, overflow raises.
std::int64_t roundChecked(double value) {
    if (!std::isfinite(value) || std::fabs(value) >= 9.2233720368547758e18)
        raiseVariantOverflow();
    return static_cast<std::int64_t>(roundHalfEven(value));
}

std::string narrowOf(const Variant& v) {
    return v.type() == VarType::String ? A::str(v) : std::string();
}

std::string wideToAnsi(const std::u16string& text) {
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text)
        out += static_cast<char>(unicodeToCp1250(c));
    return out;
}

// The text of a String or WideString Variant as Windows-1250.
std::string ansiText(const Variant& v) {
    return v.type() == VarType::WideString ? wideToAnsi(A::wide(v)) : narrowOf(v);
}

} // namespace

Variant::Variant(std::string_view text) : type_(VarType::String) {
    payload_.block = new detail::StringBlock(text);
}

Variant::Variant(std::u16string_view text) : type_(VarType::WideString) {
    payload_.block = new detail::WideBlock(text);
}

Variant Variant::null() noexcept {
    return Variant(VarType::Null, Payload{0});
}

Variant Variant::fromSmallInt(std::int16_t value) noexcept {
    return Variant(VarType::SmallInt, Payload{value});
}

Variant Variant::fromByte(std::uint8_t value) noexcept {
    return Variant(VarType::Byte, Payload{value});
}

Variant Variant::fromInt64(std::int64_t value) noexcept {
    return Variant(VarType::Int64, Payload{value});
}

Variant Variant::fromSingle(float value) noexcept {
    Payload p{0};
    p.f = value;
    return Variant(VarType::Single, p);
}

Variant Variant::fromCurrency(double value) {
    return fromCurrencyScaled(roundChecked(value * 10000.0));
}

Variant Variant::fromCurrencyScaled(std::int64_t scaled) noexcept {
    return Variant(VarType::Currency, Payload{scaled});
}

Variant Variant::fromDate(DateTime value) noexcept {
    Payload p{0};
    p.d = value;
    return Variant(VarType::Date, p);
}

Variant Variant::fromArray(VariantArray elements) {
    Payload p{0};
    p.block = new detail::ArrayBlock(std::move(elements));
    return Variant(VarType::Array, p);
}

Variant::Variant(const Variant& other) noexcept : type_(other.type_), payload_(other.payload_) {
    if (holdsBlock())
        ++payload_.block->refs;
}

Variant& Variant::operator=(const Variant& other) noexcept {
    if (this != &other) {
        Variant copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Variant& Variant::operator=(Variant&& other) noexcept {
    if (this != &other) {
        release();
        type_ = other.type_;
        payload_ = other.payload_;
        other.type_ = VarType::Empty;
    }
    return *this;
}

void Variant::release() noexcept {
    if (holdsBlock() && --payload_.block->refs == 0)
        delete payload_.block;
    type_ = VarType::Empty;
}

bool Variant::isOrdinal() const noexcept {
    switch (type_) {
    case VarType::SmallInt:
    case VarType::Integer:
    case VarType::Byte:
    case VarType::Int64:
    case VarType::Boolean:
        return true;
    default:
        return false;
    }
}

bool Variant::isFloat() const noexcept {
    switch (type_) {
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Date:
        return true;
    default:
        return false;
    }
}

bool Variant::isNumeric() const noexcept {
    return (isOrdinal() && type_ != VarType::Boolean) || isFloat();
}

std::string_view Variant::stringView() const noexcept {
    return type_ == VarType::String ? std::string_view(A::str(*this)) : std::string_view();
}

std::string Variant::toString() const {
    switch (type_) {
    case VarType::Empty:
    case VarType::Null:
        return {};
    case VarType::SmallInt:
    case VarType::Integer:
    case VarType::Byte:
    case VarType::Int64:
        return intToStr(payload_.i64);
    case VarType::Single:
        return floatToStrF(payload_.f, FloatFormat::General, 7, 0);
    case VarType::Double:
        return floatToStr(payload_.d);
    case VarType::Currency:
        return currToStr(payload_.i64);
    case VarType::Date:
        return dateTimeToStr(payload_.d);
    case VarType::Boolean:
        return payload_.i64 ? "True" : "False";
    case VarType::String:
        return A::str(*this);
    case VarType::WideString:
        return wideToAnsi(A::wide(*this));
    default:
        raiseVariantCast(type_, VarType::String);
    }
}

std::u16string Variant::toWideString() const {
    if (type_ == VarType::WideString)
        return A::wide(*this);
    std::u16string out;
    for (char c : toString())
        out += static_cast<char16_t>(cp1250ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::int64_t Variant::toInt64() const {
    switch (type_) {
    case VarType::Empty:
        return 0;
    case VarType::SmallInt:
    case VarType::Integer:
    case VarType::Byte:
    case VarType::Int64:
        return payload_.i64;
    case VarType::Boolean:
        return payload_.i64 ? -1 : 0;
    case VarType::Single:
        return roundChecked(payload_.f);
    case VarType::Double:
    case VarType::Date:
        return roundChecked(payload_.d);
    case VarType::Currency:
        return roundChecked(static_cast<double>(payload_.i64) / 10000.0);
    case VarType::String:
    case VarType::WideString: {
        const std::string text = ansiText(*this);
        std::int64_t value = 0;
        if (tryStrToInt64(text, value))
            return value;
        double real = 0;
        if (!tryStrToFloat(text, real))
            raiseVariantCast(type_, VarType::Int64);
        return roundChecked(real);
    }
    default:
        raiseVariantCast(type_, VarType::Int64);
    }
}

std::int32_t Variant::toInteger() const {
    if (type_ == VarType::Null || type_ == VarType::Object || type_ == VarType::Array)
        raiseVariantCast(type_, VarType::Integer);
    if (isString()) {
        double real = 0;
        std::int32_t value = 0;
        const std::string text = ansiText(*this);
        if (tryStrToInt(text, value))
            return value;
        if (!tryStrToFloat(text, real))
            raiseVariantCast(type_, VarType::Integer);
    }
    const std::int64_t value = toInt64();
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        raiseVariantOverflow();
    return static_cast<std::int32_t>(value);
}

double Variant::toDouble() const {
    switch (type_) {
    case VarType::Empty:
        return 0;
    case VarType::SmallInt:
    case VarType::Integer:
    case VarType::Byte:
    case VarType::Int64:
        return static_cast<double>(payload_.i64);
    case VarType::Boolean:
        return payload_.i64 ? -1 : 0;
    case VarType::Single:
        return payload_.f;
    case VarType::Double:
    case VarType::Date:
        return payload_.d;
    case VarType::Currency:
        return static_cast<double>(payload_.i64) / 10000.0;
    case VarType::String:
    case VarType::WideString: {
        double value = 0;
        if (!tryStrToFloat(ansiText(*this), value))
            raiseVariantCast(type_, VarType::Double);
        return value;
    }
    default:
        raiseVariantCast(type_, VarType::Double);
    }
}

std::int64_t Variant::toCurrencyScaled() const {
    if (type_ == VarType::Currency)
        return payload_.i64;
    if (type_ == VarType::Null || type_ == VarType::Object || type_ == VarType::Array)
        raiseVariantCast(type_, VarType::Currency);
    if (isString()) {
        double value = 0;
        if (!tryStrToFloat(ansiText(*this), value))
            raiseVariantCast(type_, VarType::Currency);
        return roundChecked(value * 10000.0);
    }
    return roundChecked(toDouble() * 10000.0);
}

bool Variant::toBoolean() const {
    switch (type_) {
    case VarType::Empty:
        return false;
    case VarType::Boolean:
    case VarType::SmallInt:
    case VarType::Integer:
    case VarType::Byte:
    case VarType::Int64:
    case VarType::Currency:
        return payload_.i64 != 0;
    case VarType::Single:
        return payload_.f != 0;
    case VarType::Double:
    case VarType::Date:
        return payload_.d != 0;
    case VarType::String:
    case VarType::WideString: {
        const std::string text = ansiText(*this);
        if (sameText(text, "True"))
            return true;
        if (sameText(text, "False"))
            return false;
        double value = 0;
        if (!tryStrToFloat(text, value))
            raiseVariantCast(type_, VarType::Boolean);
        return value != 0;
    }
    default:
        raiseVariantCast(type_, VarType::Boolean);
    }
}

DateTime Variant::toDate() const {
    if (isString()) {
        DateTime value = 0;
        const std::string text = ansiText(*this);
        if (!tryStrToDateTime(text, value) && !tryStrToFloat(text, value))
            raiseVariantCast(type_, VarType::Date);
        return value;
    }
    if (type_ == VarType::Null || type_ == VarType::Object || type_ == VarType::Array)
        raiseVariantCast(type_, VarType::Date);
    return toDouble();
}

std::size_t Variant::arraySize() const noexcept {
    return type_ == VarType::Array ? A::array(*this)->items.size() : 0;
}

std::span<const Variant> Variant::elements() const noexcept {
    if (type_ != VarType::Array)
        return {};
    return A::array(*this)->items;
}

namespace {

[[noreturn]] void raiseArrayIndexOutOfBounds() {
    throw EVariantError("Variant or safe array index out of bounds");
}

} // namespace

const Variant& Variant::at(std::size_t index) const {
    if (type_ != VarType::Array || index >= A::array(*this)->items.size())
        raiseArrayIndexOutOfBounds();
    return A::array(*this)->items[index];
}

Variant& Variant::atForWrite(std::size_t index) {
    if (type_ != VarType::Array || index >= A::array(*this)->items.size())
        raiseArrayIndexOutOfBounds();
    if (payload_.block->refs > 1)
        *this = fromArray(A::array(*this)->items);
    return A::array(*this)->items[index];
}

void Variant::resizeArray(std::size_t size) {
    if (type_ != VarType::Array) {
        *this = fromArray(VariantArray(size));
        return;
    }
    if (payload_.block->refs > 1)
        *this = fromArray(A::array(*this)->items);
    A::array(*this)->items.resize(size, emptyVariant());
}

bool Variant::identical(const Variant& other) const noexcept {
    if (type_ != other.type_)
        return false;
    switch (type_) {
    case VarType::Empty:
    case VarType::Null:
        return true;
    case VarType::Single:
        return payload_.f == other.payload_.f;
    case VarType::Double:
    case VarType::Date:
        return payload_.d == other.payload_.d;
    case VarType::String:
        return A::str(*this) == A::str(other);
    case VarType::WideString:
        return A::wide(*this) == A::wide(other);
    case VarType::Object:
        return payload_.obj == other.payload_.obj;
    case VarType::Array: {
        const auto& a = A::array(*this)->items;
        const auto& b = A::array(other)->items;
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (!a[i].identical(b[i]))
                return false;
        return true;
    }
    default:
        return payload_.i64 == other.payload_.i64;
    }
}

std::string varTypeAsText(VarType type) {
    switch (type) {
    case VarType::Empty:
        return "Empty";
    case VarType::Null:
        return "Null";
    case VarType::SmallInt:
        return "Smallint";
    case VarType::Integer:
        return "Integer";
    case VarType::Single:
        return "Single";
    case VarType::Double:
        return "Double";
    case VarType::Currency:
        return "Currency";
    case VarType::Date:
        return "Date";
    case VarType::WideString:
        return "OleStr";
    case VarType::Object:
        return "Dispatch";
    case VarType::Boolean:
        return "Boolean";
    case VarType::Byte:
        return "Byte";
    case VarType::Int64:
        return "Int64";
    case VarType::String:
        return "String";
    case VarType::Array:
        return "Array Variant";
    }
    return "Unknown";
}

void raiseVariantCast(VarType from, VarType to) {
    throw EVariantTypeCastError("Could not convert variant of type (" + varTypeAsText(from) +
                                ") into type (" + varTypeAsText(to) + ")");
}

} // namespace rq::base
