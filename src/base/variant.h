// Variant: the tagged value of every report and script value, with the
// variant conversions, comparisons and operators of the script language.
//
// Layout: 16 bytes, a type tag and an 8-byte payload. Scalars live in the
// payload; strings, wide strings and arrays are reference-counted immutable
// blocks shared between copies (a write to an array copies it first when it
// is shared, so arrays keep value semantics). Objects are non-owning pointers.
//
// Rule table (a op b; "number" is any of the integer, float, currency, date
// and Boolean kinds; Boolean True counts as -1):
//
//   operands                  | + - * / div mod and or xor shl shr | compare
//   --------------------------+------------------------------------+--------------------------
//   Null with anything        | Null                               | Null = Null; Null < others
//   Empty with Empty          | Empty                              | equal
//   Empty with x              | Empty acts as 0 ('' beside a       | same
//                             | string)                            |
//   String with String        | + concatenates; others convert     | byte-wise, case-sensitive
//                             | both to numbers                    |
//   String with number        | string converts to Double, else    | numeric; a string that is
//                             | EVariantTypeCastError              | no number raises
//   Boolean with Boolean      | and or xor: Boolean; others as -1/0| False < True
//   integers (any width)      | Integer, Int64 when it overflows   | numeric
//   Double/Single with number | Double                             | numeric
//   Currency with number      | Currency (/ gives Double)          | numeric
//   Date with number          | + and - give Date, others Double   | numeric
//   Date with String          | as Date with number                | the string as a date
//   Object, Array             | EVariantError "Invalid variant     | objects: = and <> by
//                             | operation"                         | identity; others raise
//
//   / always divides as floating point; div and mod round float operands to
//   integers first. Unary: not and negation of Null give Null; not of a
//   Boolean is logical, of a number bitwise; Empty negates to Empty.
//   Integer division by zero raises EDivByZero "Division by zero"; float
//   division by zero EZeroDivide "Floating point division by zero", 0/0
//   EInvalidOp "Invalid floating point operation", an infinite result
//   EOverflow "Floating point overflow".
//
// Conversions: toString is VarToStr (Null and Empty give ''; floats the
// shortest text of 15 digits; dates DateTimeToStr; Booleans "True"/"False").
// Number conversions of Null raise "Could not convert variant of type (Null)
// into type (Integer)" (and so on); strings convert with the current format
// settings (toDate reads a date-time text or a number); float to integer
// rounds halves to even.
#pragma once

#include "base/date_time.h"
#include "base/exceptions.h"

#include <concepts>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rq::base {

// Base of every object a Variant can refer to (report objects, script host
// objects). The Variant never owns it.
class Object {
public:
    virtual ~Object();
};

// The type codes VarType returns; the numbers are stored in data and
// compared by scripts, so they never change.
enum class VarType : std::uint16_t {
    Empty = 0,
    Null = 1,
    SmallInt = 2,
    Integer = 3,
    Single = 4,
    Double = 5,
    Currency = 6,
    Date = 7,
    WideString = 8, // varOleStr
    Object = 9,     // varDispatch: a reference to an Object
    Boolean = 11,
    Byte = 17,
    Int64 = 20,
    String = 256,
    Array = 0x200C, // varArray | varVariant
};

enum class VarCompare { Less = -1, Equal = 0, Greater = 1 };

class Variant;
using VariantArray = std::vector<Variant>;

namespace detail {
struct SharedBlock; // reference-counted heap payload of strings and arrays
}

class Variant {
public:
    Variant() noexcept : type_(VarType::Empty) { payload_.i64 = 0; }
    Variant(int value) noexcept : type_(VarType::Integer) { payload_.i64 = value; }
    Variant(double value) noexcept : type_(VarType::Double) { payload_.d = value; }
    template <std::same_as<bool> B> Variant(B value) noexcept : type_(VarType::Boolean) {
        payload_.i64 = value ? 1 : 0;
    }
    Variant(std::string_view text);
    Variant(const std::string& text) : Variant(std::string_view(text)) {}
    Variant(const char* text) : Variant(std::string_view(text)) {}
    Variant(std::u16string_view text);
    Variant(Object* object) noexcept : type_(VarType::Object) { payload_.obj = object; }

    static Variant null() noexcept;
    static Variant fromSmallInt(std::int16_t value) noexcept;
    static Variant fromByte(std::uint8_t value) noexcept;
    static Variant fromInt64(std::int64_t value) noexcept;
    static Variant fromSingle(float value) noexcept;
    static Variant fromCurrency(double value);                       // rounded to 4 decimals
    static Variant fromCurrencyScaled(std::int64_t scaled) noexcept; // value * 10000
    static Variant fromDate(DateTime value) noexcept;
    static Variant fromArray(VariantArray elements);

