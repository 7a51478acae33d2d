// The evaluator through whole scripts: expressions as a report evaluates
// them, compile-time messages with positions, and programs whose result is
// read back from a variable.
#include "../support/script_runner.h"
#include "script/expression_cache.h"
#include "script/routine.h"
#include "script/runtime.h"
#include "script/script.h"

#include <gtest/gtest.h>

namespace rq::script {
namespace {

// The value's text, with its type code for numbers and Booleans.
std::string Describe(const Variant& v) {
    return v.toString() + " (" + std::to_string(v.varType()) + ")";
}

struct ExprCase {
    const char* name;
    const char* expression;
    const char* value; // Describe() of the result
};

class ExpressionTest : public testing::TestWithParam<ExprCase> {};

TEST_P(ExpressionTest, Evaluates) {
    ScriptRuntime runtime;
    TfsScript program(&runtime.Global());
    TfsExpressionCache cache(program);
    ASSERT_TRUE(cache.Prepare(GetParam().expression))
        << cache.ErrorPos() << ": " << cache.ErrorMsg();
    EXPECT_EQ(Describe(cache.Calc(GetParam().expression)), GetParam().value);
}

const ExprCase kExpressions[] = {
    {"MulBindsTighter", "2 + 3 * 4", "14 (3)"},
    {"Brackets", "(2 + 3) * 4", "20 (3)"},
    {"MinusGroupsLeft", "10 - 4 - 3", "3 (3)"},
    {"NestedBrackets", "((1 + 2) * (3 + 4)) - (5)", "16 (3)"},
    {"IntDiv", "7 div 2", "3 (3)"},
    {"SlashIsReal", "7 / 2", "3.5 (5)"},
    {"SlashInSum", "1 + 1 / 4", "1.25 (5)"},
    {"Mod", "-7 mod 3", "-1 (3)"},
    {"UnaryMinusFirstTerm", "-2 * 3 + 1", "-5 (3)"},
    {"NotBindsTighterThanOr", "not True or True", "True (11)"},
    {"NotBindsTighterThanAnd", "not False and False", "False (11)"},
    {"Comparison", "1 + 1 = 2", "True (11)"},
    {"ComparisonOfSums", "2 + 3 <> 2 * 3", "True (11)"},
    {"IntegerWrapsIn32Bits", "2147483647 + 1", "-2147483648 (3)"},
    {"MixedIsExtended", "1 + 0.5", "1.5 (5)"},
    {"StringJoin", "'a' + 'b'", "ab (256)"},
    {"StringCodes", "'x' + #65#$42", "xAB (256)"},
    {"StringCompare", "'abc' < 'abd'", "True (11)"},
    {"InSet", "3 in [1, 2..4]", "True (11)"},
    {"NotInSet", "5 in [1, 2..4]", "False (11)"},
    {"Hex", "$1F + 1", "32 (3)"},
    {"BigLiteral", "10000000000", "10000000000 (20)"},
    {"NullConstant", "Null", " (1)"},
    {"ShiftAndXor", "(1 shl 4) xor 3", "19 (20)"}, // literals are 64-bit integers
    {"LargestHexLiteral", "$7FFFFFFFFFFFFFFF", "9223372036854775807 (20)"},
    {"DecimalBeyond64BitsIsReal", "99999999999999999999", "1E20 (5)"},
    {"RealLiteralBelowRangeIsZero", "1e-99999 + 1", "1 (5)"},
    {"FractionBelowRange", "0.000001e-330 * 2", "0 (5)"},
    {"LargestCharCode", "#255 + #$FF", "\xFF\xFF (256)"},
    {"Float", "2.5e1", "25 (5)"},
};

INSTANTIATE_TEST_SUITE_P(Script, ExpressionTest, testing::ValuesIn(kExpressions),
                         [](const auto& info) { return info.param.name; });

struct ErrorCase {
    const char* name;
    std::vector<std::string> lines;
    const char* error; // "LINE:COL: message"
};

class CompileErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(CompileErrorTest, ReportsMessageAndPosition) {
    ScriptRuntime runtime;
    TfsScript script(&runtime.Global());
    EXPECT_EQ(rq::test::CompileAndRun(script, GetParam().lines),
              std::string("compile ") + GetParam().error);
}

const ErrorCase kErrors[] = {
    {"UndeclaredName", {"var x: Variant; begin x := m3 end."}, "1:30: Undeclared identifier: 'm3'"},
    {"StringPlusNumber", {"var s: String; begin s := 'a' + 1 end."}, "1:32: Incompatible types"},
    {"ExtendedToInteger",
     {"var i: Integer;", "begin i := 1.5 end."},
     "2:7: Incompatible types: 'Integer', 'Extended'"},
    {"SlashToInteger",
     {"var i: Integer; begin i := 7 / 2 end."},
     "1:23: Incompatible types: 'Integer', 'Extended'"},
    {"BooleanToString",
     {"var s: String; begin s := True end."},
     "1:22: Incompatible types: 'String', 'Boolean'"},
    {"Redeclared",
     {"var a: Integer; var a: String; begin end."},
     "1:22: Identifier redeclared: 'a'"},
    {"UnknownType", {"var a: TNothing; begin end."}, "1:16: Unknown type: 'TNothing'"},
    {"AssignToConstant",
     {"const c = 1; begin c := 2 end."},
     "1:20: Left side cannot be assigned to"},
    {"ForOverString",
     {"var s: String; begin for s := 1 to 2 do end."},
     "1:27: For loop variable must be numeric variable"},
    {"NotEnoughParameters",
     {"procedure P(a, b: Integer); begin end;", "begin P(1) end."},
     "2:8: Not enough actual parameters"},
    {"TooManyParameters",
     {"procedure P; begin end;", "begin P(1) end."},
     "2:8: Too many actual parameters"},
    {"ArgumentOfWrongType",
     {"procedure P(a: Integer); begin end;", "begin P('x') end."},
     "2:9: Incompatible types: 'Integer', 'String'"},
    {"VarParameterNeedsVariable",
     {"procedure P(var a: Integer); begin end;", "begin P(1 + 2) end."},
     "2:9: Variable required"},
    {"StringMember",
     {"var s: String; begin s := s.Length end."},
     "1:35: Strings doesn't have properties or methods"},
    {"IndexOfInteger", {"var i: Integer; begin i := i[1] end."}, "1:30: Array type required"},
    {"BooleanArithmetic", {"var b: Boolean; begin b := b + b end."}, "1:31: Incompatible types"},
    {"ConstantCallsRoutine",
     {"function F: Integer; begin Result := 1 end;", "const c = F; begin end."},
     "2:11: Constant expression expected"},
    {"ArrayTooLarge",
     {"var a: array[100000, 100000] of Integer; begin end."},
     "1:22: Array is too large"},
    // An error found after an element's parts were built is placed at the
    // element it concerns, not at the last part handled.
    {"DefaultOfWrongType",
     {"procedure P(a: Integer = 'x' + 'y'); begin end;", "begin end."},
     "1:26: Incompatible types: 'Integer', 'String'"},
    {"InitialValueOfWrongType",
     {"var i: Integer = 'x' + 'y';", "begin end."},
     "1:18: Incompatible types: 'Integer', 'String'"},
    {"ConstantCallsRoutineInsideSum",
     {"function F: Integer; begin Result := 1 end;", "const c = 1 + F + 2; begin end."},
     "2:15: Constant expression expected"},
    // The grammar's loops keep the operator of a failed last pass; the
    // expression it leaves behind is incomplete, never run.
    {"DanglingOperator",
     {"var n: Integer;", "begin n := 1 + 2 + ; end."},
     "2:19: Expression expected"},
    {"DanglingBracket",
     {"var n: Integer;", "begin n := 1 + 2 + ( ; end."},
     "2:22: Expression expected"},
    {"SyntaxErrorFirst", {"begin", "  x := ;", "end."}, "2:8: Expression expected"},
    // Literals out of range are errors, not some other value.
    {"RealLiteralTooLarge",
     {"var x: Extended; begin x := 1e99999 + 1 end."},
     "1:36: '1e99999' is not a valid floating point value"},
    {"HexLiteralBeyond64Bits",
     {"var x: Integer; begin x := $FFFFFFFFFFFFFFFF end."},
     "1:45: '$FFFFFFFFFFFFFFFF' is not a valid integer value"},
    {"CharCodeBeyondOneByte",
     {"var s: String; begin s := #99999999999 end."},
     "1:27: Expression expected"},
    {"CharCodeAfterAString", {"var s: String; begin s := 'a'#256 end."}, "1:30: ';' expected"},
};

INSTANTIATE_TEST_SUITE_P(Script, CompileErrorTest, testing::ValuesIn(kErrors),
                         [](const auto& info) { return info.param.name; });

struct ProgramCase {
    const char* name;
    const char* source;
    const char* result; // text of the variable r after Execute
};

class ProgramTest : public testing::TestWithParam<ProgramCase> {};

TEST_P(ProgramTest, LeavesResult) {
    ScriptRuntime runtime;
    EXPECT_EQ(rq::test::RunForAnswer(runtime.Global(), {GetParam().source}), GetParam().result);
}

const ProgramCase kPrograms[] = {
    {"ForLoopSum", "var i, r: Integer; begin for i := 1 to 10 do r := r + i end.", "55"},
    {"ForLoopFinalValue", "var r: Integer; begin for r := 1 to 3 do end.", "3"},
    {"ForLoopNoPass", "var i, r: Integer; begin r := 7; for i := 1 to 0 do r := 0 end.", "7"},
    {"ForDownto", "var i, r: Integer; begin for i := 3 downto 1 do r := r * 10 + i end.", "321"},
    {"WhileWithBreak",
     "var r: Integer; begin while True do begin r := r + 1; if r = 5 then break end end.", "5"},
    {"RepeatUntil", "var r: Integer; begin repeat r := r + 2 until r > 7 end.", "8"},
    {"ContinueSkips",
     "var i, r: Integer; begin for i := 1 to 5 do begin if i mod 2 = 0 then continue; r := r + i "
     "end end.",
     "9"},
    {"CaseSelectsRange",
     "var r: String; x: Integer; begin x := 7; case x of 1: r := 'one'; 5..9: r := 'mid'; else r "
     ":= 'other' end end.",
     "mid"},
    {"CaseElse", "var r: String; begin case 42 of 1, 2: r := 'small'; else r := 'big'; end end.",
     "big"},
    {"TryExceptSwallows",
     "var r, z: Integer; begin try r := 1; r := 1 div z; r := 3 except r := r + 10 end end.", "11"},
    {"TryFinallyRuns",
     "var r: Integer; begin try try r := 1; r := r div 0 finally r := r + 5 end except r := r * 2 "
     "end end.",
     "12"},
    {"ExitLeavesProgram", "var r: Integer; begin r := 1; exit; r := 2 end.", "1"},
    {"FunctionResult",
     "var r: Integer; function Twice(x: Integer): Integer; begin Result := x * 2 end; begin r := "
     "Twice(21) end.",
     "42"},
    {"VarParameters",
     "var r, a, b: Integer; procedure Swap(var x, y: Integer); var t: Integer; begin t := x; x := "
     "y; y := t end; begin a := 1; b := 2; Swap(a, b); r := a * 10 + b end.",
     "21"},
    {"DefaultParameter",
     "var r: Integer; function Add(a: Integer; b: Integer = 10): Integer; begin Result := a + b "
     "end; begin r := Add(1) + Add(1, 1) end.",
     "13"},
    {"NestedRoutinesSeeOuterLocals",
     "var r: Integer; procedure Outer; var k: Integer; procedure Inner; begin k := k + 1 end; "
     "begin k := 5; Inner; Inner; r := k end; begin Outer end.",
     "7"},
    {"Recursion",
     "var r: Integer; function Fib(n: Integer): Integer; begin if n < 2 then Result := n else "
     "Result := Fib(n - 1) + Fib(n - 2) end; begin r := Fib(15) end.",
     "610"},
    {"RecursionKeepsVarParameter",
     "var r: Integer; procedure Count(n: Integer; var total: Integer); begin if n > 0 then begin "
     "total := total + n; Count(n - 1, total) end end; begin Count(4, r) end.",
     "10"},
    {"ExitFromFunction",
     "var r: Integer; function F: Integer; begin Result := 1; exit; Result := 2 end; begin r := "
     "F end.",
     "1"},
    {"CallBeforeDeclaration",
     "var r: Integer; procedure A; begin B end; procedure B; begin r := 9 end; begin A end.", "9"},
    {"ShortCircuitAnd",
     "var r: Integer; function F: Boolean; begin r := 99; Result := True end; begin if False and F "
     "then r := 1 end.",
     "0"},
    {"ShortCircuitOr",
     "var r: Integer; function F: Boolean; begin r := 99; Result := True end; begin if True or F "
     "then r := r + 1 end.",
     "1"},
    {"StringIndex", "var r, s: String; begin s := 'abc'; r := s[2]; s[1] := 'X'; r := r + s end.",
     "bXbc"},
    {"ArrayElements",
     "var a: array[0..2] of Integer; r: Integer; begin a[0] := 1; a[2] := 5; r := a[0] + a[1] + "
     "a[2] end.",
     "6"},
    {"TwoDimensionalArray",
     "var a: array[2, 3] of Integer; r: Integer; begin a[1, 2] := 7; r := a[1][2] end.", "7"},
    {"InitialValue", "var r: Integer = 3 * 4; begin end.", "12"},
    {"Constants", "const k = 6; two = 'x' + 'y'; var r: String; begin r := two + 'z' end.", "xyz"},
    {"CompoundAssignForms",
     "var r: Extended; begin r := 3; r := r * 4; r := r - 2; r := 2 + r; r := r / 4 end.", "3"},
    {"StringAppendSelf", "var r: String; begin r := 'b'; r := 'a' + r; r := r + 'c' end.", "abc"},
};

INSTANTIATE_TEST_SUITE_P(Script, ProgramTest, testing::ValuesIn(kPrograms),
                         [](const auto& info) { return info.param.name; });

TEST(ScriptTest, EmptyProgramHasNoItemsAndNoStatements) {
    ScriptRuntime runtime;
    TfsScript script(&runtime.Global());
    const int helpers = script.Count();
    script.Lines = {"begin", "", "end."};
    ASSERT_TRUE(script.Compile());
    EXPECT_EQ(script.Count(), helpers);
    EXPECT_TRUE(script.Statements().Empty());
    script.Execute();
}

TEST(ScriptTest, SameExpressionCompilesOnce) {
    ScriptRuntime runtime;
    TfsScript program(&runtime.Global());
    program.AddVariable("a", "Integer", Variant(4));
    TfsExpressionCache cache(program);
    EXPECT_EQ(cache.Calc("a * 2").toInteger(), 8);
    EXPECT_EQ(cache.Calc("a * 2").toInteger(), 8);
    EXPECT_EQ(cache.Compilations(), 1);
    EXPECT_FALSE(cache.Prepare("m3"));
    EXPECT_EQ(cache.ErrorMsg(), "Undeclared identifier: 'm3'");
    EXPECT_TRUE(cache.Calc("m3").isNull());
    EXPECT_EQ(cache.Calc("a + 1").toInteger(), 5);
}

TEST(ScriptTest, CompilingAgainKeepsItemsAndRejectsRedeclaration) {
    ScriptRuntime runtime;
    TfsScript script(&runtime.Global());
    script.Lines = {"var a: Integer; begin a := 1 end."};
    ASSERT_TRUE(script.Compile());
    script.Lines = {"var b: Integer; begin b := a + 1 end."};
    ASSERT_TRUE(script.Compile()) << script.ErrorMsg();
    script.Execute();
    Variant b;
    script.Find("b")->Read(Variant(), b);
    EXPECT_EQ(b.toInteger(), 2);
    script.Lines = {"var a: String; begin end."};
    EXPECT_FALSE(script.Compile());
    EXPECT_EQ(script.ErrorMsg(), "Identifier redeclared: 'a'");
}

TEST(ScriptTest, RuntimeErrorPropagatesAfterFlagsReset) {
    ScriptRuntime runtime;
    TfsScript script(&runtime.Global());
    script.Lines = {"var z: Integer; function F: Integer; begin Result := 1 div z end;",
                    "begin F end."};
    ASSERT_TRUE(script.Compile()) << script.ErrorMsg();
    try {
        script.Execute();
        FAIL() << "no error";
    } catch (const rq::base::Exception& e) {
        EXPECT_STREQ(e.what(), "Division by zero");
    }
    EXPECT_FALSE(script.IsRunning());
    auto* f = dynamic_cast<TfsProcVariable*>(script.Find("F"));
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE(f->IsRunning());
}

TEST(ScriptTest, EndlessRecursionIsAnErrorNotACrash) {
    ScriptRuntime runtime;
    TfsScript script(&runtime.Global());
    script.Lines = {
        "var r: Integer; function F(n: Integer): Integer; begin Result := F(n + 1) end;",
        "begin try r := F(0) except r := -1 end end."};
    ASSERT_TRUE(script.Compile()) << script.ErrorMsg();
    script.Execute();
    Variant r;
    script.Find("r")->Read(Variant(), r);
    EXPECT_EQ(r.toInteger(), -1);
}

TEST(ScriptTest, CallFunctionPassesAndReturnsArguments) {
    ScriptRuntime runtime;
    TfsScript script(&runtime.Global());
    script.Lines = {"function Sum(a, b: Integer; var c: Integer): Integer;",
                    "begin c := a * b; Result := a + b end; begin end."};
    ASSERT_TRUE(script.Compile()) << script.ErrorMsg();
    VariantArray args{Variant(3), Variant(4), Variant(0)};
    EXPECT_EQ(script.CallFunction("Sum", args, true).toInteger(), 7);
    EXPECT_EQ(args[2].toInteger(), 12);
    EXPECT_TRUE(script.CallFunction("Nothing", args).isNull());
}

TEST(ScriptTest, OnRunLineSeesEveryStatementLine) {
    ScriptRuntime runtime;
    TfsScript script(&runtime.Global());
    std::vector<std::string> seen;
    script.OnRunLine = [&](TfsScript&, const std::string&, const std::string& pos) {
        seen.push_back(pos);
    };
    script.Lines = {"var i: Integer;", "begin",      "  i := 1;",
                    "  if i = 1 then", "    i := 2", "end."};
    ASSERT_TRUE(script.Compile());
    script.Execute();
    EXPECT_EQ(seen, (std::vector<std::string>{"3:3", "4:3", "5:5"}));
    EXPECT_EQ(script.LineRegistry().at(""), "3,4,5");
    EXPECT_EQ(seen.size(), 3u);
}

} // namespace
} // namespace rq::script
