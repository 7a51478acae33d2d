// One QGuiApplication for the whole test run (offscreen platform), with the
// program's fonts and the layout's measuring canvas installed.
#include "report/render/qt/qt_canvas.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
        rq::report::render::qt::initQtRendering();
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "render_qt_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
