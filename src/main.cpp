// RQ0612 desktop program entry point.
#include "app/application.h"

int main(int argc, char** argv) {
    return rq::app::runProgram(argc, argv);
}
