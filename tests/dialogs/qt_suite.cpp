// The dialog tests need nothing beyond the QApplication.
#include "../support/qt_test_main.h"

void rq::testing::prepareQtSuite() {}
