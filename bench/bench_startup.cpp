// Start-up of the main window to its first paint: creating the three windows,
// showing the main one and running the event loop until it has painted.
#include "app/application.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "rq0612-bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* instance = [] {
        auto* created = new QApplication(argc, argv);
        rq::app::setUpApplication();
        return created;
    }();
    return *instance;
}

class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }
};

void BM_MainWindowToFirstPaint(benchmark::State& state) {
    QApplication& app = application();
    for (auto _ : state) {
        PaintWatch watch;
        app.installEventFilter(&watch);
        {
            rq::app::Forms forms;
            forms.Form1().show();
            while (!watch.painted)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            state.PauseTiming();
        }
        app.removeEventFilter(&watch);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace
