// The Qt test executables' main (it replaces gtest_main there).
#include "qt_test_main.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

// The offscreen platform warns about window hints it cannot pass on; the
// warning says nothing about the program.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    rq::testing::prepareQtSuite();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
