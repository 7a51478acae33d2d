// The report model's enumerations and flag sets as script constants: they
// come with the report library, not with the interpreter's own library.
#include "../../support/script_runner.h"
#include "report/scripting/report_library.h"
#include "script/global_library.h"

#include <gtest/gtest.h>

namespace rq::report::scripting {
namespace {

struct EnumCase {
    const char* name;
    const char* expression;
    const char* expected; // IntToStr of the value
};

const EnumCase kEnums[] = {
    {"Enumeration", "haBlock", "3"},
    {"FlagSet", "ftBottom", "8"},
    {"BarcodeTypes", "bcCodeEAN128C", "22"},
    {"BrushStyle", "bsClear", "1"},
};

class ReportEnumerationTest : public testing::TestWithParam<EnumCase> {};

TEST_P(ReportEnumerationTest, IsAConstantOfTheReportLibrary) {
    const std::vector<std::string> lines = {"var r: String;", std::string("begin r := IntToStr(") +
                                                                  GetParam().expression + ") end."};
    script::TfsScript& global = script::fsGlobalUnit();
    AddReportLibrary(global);
    EXPECT_EQ(rq::test::RunForAnswer(global, lines), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Model, ReportEnumerationTest, testing::ValuesIn(kEnums),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace rq::report::scripting
