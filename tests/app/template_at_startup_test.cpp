// The main window's report holds the certificate template from start-up,
// read under the window's Hungarian regional settings.
#include "certificate/certificate_template.h"

#include "form1_harness.h"

#include "report/model/barcode_view.h"
#include "report/model/report.h"

#include <gtest/gtest.h>

#include <sstream>

namespace rq::app::testing {
namespace {

using CertificateTemplateInMainWindow = MainWindowTest;

// The window runs with Hungarian regional settings (decimal comma): the
// template, written with points, still reads every number exactly.
TEST_F(CertificateTemplateInMainWindow, ReportHoldsTheTemplateFromStartUp) {
    using namespace report::model;
    const TfrxReport& report = form().frxReport1;
    ASSERT_NE(report.ObjectByName("Page1"), nullptr);
    EXPECT_EQ(report.ObjectByName("Page1")->Count(), 25);
    EXPECT_NE(dynamic_cast<TfrxBarCodeView*>(report.ObjectByName("BarCode1")), nullptr);
    EXPECT_EQ(report.ObjectByName("Line5")->Left(), 476.220472440945);
    EXPECT_EQ(report.PreviewOptions().Buttons, bit(pbPrint) | bit(pbZoom));
    TfrxReport fresh;
    certificate::LoadCertificateTemplate(fresh);
    std::ostringstream inWindow, loaded;
    report.SaveToStream(inWindow);
    fresh.SaveToStream(loaded);
    EXPECT_EQ(inWindow.str(), loaded.str());
}

} // namespace
} // namespace rq::app::testing
