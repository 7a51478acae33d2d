// Start-up of the desktop program.
#include "app/application.h"

#include "app/desktop_hooks.h"
#include "app/qt_translations.h"
#include "base/qt/qt_locale.h"
#include "report/render/qt/qt_canvas.h"
#include "widgets/window_system.h"

#include <QLocale>

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

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        widgets::showUnhandledError(failure);
        return false;
    }
}

void setUpApplication() {
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    widgets::registerSubstituteFonts();
    // Text views measure their text (stretching, automatic width) through
    // the renderer; without this they would keep their designed size.
    report::render::qt::initQtRendering();
}

Forms::Forms()
    : form1_(std::make_unique<TForm1>()), form2_(std::make_unique<TForm2>()),
      form3_(std::make_unique<TForm3>()) {
    form1_->SavedForm.buffers = form3_.get();
}

Forms::~Forms() = default;

int runProgram(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fputs("rq0612: no display is available (neither DISPLAY nor WAYLAND_DISPLAY is "
                   "set).\nRun it on a desktop, under xvfb-run, or use rq0612-tool for "
                   "headless work.\n",
                   stderr);
        return 2;
    }
    GuardedApplication application(argc, argv);
    setUpApplication();
    base::setFormatSettings(base::qt::userFormatSettings());
    installQtTranslations(QLocale::system());
    Forms forms;
    installDesktopHooks(forms.Form1());
    forms.Form1().show();
    return QApplication::exec();
}

} // namespace rq::app
