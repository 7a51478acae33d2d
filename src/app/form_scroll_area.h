// The main window's scrolled client area: no horizontal scroll bar, a
// vertical one when the content is taller than the client area, and wheel
// messages that no control consumed, in the client area or elsewhere over
// the window (its parent), handed to the window's wheel handlers.
#pragma once

#include <QScrollArea>

#include <functional>

namespace rq::app {

class FormScrollArea : public QScrollArea {
    Q_OBJECT
public:
    explicit FormScrollArea(QWidget* parent = nullptr);

    // downward: the wheel turned towards the user.
    std::function<void(bool downward)> OnWheel;

    // Moves the vertical position by delta pixels, clamped to the range.
    void ScrollBy(int delta);

protected:
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleWheel(QWheelEvent* event);
};

} // namespace rq::app
