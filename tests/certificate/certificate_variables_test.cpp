// The certificate's report variables over stand-in inputs: every name of the
// template, the maiden-name clause, names that differ in case, and the day
// asked only when "datum" is.
#include "certificate/certificate_variables.h"

#include "base/date_text.h"

#include <gtest/gtest.h>

#include <map>

namespace rq::certificate {
namespace {

class FakeInputs : public CertificateInputs {
public:
    std::map<std::string, std::string, std::less<>> fields;
    mutable int todayAsked = 0;
    std::string FieldText(std::string_view componentName) const override {
        const auto found = fields.find(componentName);
        return found == fields.end() ? std::string() : found->second;
    }
    base::DateTime Today() const override {
        ++todayAsked;
        return base::encodeDate(2026, 12, 10);
    }
    std::string DocumentId() const override { return "9265354A7"; }
};

std::string answer(const std::string& name, const FakeInputs& inputs) {
    base::Variant value = "untouched";
    certificateVariable(name, inputs, value);
    return value.toString();
}

TEST(CertificateVariables, FieldsAnswerByTheirVariableNames) {
    FakeInputs inputs;
    const std::pair<const char*, const char*> rows[] = {
        {"m1", "Edit1"}, {"m2", "Edit2"},      {"m3", "Edit3"},
        {"m4", "Edit4"}, {"m5", "Edit5"},      {"m6", "Edit6"},
        {"m9", "Edit7"}, {"m7", "PBNumEdit1"}, {"m8", "PBNumEdit2"},
    };
    for (const auto& [variable, field] : rows)
        inputs.fields[field] = std::string("text of ") + field;
    for (const auto& [variable, field] : rows)
        EXPECT_EQ(answer(variable, inputs), std::string("text of ") + field) << variable;
    EXPECT_EQ(inputs.todayAsked, 0);
}

TEST(CertificateVariables, MaidenNameClauseOnlyWithAName) {
    FakeInputs inputs;
    EXPECT_EQ(answer("m13", inputs), "");
    inputs.fields["Edit6"] = "Szab\xF3 \xC9va";
    EXPECT_EQ(answer("m13", inputs), ", le\xE1nykori neve: <b>Szab\xF3 \xC9va</b>");
}

TEST(CertificateVariables, DateAndIdentifierComeFromTheInputs) {
    FakeInputs inputs;
    EXPECT_EQ(answer("datum", inputs), base::dateToStr(base::encodeDate(2026, 12, 10)));
    EXPECT_EQ(inputs.todayAsked, 1);
    EXPECT_EQ(answer("azon", inputs), "9265354A7");
}

TEST(CertificateVariables, OtherNamesLeaveTheValueUntouched) {
    FakeInputs inputs;
    for (const char* name : {"M1", "Datum", "AZON", "m10", "", "Edit1"})
        EXPECT_EQ(answer(name, inputs), "untouched") << name;
}

} // namespace
} // namespace rq::certificate
