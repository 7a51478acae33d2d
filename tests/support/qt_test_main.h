// The one main of the Qt test executables: a QApplication on the offscreen
// platform (unless the environment names another) before any test runs.
// Each suite says what else its tests need by defining prepareQtSuite().
#pragma once

namespace rq::testing {

// Called once after the QApplication exists, before the tests.
void prepareQtSuite();

} // namespace rq::testing
