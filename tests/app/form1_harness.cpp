// Set-up of the shown main window.
#include "form1_harness.h"

#include <QTest>

namespace rq::app::testing {

void MainWindowTest::SetUp() {
    setUpApplication();
    base::FormatSettings hungarian = base::defaultFormatSettings();
    hungarian.DecimalSeparator = ',';
    hungarian.ThousandSeparator = '\xA0';
    settings_.emplace(hungarian);
    forms_ = std::make_unique<Forms>();
    form().show();
    QApplication::setActiveWindow(&form());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
}

void MainWindowTest::TearDown() {
    forms_.reset();
    settings_.reset();
}

void MainWindowTest::press(Qt::Key key, Qt::KeyboardModifiers modifiers) const {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, key, modifiers);
}

QString MainWindowTest::focusedName() const {
    const QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
}

} // namespace rq::app::testing
