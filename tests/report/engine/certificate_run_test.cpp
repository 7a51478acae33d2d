// The certificate's page through the engine: the host is asked exactly the
// certificate's names in template order, nothing is compiled, the two
// invisible objects are neither fetched nor stored, tags stay as written
// and the template (with the barcode's text) comes back after the run.
#include "engine_fixture.h"

#include "report/model/barcode_view.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace rq::report::engine {
namespace {

using base::Variant;
using testing::EngineFixture;
using Names = std::vector<std::string>;

// The template resource as the application embeds it.
std::string certificateXml() {
    std::ifstream file(std::string(RQ_TEST_DATA_DIR) +
                           "/../../src/certificate/resources/certificate.xml",
                       std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

struct CertificateFixture : EngineFixture {
    CertificateFixture() {
        model::RegisterBarCodeView();
        std::istringstream stream(certificateXml());
        report.model::TfrxComponent::LoadFromStream(stream);
        for (const char* name : {"m1", "m2", "m3", "m4", "m5", "m7", "m8", "m9", "datum", "azon"})
            answers[name] = Variant(std::string("<") + name + ">");
        answers["m13"] = Variant(", leanykori neve: <b>Nagy Eva</b>");
    }
};

TEST(CertificateRun, AsksTheHostInTemplateOrderAndCompilesNothing) {
    CertificateFixture f;
    ASSERT_TRUE(f.report.Errors().Empty());
    auto* barcode = dynamic_cast<model::TfrxBarCodeView*>(f.report.ObjectByName("BarCode1"));
    ASSERT_NE(barcode, nullptr);
    barcode->SetText("ABC123");
    ASSERT_TRUE(f.report.Prepare(true));
    EXPECT_EQ(f.asked, (Names{"datum", "azon", "datum", "m1", "m2", "m3", "m13", "m9", "m5", "m4",
                              "m7", "m8"}));
    EXPECT_EQ(f.engine->CompiledExpressions(), 0);
    EXPECT_TRUE(f.report.Errors().Empty());
    EXPECT_TRUE(f.boxes.empty());
    ASSERT_EQ(f.store->Count(), 1);
    const Names names = f.storedNames();
    EXPECT_EQ(names.size(), 23u);
    for (const char* invisible : {"Memo46", "BarCode1"})
        EXPECT_EQ(std::count(names.begin(), names.end(), invisible), 0) << invisible;

    const std::string memo3 =
        f.store
            ->pages[0][static_cast<std::size_t>(std::find(names.begin(), names.end(), "Memo3") -
                                                names.begin())]
            .text;
    EXPECT_NE(memo3.find("<b><m3></b> , leanykori neve: <b>Nagy Eva</b>"), std::string::npos)
        << memo3;
    EXPECT_EQ(memo3.find('['), std::string::npos) << memo3;

    auto* again = dynamic_cast<model::TfrxBarCodeView*>(f.report.ObjectByName("BarCode1"));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Text(), "ABC123");
    EXPECT_NE(f.templateText("Memo3").find("<b>[m3]</b> [m13]"), std::string::npos);
}

TEST(CertificateRun, TemplateIsByteIdenticalAfterAFailedRun) {
    CertificateFixture f;
    f.answers.erase("m9");
    std::ostringstream before;
    f.report.SaveToStream(before);
    EXPECT_FALSE(f.report.Prepare(true));
    ASSERT_EQ(f.boxes.size(), 1u);
    EXPECT_NE(f.boxes[0].find(": Error in expression 'm9': "), std::string::npos) << f.boxes[0];
    std::ostringstream after;
    f.report.SaveToStream(after);
    EXPECT_EQ(after.str(), before.str());
}

} // namespace
} // namespace rq::report::engine
