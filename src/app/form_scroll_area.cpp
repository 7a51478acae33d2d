// Wheel routing of the main window's client area.
#include "app/form_scroll_area.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace rq::app {

FormScrollArea::FormScrollArea(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(true);
    setFocusPolicy(Qt::NoFocus); // Tab wraps from the last field to the first
    // The scroll bar would scroll by its own step; the window's 20-pixel
    // rule applies there too.
    verticalScrollBar()->installEventFilter(this);
    // A turn over the rest of the window (its menu bar) that nothing there
    // consumes reaches the window itself, and scrolls the client area too.
    if (parent)
        parent->installEventFilter(this);
}

void FormScrollArea::ScrollBy(int delta) {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + delta); // QScrollBar clamps to its range
}

bool FormScrollArea::handleWheel(QWheelEvent* event) {
    const int dy = event->angleDelta().y();
    if (dy == 0 || !OnWheel)
        return false;
    OnWheel(dy < 0);
    event->accept();
    return true;
}

void FormScrollArea::wheelEvent(QWheelEvent* event) {
    if (!handleWheel(event))
        QScrollArea::wheelEvent(event);
}

bool FormScrollArea::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == verticalScrollBar() || watched == parent()) && event->type() == QEvent::Wheel)
        return handleWheel(static_cast<QWheelEvent*>(event));
    return QScrollArea::eventFilter(watched, event);
}

} // namespace rq::app
