// Variant: storage, conversions and the operator rule table.
#include "base/variant.h"

#include "base/date_time.h"
#include "base/format_settings.h"
#include "base/number_text.h"

#include <gtest/gtest.h>

#include <functional>

namespace rq::base {
namespace {

class VariantTest : public ::testing::Test {
protected:
    FormatSettingsScope scope{defaultFormatSettings()};
};

// The message of the exception fn throws, or "" when it throws none.
template <typename Fn> std::string errorOf(Fn fn) {
    try {
        fn();
    } catch (const Exception& e) {
        return e.what();
    }
    return {};
}

std::string describe(const Variant& v) {
    if (v.isNull())
        return "Null";
    if (v.isEmpty())
        return "Empty";
    return varTypeAsText(v.type()) + ":" + v.toString();
}

TEST_F(VariantTest, ScalarsStayInTheValueAndCopiesShareStrings) {
    Variant text("abc");
    Variant copy = text;
    EXPECT_EQ(copy.stringView().data(), text.stringView().data());
    Variant moved = std::move(copy);
    EXPECT_TRUE(copy.isEmpty());
    EXPECT_EQ(moved.toString(), "abc");
    EXPECT_TRUE(Variant().isEmpty());
    EXPECT_TRUE(Variant::null().isNull());
    EXPECT_FALSE(Variant().identical(Variant::null()));
    EXPECT_EQ(Variant::null().varType(), 1);
    EXPECT_EQ(Variant(3).varType(), 3);
    EXPECT_EQ(Variant("x").varType(), 256);
}

TEST_F(VariantTest, ArraysCopyOnWrite) {
    Variant a = Variant::fromArray({Variant(1), Variant("two")});
    Variant b = a;
    b.atForWrite(0) = Variant(10);
    EXPECT_EQ(a.at(0).toInteger(), 1);
    EXPECT_EQ(b.at(0).toInteger(), 10);
    b.resizeArray(3);
    EXPECT_EQ(b.arraySize(), 3u);
    EXPECT_TRUE(b.at(2).isEmpty());
    EXPECT_EQ(errorOf([&] { (void)a.at(5); }), "Variant or safe array index out of bounds");
}

struct ConversionCase {
    const char* name;
    Variant value;
    const char* text;    // toString
    const char* integer; // toInteger as text, or the error message
    const char* real;    // toDouble as text, or the error message
    const char* boolean; // "1", "0" or the error message
};

template <typename Fn> std::string resultOrError(Fn fn) {
    try {
        return fn();
    } catch (const Exception& e) {
        return e.what();
    }
}

TEST_F(VariantTest, ConversionTable) {
    const ConversionCase cases[] = {
        {"empty", Variant(), "", "0", "0", "0"},
        {"null", Variant::null(), "",
         "Could not convert variant of type (Null) into type (Integer)",
         "Could not convert variant of type (Null) into type (Double)",
         "Could not convert variant of type (Null) into type (Boolean)"},
        {"integer", Variant(-42), "-42", "-42", "-42", "1"},
        {"smallint", Variant::fromSmallInt(7), "7", "7", "7", "1"},
        {"byte", Variant::fromByte(255), "255", "255", "255", "1"},
        {"int64", Variant::fromInt64(5000000000), "5000000000", "Variant overflow", "5000000000",
         "1"},
        {"double", Variant(2.5), "2.5", "2", "2.5", "1"},
        {"double half to even", Variant(3.5), "3.5", "4", "3.5", "1"},
        {"double third", Variant(1.0 / 3), "0.333333333333333", "0", "0.333333333333333", "1"},
        {"single", Variant::fromSingle(0.1f), "0.1", "0", "0.100000001490116", "1"},
        {"currency", Variant::fromCurrency(12.3456), "12.3456", "12", "12.3456", "1"},
        {"date", Variant::fromDate(36526.5), "1/1/2000 12:00:00 PM", "36526", "36526.5", "1"},
        {"true", Variant(true), "True", "-1", "-1", "1"},
        {"false", Variant(false), "False", "0", "0", "0"},
        {"numeric string", Variant(" 12 "), " 12 ", "12", "12", "1"},
        {"float string", Variant("2.5"), "2.5", "2", "2.5", "1"},
        {"hex string", Variant("$1F"), "$1F", "31",
         "Could not convert variant of type (String) into type (Double)",
         "Could not convert variant of type (String) into type (Boolean)"},
        {"boolean string", Variant("tRUE"), "tRUE",
         "Could not convert variant of type (String) into type (Integer)",
         "Could not convert variant of type (String) into type (Double)", "1"},
        {"text", Variant("abc"), "abc",
         "Could not convert variant of type (String) into type (Integer)",
         "Could not convert variant of type (String) into type (Double)",
         "Could not convert variant of type (String) into type (Boolean)"},
        {"wide", Variant(std::u16string_view(u"\u0151")), "\xF5",
         "Could not convert variant of type (OleStr) into type (Integer)",
         "Could not convert variant of type (OleStr) into type (Double)",
         "Could not convert variant of type (OleStr) into type (Boolean)"},
        {"array", Variant::fromArray({}),
         "Could not convert variant of type (Array Variant) into type (String)",
         "Could not convert variant of type (Array Variant) into type (Integer)",
         "Could not convert variant of type (Array Variant) into type (Double)",
         "Could not convert variant of type (Array Variant) into type (Boolean)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(resultOrError([&] { return c.value.toString(); }), c.text);
        EXPECT_EQ(resultOrError([&] { return std::to_string(c.value.toInteger()); }), c.integer);
        EXPECT_EQ(resultOrError([&] { return floatToStr(c.value.toDouble()); }), c.real);
        EXPECT_EQ(resultOrError([&] { return std::string(c.value.toBoolean() ? "1" : "0"); }),
                  c.boolean);
    }
}

TEST_F(VariantTest, ConversionsFollowTheCurrentDecimalSeparator) {
    formatSettings().DecimalSeparator = ',';
    EXPECT_EQ(Variant("2,5").toDouble(), 2.5);
    EXPECT_EQ(Variant(2.5).toString(), "2,5");
    EXPECT_EQ(errorOf([] { (void)Variant("2.5").toDouble(); }),
              "Could not convert variant of type (String) into type (Double)");
}

TEST_F(VariantTest, StringsConvertToDates) {
    EXPECT_EQ(Variant("1/2/2000").toDate(), encodeDate(2000, 1, 2));
    EXPECT_EQ(Variant("36526.5").toDate(), 36526.5);
    EXPECT_TRUE(equals(Variant::fromDate(encodeDate(2000, 1, 2)), Variant("1/2/2000")));
    EXPECT_EQ(compare(Variant("1/3/2000"), Variant::fromDate(encodeDate(2000, 1, 2))),
              VarCompare::Greater);
    EXPECT_EQ(errorOf([] { (void)Variant("soon").toDate(); }),
              "Could not convert variant of type (String) into type (Date)");
}

using BinaryOp = Variant (*)(const Variant&, const Variant&);

struct OperatorCase {
    const char* name;
    BinaryOp op;
    Variant a;
    Variant b;
    const char* expected; // describe() of the result, or the error message
};

TEST_F(VariantTest, OperatorTable) {
    Object object;
    const OperatorCase cases[] = {
        {"int + int", add, Variant(2), Variant(3), "Integer:5"},
        {"int overflow widens", add, Variant(2147483647), Variant(1), "Int64:2147483648"},
        {"int64 overflow", multiply, Variant::fromInt64(INT64_MAX), Variant(2), "Variant overflow"},
        {"int + double", add, Variant(2), Variant(0.5), "Double:2.5"},
        {"string + string", add, Variant("ab"), Variant("cd"), "String:abcd"},
        {"numeric string + int", add, Variant("12"), Variant(1), "Double:13"},
        {"text + int", add, Variant("abc"), Variant(1),
         "Could not convert variant of type (String) into type (Double)"},
        {"string - string", subtract, Variant("5"), Variant("2"), "Double:3"},
        {"empty + int", add, Variant(), Variant(4), "Integer:4"},
        {"empty + string", add, Variant(), Variant("s"), "String:s"},
        {"empty + empty", add, Variant(), Variant(), "Empty"},
        {"null + int", add, Variant::null(), Variant(1), "Null"},
        {"int * null", multiply, Variant(1), Variant::null(), "Null"},
        {"null and true", bitAnd, Variant::null(), Variant(true), "Null"},
        {"true + int", add, Variant(true), Variant(1), "Integer:0"},
        {"date + int", add, Variant::fromDate(1.5), Variant(1), "Date:1/1/1900 12:00:00 PM"},
        {"date - date", subtract, Variant::fromDate(3), Variant::fromDate(1), "Double:2"},
        {"date - int", subtract, Variant::fromDate(3), Variant(1), "Date:1/1/1900"},
        {"date + date", add, Variant::fromDate(1), Variant::fromDate(1), "Date:1/1/1900"},
        {"currency * currency", multiply, Variant::fromCurrency(1.5), Variant::fromCurrency(2.25),
         "Currency:3.375"},
        {"7 / 2", divide, Variant(7), Variant(2), "Double:3.5"},
        {"1 / 0", divide, Variant(1), Variant(0), "Floating point division by zero"},
        {"0 / 0", divide, Variant(0), Variant(0), "Invalid floating point operation"},
        {"overflow", multiply, Variant(1e308), Variant(10.0), "Floating point overflow"},
        {"7 div 2", intDivide, Variant(7), Variant(2), "Integer:3"},
        {"-7 div 2", intDivide, Variant(-7), Variant(2), "Integer:-3"},
        {"7.5 div 2", intDivide, Variant(7.5), Variant(2), "Integer:4"},
        {"div by zero", intDivide, Variant(1), Variant(0), "Division by zero"},
        {"min div -1", intDivide, Variant(INT32_MIN), Variant(-1), "Int64:2147483648"},
        {"-7 mod 3", modulus, Variant(-7), Variant(3), "Integer:-1"},
        {"mod by zero", modulus, Variant(1), Variant(0), "Division by zero"},
        {"bool and bool", bitAnd, Variant(true), Variant(false), "Boolean:False"},
        {"bool or string", bitOr, Variant(false), Variant("true"), "Boolean:True"},
        {"bool xor bool", bitXor, Variant(true), Variant(true), "Boolean:False"},
        {"int and int", bitAnd, Variant(12), Variant(10), "Integer:8"},
        {"int or int", bitOr, Variant(12), Variant(3), "Integer:15"},
        {"int xor int", bitXor, Variant(12), Variant(10), "Integer:6"},
        {"shl", shiftLeft, Variant(1), Variant(4), "Integer:16"},
        {"shl wraps", shiftLeft, Variant(1), Variant(31), "Integer:-2147483648"},
        {"shr is logical", shiftRight, Variant(-1), Variant(28), "Integer:15"},
        {"object + int", add, Variant(&object), Variant(1), "Invalid variant operation"},
        {"array * int", multiply, Variant::fromArray({}), Variant(1), "Invalid variant operation"},
        {"concat", concat, Variant("n="), Variant(1.5), "String:n=1.5"},
        {"concat null", concat, Variant("a"), Variant::null(), "String:a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(resultOrError([&] { return describe(c.op(c.a, c.b)); }), c.expected);
    }
}

TEST_F(VariantTest, UnaryOperators) {
    struct Case {
        const char* name;
        Variant (*op)(const Variant&);
        Variant a;
        const char* expected;
    };
    const Case cases[] = {
        {"not true", logicalNot, Variant(true), "Boolean:False"},
        {"not int", logicalNot, Variant(0), "Integer:-1"},
        {"not null", logicalNot, Variant::null(), "Null"},
        {"not string boolean", logicalNot, Variant("False"), "Boolean:True"},
        {"negate int", negate, Variant(5), "Integer:-5"},
        {"negate min int widens", negate, Variant(INT32_MIN), "Int64:2147483648"},
        {"negate double", negate, Variant(2.5), "Double:-2.5"},
        {"negate string", negate, Variant("3"), "Double:-3"},
        {"negate null", negate, Variant::null(), "Null"},
        {"negate empty", negate, Variant(), "Empty"},
        {"negate text", negate, Variant("x"),
         "Could not convert variant of type (String) into type (Double)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(resultOrError([&] { return describe(c.op(c.a)); }), c.expected);
    }
}

TEST_F(VariantTest, ComparisonTable) {
    Object one;
    Object two;
    struct Case {
        const char* name;
        Variant a;
        Variant b;
        const char* expected; // "<", "=", ">" or the error message
    };
    const Case cases[] = {
        {"ints", Variant(1), Variant(2), "<"},
        {"int and double", Variant(2), Variant(1.5), ">"},
        {"numeric string and number", Variant("10"), Variant(9), ">"},
        {"numeric string compares as number", Variant("10"), Variant(10.0), "="},
        {"strings compare bytewise", Variant("10"), Variant("9"), "<"},
        {"strings are case sensitive", Variant("a"), Variant("B"), ">"},
        {"text and number", Variant("x"), Variant(1),
         "Could not convert variant of type (String) into type (Double)"},
        {"null and null", Variant::null(), Variant::null(), "="},
        {"null below number", Variant::null(), Variant(-100), "<"},
        {"null below empty", Variant(), Variant::null(), ">"},
        {"empty and zero", Variant(), Variant(0), "="},
        {"empty and empty string", Variant(), Variant(""), "="},
        {"false below true", Variant(false), Variant(true), "<"},
        {"boolean and string", Variant(true), Variant("True"), "="},
        {"same object", Variant(&one), Variant(&one), "="},
        {"object and number", Variant(&one), Variant(1), "Invalid variant operation"},
        {"wide and narrow", Variant(std::u16string_view(u"ab")), Variant("ab"), "="},
        {"int64 precision", Variant::fromInt64(9007199254740993),
         Variant::fromInt64(9007199254740992), ">"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(resultOrError([&]() -> std::string {
                      switch (compare(c.a, c.b)) {
                      case VarCompare::Less:
                          return "<";
                      case VarCompare::Equal:
                          return "=";
                      case VarCompare::Greater:
                          return ">";
                      }
                      return "?";
                  }),
                  c.expected);
    }
    EXPECT_FALSE(equals(Variant(&one), Variant(&two)));
}

} // namespace
} // namespace rq::base
