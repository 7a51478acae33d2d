// The shared Qt application object of the benchmarks.
#if __has_include(<QGuiApplication>)

#include "qt_application.h"

#include "app/application.h"

namespace rq::bench {

QApplication& qtApplication() {
    static int argc = 1;
    static char name[] = "rq0612-bench";
    static char* argv[] = {name, nullptr};
    static QApplication* instance = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* created = new QApplication(argc, argv);
        app::setUpApplication();
        return created;
    }();
    return *instance;
}

} // namespace rq::bench

#endif
