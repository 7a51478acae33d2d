// Pictures of shown windows for screenshot and preview.
#ifdef RQ_TOOL_HAS_GUI

#include "window_capture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace rq::tool {

bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

bool saveWindowPicture(QWidget& window, const QString& path) {
    QScreen* screen = window.screen();
    const QPixmap picture = QGuiApplication::platformName() != QLatin1String("offscreen") && screen
                                ? screen->grabWindow(window.winId())
                                : window.grab();
    return picture.save(path, "PNG");
}

} // namespace rq::tool

#endif // RQ_TOOL_HAS_GUI
