// Program start: checks that a display is there, sets up the application
// object and runs the event loop.
#pragma once

namespace rq::app {

// Runs the desktop program; returns the process exit code.
int runProgram(int argc, char** argv);

} // namespace rq::app
