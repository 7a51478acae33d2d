// The preview tests need a QApplication with the renderer's fonts and text
// measurement; they run on the offscreen platform unless the environment
// names another.
#include "report/render/qt/qt_canvas.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    rq::report::render::qt::initQtRendering();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