    Variant(const Variant& other) noexcept;
    Variant(Variant&& other) noexcept : type_(other.type_), payload_(other.payload_) {
        other.type_ = VarType::Empty;
    }
    Variant& operator=(const Variant& other) noexcept;
    Variant& operator=(Variant&& other) noexcept;
    ~Variant() { release(); }

    VarType type() const noexcept { return type_; }
    int varType() const noexcept { return static_cast<int>(type_); }
    bool isEmpty() const noexcept { return type_ == VarType::Empty; }
    bool isNull() const noexcept { return type_ == VarType::Null; }
    bool isString() const noexcept {
        return type_ == VarType::String || type_ == VarType::WideString;
    }
    bool isNumeric() const noexcept; // integer, float, currency, date kinds
    bool isOrdinal() const noexcept; // SmallInt, Integer, Byte, Int64 (and Boolean)
    bool isFloat() const noexcept;   // Single, Double, Currency, Date
    bool isArray() const noexcept { return type_ == VarType::Array; }
    bool isObject() const noexcept { return type_ == VarType::Object; }

    // Conversions (see the table above); failures raise EVariantTypeCastError.
    std::string toString() const;
    std::u16string toWideString() const;
    std::int32_t toInteger() const;
    std::int64_t toInt64() const;
    double toDouble() const;
    std::int64_t toCurrencyScaled() const;
    bool toBoolean() const;
    DateTime toDate() const;
    // The referenced object; nullptr for a Variant that holds none.
    Object* toObject() const noexcept { return type_ == VarType::Object ? payload_.obj : nullptr; }

    // Direct access to the stored text of a String Variant (empty otherwise),
    // without a copy.
    std::string_view stringView() const noexcept;

    // Array access; the elements are shared until written.
    std::size_t arraySize() const noexcept;
    const Variant& at(std::size_t index) const; // raises EVariantError when out of range
    Variant& atForWrite(std::size_t index);     // copies a shared array first
    std::span<const Variant> elements() const noexcept;
    void resizeArray(std::size_t size); // an array gets size elements (Empty when new)

    // True when both hold the same type and the same payload (strings by
    // content); no conversion, never raises. For tests and caches.
    bool identical(const Variant& other) const noexcept;

private:
    union Payload {
        std::int64_t i64;
        double d;
        float f;
        Object* obj;
        detail::SharedBlock* block;
    };
    Variant(VarType type, Payload payload) noexcept : type_(type), payload_(payload) {}
    bool holdsBlock() const noexcept {
        return type_ == VarType::String || type_ == VarType::WideString || type_ == VarType::Array;
    }
    void release() noexcept;
    friend struct VariantAccess;

    VarType type_;
    Payload payload_;
};

static_assert(sizeof(Variant) == 16, "Variant stays two words");

// The text of a type code: "Empty", "Null", "Smallint", "Integer",
// "Single", "Double", "Currency", "Date", "OleStr", "Dispatch", "Boolean",
// "Byte", "Int64", "String", "Array Variant".
std::string varTypeAsText(VarType type);

// Raises "Could not convert variant of type (%s) into type (%s)".
[[noreturn]] void raiseVariantCast(VarType from, VarType to);

// Comparison with the rules of the table; raises for incomparable kinds.
VarCompare compare(const Variant& a, const Variant& b);
bool equals(const Variant& a, const Variant& b);

// The operators of the table.
Variant add(const Variant& a, const Variant& b);
Variant subtract(const Variant& a, const Variant& b);
Variant multiply(const Variant& a, const Variant& b);
Variant divide(const Variant& a, const Variant& b);    // "/"
Variant intDivide(const Variant& a, const Variant& b); // div
Variant modulus(const Variant& a, const Variant& b);
Variant bitAnd(const Variant& a, const Variant& b);
Variant bitOr(const Variant& a, const Variant& b);
Variant bitXor(const Variant& a, const Variant& b);
Variant shiftLeft(const Variant& a, const Variant& b);
Variant shiftRight(const Variant& a, const Variant& b);
Variant negate(const Variant& a);
Variant logicalNot(const Variant& a);
// The string forms of both joined; Null and Empty count as ''.
Variant concat(const Variant& a, const Variant& b);

} // namespace rq::base
