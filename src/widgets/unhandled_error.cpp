// The top-level handler of failures that a command did not handle: one modal
// box with the application title, an error icon and an OK button.
#include "widgets/window_system.h"

#include "base/exceptions.h"

#include <QApplication>
#include <QMessageBox>

namespace rq::widgets {
namespace {

std::function<void(const std::string&)>& errorHandler() {
    static std::function<void(const std::string&)> handler;
    return handler;
}

} // namespace

void showUnhandledError(const std::exception& failure) {
    const std::string message = base::withClosingStop(failure.what());
    if (errorHandler()) {
        errorHandler()(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), fromAnsi(message),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void setUnhandledErrorHandler(std::function<void(const std::string& message)> handler) {
    errorHandler() = std::move(handler);
}

} // namespace rq::widgets
