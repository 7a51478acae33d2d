// The widget tests need a QApplication; this main replaces gtest_main.
#include "widgets/window_system.h"

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
    rq::widgets::registerSubstituteFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
