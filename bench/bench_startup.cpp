// Start-up of the main window to its first paint: creating the three windows,
// showing the main one and running the event loop until it has painted.
#include "app/application.h"
#include "qt_application.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

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
    QApplication& app = rq::bench::qtApplication();
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
