// Test support for commands that open a modal dialog: the dialog runs its own
// event loop, so the test's action on it is queued before the command starts
// and fires once the dialog is the active modal widget.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace rq::testing {

// Runs action on the modal dialog once it is shown.
inline void onModal(std::function<void(QWidget*)> action) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start();
}

} // namespace rq::testing
