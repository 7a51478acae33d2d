// Section highlighting, the headers' painted bands in the real window, and
// the 20-pixel wheel scrolling.
#include "form1_harness.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace rq::app::testing {
namespace {

using widgets::TColor;

constexpr TColor kStart = 9758459, kEnd = 1414638, kDimmed = 12505042, kDimmedText = 4542543;

void expectHighlighted(const widgets::TLMDFill* fill) {
    EXPECT_EQ(fill->Gradient().Color, kStart) << fill->objectName().toStdString();
    EXPECT_EQ(fill->Gradient().EndColor, kEnd);
    EXPECT_EQ(fill->CaptionColor(), 0u);
}

void expectDimmed(const widgets::TLMDFill* fill) {
    EXPECT_EQ(fill->Gradient().Color, kDimmed) << fill->objectName().toStdString();
    EXPECT_EQ(fill->Gradient().EndColor, kDimmed);
    EXPECT_EQ(fill->CaptionColor(), kDimmedText);
}

using Sections = MainWindowTest;

TEST_F(Sections, FirstFocusInEdit1HighlightsTheEmployersSection) {
    EXPECT_EQ(focusedName(), QStringLiteral("Edit1"));
    expectHighlighted(form().LMDFill1);
    expectDimmed(form().LMDFill2);
}

TEST_F(Sections, TabbingBetweenSectionsSwapsTheHeaders) {
    press(Qt::Key_Tab); // Edit2, same section
    press(Qt::Key_Tab); // Edit3
    ASSERT_EQ(focusedName(), QStringLiteral("Edit3"));
    expectDimmed(form().LMDFill1);
    expectHighlighted(form().LMDFill2);
    press(Qt::Key_Tab, Qt::ShiftModifier); // back to Edit2
    ASSERT_EQ(focusedName(), QStringLiteral("Edit2"));
    expectHighlighted(form().LMDFill1);
    expectDimmed(form().LMDFill2);
}

TEST_F(Sections, MovesInsideASectionChangeNothing) {
    press(Qt::Key_Tab);
    press(Qt::Key_Tab); // into section II
    // Mark both headers: no enter event may touch them while the focus stays
    // inside section II.
    form().LMDFill1->SetCaptionColor(123);
    form().LMDFill2->SetCaptionColor(456);
    for (int i = 0; i < 6; ++i)
        press(Qt::Key_Tab); // Edit6 ... PBNumEdit2
    form().PBNumEdit1->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(form().LMDFill1->CaptionColor(), 123u);
    EXPECT_EQ(form().LMDFill2->CaptionColor(), 456u);
}

TEST_F(Sections, HeadersPaintTheirBandsInTheWindow) {
    const QImage highlighted = form().LMDFill1->grab().toImage();
    const QImage dimmed = form().LMDFill2->grab().toImage();
    ASSERT_EQ(highlighted.size(), QSize(703, 27));
    const std::pair<int, QRgb> rows[] = {{0, 0xFBE694},  {1, 0xFBE694},  {2, 0xFAE18C},
                                         {12, 0xF5C059}, {24, 0xEF9A1D}, {26, 0xEE9515}};
    for (const auto& [row, rgb] : rows) {
        EXPECT_EQ(highlighted.pixel(700, row) & 0xFFFFFF, rgb) << "row " << row;
        EXPECT_EQ(dimmed.pixel(700, row) & 0xFFFFFF, 0xD2CFBEu) << "row " << row;
    }
}

void wheel(QWidget* target, int delta) {
    const QPointF at(10, 10);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
    EXPECT_TRUE(event.isAccepted());
}

TEST_F(Sections, EachWheelMessageScrollsTwentyPixelsWithinTheRange) {
    form().resize(811, 300);
    QTest::qWait(10);
    QScrollBar* bar = form().ClientArea()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 60);
    QWidget* viewport = form().ClientArea()->viewport();
    const std::pair<int, int> steps[] = {{-120, 20}, {-360, 40}, {-15, 60}, {120, 40}, {480, 20}};
    for (const auto& [delta, position] : steps) {
        wheel(viewport, delta);
        EXPECT_EQ(bar->value(), position) << delta;
    }
    wheel(bar, -120); // over the scroll bar the same rule holds
    EXPECT_EQ(bar->value(), 40);
    for (int i = 0; i < 100; ++i)
        wheel(viewport, -120);
    EXPECT_EQ(bar->value(), bar->maximum());
    for (int i = 0; i < 100; ++i)
        wheel(viewport, 120);
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(Sections, WheelHasNoEffectWhenTheContentFits) {
    form().resize(811, 700);
    QTest::qWait(10);
    QScrollBar* bar = form().ClientArea()->verticalScrollBar();
    EXPECT_EQ(bar->maximum(), 0);
    wheel(form().ClientArea()->viewport(), -120);
    EXPECT_EQ(bar->value(), 0);
}

} // namespace
} // namespace rq::app::testing
