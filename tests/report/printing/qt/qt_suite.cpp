// The printing tests draw with the renderer's fonts, as the program does.
#include "../../../support/qt_test_main.h"

#include "report/render/qt/qt_canvas.h"

void rq::testing::prepareQtSuite() {
    rq::report::render::qt::initQtRendering();
}
