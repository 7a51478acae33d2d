// Start-up of the desktop program.
#include "app/application.h"

#include <QApplication>
#include <QMainWindow>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace rq::app {
namespace {

// Qt aborts when it cannot reach a display; say so in words first.
bool displayAvailable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform && std::strncmp(platform, "xcb", 3) != 0 &&
        std::strncmp(platform, "wayland", 7) != 0)
        return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

} // namespace

int runProgram(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fputs("rq0612: no display is available (neither DISPLAY nor WAYLAND_DISPLAY is "
                   "set).\nRun it on a desktop, under xvfb-run, or use rq0612-tool for "
                   "headless work.\n",
                   stderr);
        return 2;
    }
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(
        QString::fromUtf8("Elektronikus nyomtatvány - Ezüstliget Polgármesteri Hivatal"));
    window.resize(811, 558);
    window.show();
    return QApplication::exec();
}

} // namespace rq::app
