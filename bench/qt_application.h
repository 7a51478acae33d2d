// The benchmark process's one Qt application object. Every benchmark that
// needs Qt goes through it: a process may hold only one, and the runner may
// run the benchmarks of several files in one process.
#pragma once

#include <QApplication>

namespace rq::bench {

// Created on first use, offscreen unless the environment names a platform,
// set up as the desktop program sets itself up (substitute fonts, the
// report's Qt rendering); never destroyed, the runner ends the process.
QApplication& qtApplication();

} // namespace rq::bench
