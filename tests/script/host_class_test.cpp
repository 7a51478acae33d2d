// Host classes and routines as the library registers them: properties with
// getters and setters, methods, indexed and default properties, by-ref
// write-back of handler arguments, with-statements, "is" and enumerations.
#include "../support/script_runner.h"
#include "script/global_library.h"
#include "script/script.h"

#include <gtest/gtest.h>

namespace rq::script {
namespace {

struct Point : rq::base::Object {
    int x = 0, y = 0;
    int cells[3] = {0, 0, 0};
};

struct Other : rq::base::Object {};

Point* AsPoint(rq::base::Object* o) {
    return dynamic_cast<Point*>(o);
}

// A script whose parent registers TPoint, a point object "P" and the
// routine Twice(var n).
class HostTest : public testing::Test {
protected:
    HostTest() : library_(&fsGlobalUnit()), script_(&library_) {
        TfsClassVariable& point = library_.AddClass(
            "TPoint", "", [](const rq::base::Object* o) { return dynamic_cast<const Point*>(o); });
        point.AddProperty(
            "X", "Integer",
            [](rq::base::Object* o, const TfsClassVariable*, const std::string&) {
                return Variant(AsPoint(o)->x);
            },
            [](rq::base::Object* o, const TfsClassVariable*, const std::string&, const Variant& v) {
                AsPoint(o)->x = v.toInteger();
            });
        point.AddProperty("Y", "Integer",
                          [](rq::base::Object* o, const TfsClassVariable*, const std::string&) {
                              return Variant(AsPoint(o)->y);
                          });
        point.AddMethod("procedure Move(dx: Integer; dy: Integer = 1)",
                        [](rq::base::Object* o, const TfsClassVariable*, const std::string& name,
                           VariantArray& args) {
                            EXPECT_EQ(name, "MOVE");
                            AsPoint(o)->x += args[0].toInteger();
                            AsPoint(o)->y += args[1].toInteger();
                            return Variant();
                        });
        point.AddDefaultProperty("Cells", "Integer", "Integer",
                                 [](rq::base::Object* o, const TfsClassVariable*,
                                    const std::string& name, VariantArray& args) {
                                     int& cell = AsPoint(o)->cells[args[0].toInteger()];
                                     if (name == "CELLS.SET")
                                         cell = args[1].toInteger();
                                     return Variant(cell);
                                 });
        library_.AddClass("TOther", "");
        library_.AddObject("P", "TPoint", &point_);
        library_.AddObject("O", "TOther", &other_);
        library_.AddMethod(
            "procedure Twice(var n: Integer)",
            [](rq::base::Object*, const TfsClassVariable*, const std::string&, VariantArray& args) {
                args[0] = Variant(args[0].toInteger() * 2);
                return Variant();
            });
        library_.AddVariable("Bounds", "Variant",
                             Variant::fromArray({Variant(10), Variant(20), Variant(30)}));
        library_.AddEnum("TColorKind", "ckRed, ckGreen, ckBlue");
        library_.AddEnumSet("TStyle", "stBold, stItalic, stUnderline");
    }

    std::string Run(const std::string& source) {
        return rq::test::CompileAndRun(script_, {source});
    }

    int IntOf(const std::string& name) { return rq::test::ValueOf(script_, name).toInteger(); }

    Point point_;
    Other other_;
    TfsScript library_;
    TfsScript script_;
};

TEST_F(HostTest, PropertiesAndMethods) {
    ASSERT_EQ(Run("var r: Integer; begin P.X := 5; P.Move(2); P.Move(1, 3); r := P.X * 10 + P.Y "
                  "end."),
              "");
    EXPECT_EQ(point_.x, 8);
    EXPECT_EQ(point_.y, 4);
    EXPECT_EQ(IntOf("r"), 84);
}

TEST_F(HostTest, DefaultPropertyReadsAndWrites) {
    ASSERT_EQ(Run("var r: Integer; begin P[1] := 7; P.Cells[2] := 3; r := P[1] + P.Cells[2] end."),
              "");
    EXPECT_EQ(point_.cells[1], 7);
    EXPECT_EQ(IntOf("r"), 10);
}

TEST_F(HostTest, WithStatementResolvesMembers) {
    ASSERT_EQ(Run("var r: Integer; begin with P do begin X := 4; Move(1, 1); r := X + Y end end."),
              "");
    EXPECT_EQ(IntOf("r"), 6);
}

TEST_F(HostTest, VariantArrayIsUsedThroughItsElements) {
    ASSERT_EQ(Run("var r: Integer; begin Bounds[0] := 5; r := Bounds[0] + Bounds[2] end."), "");
    EXPECT_EQ(IntOf("r"), 35);
}

TEST_F(HostTest, HandlerWritesBackByRefArguments) {
    ASSERT_EQ(Run("var n: Integer; begin n := 21; Twice(n) end."), "");
    EXPECT_EQ(IntOf("n"), 42);
}

TEST_F(HostTest, IsTestsTheObjectsClass) {
    ASSERT_EQ(Run("var a, b: Boolean; begin a := P is TPoint; b := O is TPoint end."), "");
    EXPECT_EQ(IntOf("a"), -1); // True
    EXPECT_EQ(IntOf("b"), 0);
}

TEST_F(HostTest, EnumerationsAndFlagSets) {
    ASSERT_EQ(Run("var r: Integer; k: TColorKind; begin k := ckBlue; r := k; r := r * 10 + "
                  "stUnderline end."),
              "");
    EXPECT_EQ(IntOf("r"), 24);
}

struct HostErrorCase {
    const char* name;
    const char* source;
    const char* error;
};

class HostErrorTest : public HostTest, public testing::WithParamInterface<HostErrorCase> {};

TEST_P(HostErrorTest, RejectsAtCompileTime) {
    EXPECT_EQ(Run(GetParam().source), GetParam().error);
}

const HostErrorCase kHostErrors[] = {
    {"UnknownMember", "begin P.Nope := 1 end.", "compile 1:13: Undeclared identifier: 'Nope'"},
    {"NoDefaultProperty", "var r: Variant; begin r := O[1] end.",
     "compile 1:30: Class TOther does not have a default property"},
    {"IndexedWithoutIndex", "var r: Variant; begin r := P.Cells end.",
     "compile 1:35: Index required"},
    {"VariantArrayWithoutIndex", "var r: Variant; begin r := Bounds end.",
     "compile 1:34: Index required"},
    {"VariantArrayMember", "var r: Variant; begin r := Bounds.Count end.",
     "compile 1:34: Index required"},
    {"ReadOnlyProperty", "begin P.Y := 1 end.", "compile 1:7: Left side cannot be assigned to"},
    {"ObjectItemIsReadOnly", "begin P := nil end.", "compile 1:7: Left side cannot be assigned to"},
    {"ClassAgainstInteger", "var r: Boolean; begin r := P = 1 end.",
     "compile 1:31: Incompatible types"},
    {"EnumOfOtherType", "var k: TColorKind; s: TStyle; begin k := s end.",
     "compile 1:37: Incompatible types: 'TColorKind', 'TStyle'"},
};

INSTANTIATE_TEST_SUITE_P(Script, HostErrorTest, testing::ValuesIn(kHostErrors),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace rq::script
