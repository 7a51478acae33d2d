// Waiting on the event loop and taking pictures of windows, for the
// subcommands that show a real window (screenshot, preview): on a display
// the screen's pixels, offscreen the window's own rendering.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>

class QWidget;

namespace rq::tool {

// Runs the event loop until done() holds or the time is up; done()'s last
// answer.
template <typename Done> bool waitFor(Done done, int milliseconds) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// Whether the environment names a display (or a platform) to show windows on.
bool hasDisplay();

// Saves a picture of the window as PNG: what the X server shows on a real
// display, the window rendering itself offscreen. False when the file cannot
// be written.
bool saveWindowPicture(QWidget& window, const QString& path);

} // namespace rq::tool
