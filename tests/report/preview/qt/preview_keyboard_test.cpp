// The keyboard of a freshly opened preview window, keys sent where the
// window puts them (its focus widget), as a user at the keyboard would: the
// page area takes them from the start, and clicks on the toolbar leave them
// there.
#include "preview_fixture.h"

#include "../../../support/modal_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

namespace rq::report::preview::qt::test {
namespace {

class PreviewKeyboard : public ::testing::Test {
protected:
    PreviewKeyboard() : generated(3) {
        generated.report.PreviewOptions().Buttons = bit(pbPrint) | bit(pbZoom);
        generated.report.PreviewOptions().Maximized = false;
    }
    void SetUp() override {
        form.Attach(generated.report, generated.store);
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // The key goes to whichever widget has the focus.
    void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, key, modifiers);
    }
    int position() const { return form.Preview->Workspace().VertPosition(); }

    GeneratedReport generated;
    TfrxPreviewForm form;
};

TEST_F(PreviewKeyboard, PageDownScrollsAndLeavesTheZoom) {
    EXPECT_EQ(QApplication::focusWidget(), &form.Preview->Workspace());
    type(Qt::Key_PageDown);
    EXPECT_EQ(position(), 300);
    EXPECT_DOUBLE_EQ(form.Preview->Zoom(), 1.0);
    EXPECT_EQ(form.ZoomCB->currentText(), QStringLiteral("100%"));
}

TEST_F(PreviewKeyboard, CtrlFOpensFind) {
    QString opened;
    rq::testing::onModal([&](QWidget* modal) {
        opened = modal->windowTitle();
        rq::testing::keyInModal(modal, Qt::Key_Escape);
    });
    type(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(opened, QStringLiteral("Find Text"));
}

TEST_F(PreviewKeyboard, PageDownStillScrollsAfterAClickOnAButton) {
    QTest::mouseClick(form.Zoom100B, Qt::LeftButton);
    type(Qt::Key_PageDown);
    EXPECT_EQ(position(), 300);
    EXPECT_DOUBLE_EQ(form.Preview->Zoom(), 1.0);
}

// Typing a zoom takes the focus into the zoom box; a button clicked next
// gives it back to the pages.
TEST_F(PreviewKeyboard, AButtonClickedAfterTheZoomBoxGivesThePagesTheKeys) {
    QTest::mouseClick(form.ZoomCB->lineEdit(), Qt::LeftButton);
    ASSERT_TRUE(form.ZoomCB->lineEdit()->hasFocus());
    QTest::mouseClick(form.ZoomWholePageB, Qt::LeftButton);
    QTest::mouseClick(form.Zoom100B, Qt::LeftButton);
    type(Qt::Key_PageDown);
    EXPECT_EQ(position(), 300);
    EXPECT_EQ(form.ZoomCB->currentText(), QStringLiteral("100%"));
}

} // namespace
} // namespace rq::report::preview::qt::test
