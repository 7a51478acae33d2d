// The desktop program's boxes behind the lower layers' hooks: the report's
// "Error" box after a failed print and the script library's ShowMessage.
#include "../support/modal_dialog.h"
#include "form1_harness.h"

#include "app/desktop_hooks.h"
#include "report/engine/engine.h"
#include "report/model/memo_view.h"
#include "widgets/window_system.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace rq::app::testing {
namespace {

using rq::testing::onModal;

class DesktopHooks : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        installDesktopHooks(form());
    }
};

TEST(ReportErrorBox, IsAnErrorBoxWithOneOkButton) {
    const auto box =
        createReportErrorBox("The following error(s) have occured:\r\nMemo8: \xE1\r\n");
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Error"));
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->text(),
              QString::fromUtf8("The following error(s) have occured:\r\nMemo8: á\r\n"));
}

TEST_F(DesktopHooks, FailedPrintShowsTheReportErrorBox) {
    form().Edit3->setText(QStringLiteral("A"));
    dynamic_cast<report::model::TfrxMemoView&>(*form().frxReport1.ObjectByName("Memo8"))
        .SetText("[nincs]");
    QString caption, text;
    onModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    form().Nyomtats1->trigger();
    EXPECT_EQ(caption, QStringLiteral("Error"));
    EXPECT_TRUE(text.startsWith(
        QStringLiteral("The following error(s) have occured:\r\nMemo8: Error in expression "
                       "'nincs': ")))
        << text.toStdString();
}

TEST_F(DesktopHooks, ShowMessageIsTheProgramsMessageBox) {
    QString caption, message;
    onModal([&](QWidget* box) {
        caption = box->windowTitle();
        message = box->findChild<QLabel*>(QStringLiteral("Message"))->text();
        box->findChild<QPushButton*>(QStringLiteral("OK"))->click();
    });
    report::engine::EngineOf(form().frxReport1)
        ->Runtime()
        .ShowMessage("Szia, \xE1rv\xEDzt\xFBr\xF5!");
    EXPECT_EQ(caption, QStringLiteral("RQ0612"));
    EXPECT_EQ(message, QString::fromUtf8("Szia, árvíztűrő!"));
}

} // namespace
} // namespace rq::app::testing
