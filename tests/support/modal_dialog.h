// Test support for commands that open a modal dialog: the dialog runs its own
// event loop, so the test's action on it is queued before the command starts
// and fires once the dialog is the active modal widget.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <filesystem>
#include <functional>

namespace rq::testing {

// Runs action on the modal dialog once it is shown. An action that fails to
// close the dialog must not leave the test waiting forever in its event loop:
// a dialog still open some seconds later is a test failure and is closed.
inline void onModal(std::function<void(QWidget*)> action) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            QPointer<QWidget> shown(modal);
            action(modal);
            QTimer::singleShot(5000, [shown] {
                if (!shown || !shown->isVisible() || QApplication::activeModalWidget() != shown)
                    return;
                ADD_FAILURE() << "the modal dialog was left open";
                if (auto* dialog = qobject_cast<QDialog*>(shown.data()))
                    dialog->reject();
                else
                    shown->close();
            });
        }
    });
    timer->start();
}

// Presses a key in the modal window: on its focused child, or on the window
// itself while the focus has not arrived. The application's focus widget may
// still be in the window underneath, so it is not the target.
inline void keyInModal(QWidget* modal, Qt::Key key) {
    QWidget* target = modal->focusWidget();
    QTest::keyClick(target ? target : modal, key);
}

// Chooses a file in a file dialog and accepts it, as a user typing its name
// would. selectFile() is no substitute: it leaves the name box alone while
// that box has the focus, which depends on timing.
inline void acceptFile(QFileDialog* dialog, const std::filesystem::path& file) {
    const std::filesystem::path full = std::filesystem::absolute(file);
    std::filesystem::path base = full.parent_path();
    while (!std::filesystem::is_directory(base) && base.has_relative_path())
        base = base.parent_path();
    dialog->setDirectory(QString::fromStdString(base.string()));
    const QString rest = QString::fromStdString(full.lexically_relative(base).string());
    if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->setText(rest);
    else
        dialog->selectFile(rest);
    static_cast<QDialog*>(dialog)->accept();
}

} // namespace rq::testing
