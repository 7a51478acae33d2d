// rq0612-tool screenshot FILE.png: starts the real main window the way the
// desktop program does (on the display of the environment, or offscreen when
// there is none), waits for its first paint, reports how long start-up took
// and saves a picture of the window.
#include "command.h"

#ifdef RQ_TOOL_HAS_GUI

#include "window_capture.h"

#include "app/application.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdlib>
#include <iostream>

namespace rq::tool {
namespace {

// Notes the first paint of any widget of the main window.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(const QElapsedTimer& clock) : clock_(clock) {}
    bool painted() const { return elapsed_ >= 0; }
    qint64 elapsed() const { return elapsed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted())
            elapsed_ = clock_.elapsed();
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& clock_;
    qint64 elapsed_ = -1;
};

int runScreenshot(const Args& args) {
    if (args.size() != 1)
        return usageError("screenshot", "expects the name of the PNG file to write");
    QElapsedTimer clock;
    clock.start();
    if (!hasDisplay())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "rq0612";
    char* argv[] = {name, nullptr};
    app::GuardedApplication application(argc, argv);
    app::setUpApplication();
    FirstPaint firstPaint(clock);
    application.installEventFilter(&firstPaint);
    app::Forms forms;
    forms.Form1().show();
    if (!waitFor([&] { return firstPaint.painted(); }, 10000)) {
        std::cerr << "rq0612-tool screenshot: the main window was never painted\n";
        return 1;
    }
    std::cout << "start-up to first paint: " << firstPaint.elapsed() << " ms\n";
    waitFor([] { return false; }, 300); // let a window manager settle the geometry
    if (!saveWindowPicture(forms.Form1(), QString::fromStdString(args[0]))) {
        std::cerr << "rq0612-tool screenshot: cannot write " << args[0] << '\n';
        return 1;
    }
    return 0;
}

const ToolCommand kScreenshot({"screenshot", "FILE.png",
                               "show the main window, report start-up to first paint, save a "
                               "picture of it",
                               runScreenshot});

} // namespace
} // namespace rq::tool

#endif
