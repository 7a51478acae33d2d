// The Qt printing tests run with one QApplication (offscreen platform) and
// the program's fonts.
#include "report/render/qt/qt_canvas.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The program's fonts (Tahoma among them), as the desktop program has them.
    rq::report::render::qt::initQtRendering();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
