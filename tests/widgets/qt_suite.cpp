// The widget tests use the program's substitute fonts.
#include "../support/qt_test_main.h"

#include "widgets/window_system.h"

void rq::testing::prepareQtSuite() {
    rq::widgets::registerSubstituteFonts();
}
