// Moving through the pages: scroll keys, the wheel, hand dragging, page
// tracking with its fifth-of-a-page bias, the magnifier and the painted
// sheets with their borders and shadows on the grey background.
#include "preview_fixture.h"

#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

namespace rq::report::preview::qt::test {
namespace {

class PreviewScroll : public PreviewWindowTest {
protected:
    void wheel(int delta) const {
        const QPointF at(500, 400);
        QWheelEvent event(at, workspace().viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(workspace().viewport(), &event);
    }
};

TEST_F(PreviewScroll, RangesFollowTheLayout) {
    // Ten pages of 1123 pixels with 10 between them and around.
    EXPECT_EQ(workspace().VertRange(), 10 + 10 * 1133);
    EXPECT_EQ(workspace().HorzRange(), 804 + 10);
    EXPECT_EQ(workspace().verticalScrollBar()->maximum(), workspace().VertRange() - 800);
    EXPECT_EQ(workspace().verticalScrollBar()->singleStep(), 8);
}

// A bar shows only while the pages do not fit its way.
TEST_F(PreviewScroll, BarsShowOnlyWhileThePagesDoNotFit) {
    const auto shown = [this] {
        QApplication::processEvents();
        return std::pair(workspace().horizontalScrollBar()->isVisible(),
                         workspace().verticalScrollBar()->isVisible());
    };
    EXPECT_EQ(shown(), std::pair(false, true)); // ten pages, one wide
    form->ZoomWholePageB->click();
    EXPECT_EQ(preview().PageList().GetMaxBounds(workspace().HorzPage(), preview().Zoom()).X,
              10 + static_cast<int>(std::lround(preview().Zoom() * 794)));
    form->ZoomPageWidthB->click();
    EXPECT_EQ(shown(), std::pair(false, true));
    preview().SetZoom(2);
    EXPECT_EQ(shown(), std::pair(true, true));
    EXPECT_EQ(workspace().horizontalScrollBar()->maximum(),
              10 + 2 * 794 + 10 - workspace().HorzPage());
}

TEST(PreviewOnePage, WholePageShowsNoBars) {
    GeneratedReport generated(1);
    TfrxPreviewForm form;
    generated.report.PreviewOptions().Maximized = false;
    form.Attach(generated.report, generated.store);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.ZoomWholePageB->click();
    QApplication::processEvents();
    const TfrxPreviewWorkspace& workspace = form.Preview->Workspace();
    EXPECT_FALSE(workspace.horizontalScrollBar()->isVisible());
    EXPECT_FALSE(workspace.verticalScrollBar()->isVisible());
    // The client area grew by the bars: the page fills its height.
    EXPECT_EQ(workspace.PageRectOnClient(0).Bottom - workspace.PageRectOnClient(0).Top,
              workspace.VertPage() - 20);
}

struct KeyCase {
    const char* name;
    Qt::Key key;
    int start;
    int expected;
};

const KeyCase kKeys[] = {
    {"Down", Qt::Key_Down, 0, 8},
    {"Up", Qt::Key_Up, 100, 92},
    {"UpStopsAtTheTop", Qt::Key_Up, 4, 0},
    {"PageDown", Qt::Key_PageDown, 0, 300},
    {"PageUp", Qt::Key_PageUp, 1000, 700},
    {"PageDownStopsAtTheEnd", Qt::Key_PageDown, 10400, 10540},
};

class ScrollKey : public PreviewScroll, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ScrollKey, MovesTheView) {
    workspace().SetVertPosition(GetParam().start);
    key(GetParam().key);
    EXPECT_EQ(workspace().VertPosition(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(PreviewScroll, ScrollKey, ::testing::ValuesIn(kKeys),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PreviewScroll, LeftAndRightMoveAWiderView) {
    preview().SetZoom(2);
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    EXPECT_EQ(workspace().HorzPosition(), 16);
    key(Qt::Key_Left);
    EXPECT_EQ(workspace().HorzPosition(), 8);
}

TEST_F(PreviewScroll, HomeAndEndGoToTheFirstAndLastPage) {
    key(Qt::Key_End);
    EXPECT_EQ(preview().PageNo(), 10);
    EXPECT_EQ(form->PagePanel->text(), QStringLiteral("Page 10 of 10"));
    key(Qt::Key_Home);
    EXPECT_EQ(preview().PageNo(), 1);
    EXPECT_EQ(workspace().VertPosition(), 0);
}

TEST_F(PreviewScroll, WheelMovesTwentyPixelsPerMessage) {
    workspace().SetVertPosition(100);
    wheel(120);
    EXPECT_EQ(workspace().VertPosition(), 80);
    wheel(-240);
    EXPECT_EQ(workspace().VertPosition(), 100);
}

TEST_F(PreviewScroll, PageBecomesCurrentAFifthOfItsHeightEarly) {
    // Page 2 starts at 1143; a fifth of it is 225 pixels.
    workspace().SetVertPosition(917);
    EXPECT_EQ(preview().PageNo(), 1);
    workspace().SetVertPosition(918);
    EXPECT_EQ(preview().PageNo(), 2);
    EXPECT_EQ(form->PagePanel->text(), QStringLiteral("Page 2 of 10"));
    // Tracking does not scroll: the view stays where it was put.
    EXPECT_EQ(workspace().VertPosition(), 918);
}

TEST_F(PreviewScroll, SetPageNoClampsAndScrollsToThePageTop) {
    preview().SetPageNo(4);
    EXPECT_EQ(workspace().VertPosition(), 10 + 3 * 1133 - 10);
    preview().SetPageNo(99);
    EXPECT_EQ(preview().PageNo(), 10);
    preview().SetPageNo(-3);
    EXPECT_EQ(preview().PageNo(), 1);
}

TEST_F(PreviewScroll, HandDraggingMovesTheView) {
    workspace().SetVertPosition(500);
    QWidget* area = workspace().viewport();
    QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, QPoint(500, 500));
    QTest::mouseMove(area, QPoint(480, 400));
    QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, QPoint(480, 400));
    EXPECT_EQ(workspace().VertPosition(), 600);
    EXPECT_EQ(workspace().HorzPosition(), 0);
    EXPECT_EQ(area->cursor().shape(), Qt::OpenHandCursor);
}

TEST_F(PreviewScroll, MagnifierZoomsInAndOutByAQuarter) {
    preview().SetTool(TfrxPreviewTool::Magnifier);
    QWidget* area = workspace().viewport();
    QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, QPoint(500, 300));
    EXPECT_DOUBLE_EQ(preview().Zoom(), 1.25);
    preview().SetZoom(0.25);
    QTest::mouseClick(area, Qt::RightButton, Qt::NoModifier, QPoint(500, 300));
    EXPECT_DOUBLE_EQ(preview().Zoom(), 0.25);
}

TEST_F(PreviewScroll, PaintsOnlyThePagesInView) {
    const QRegion all(0, 0, 1000, 800);
    EXPECT_EQ(workspace().VisiblePages(all), (std::vector<int>{0}));
    workspace().SetVertPosition(1000);
    EXPECT_EQ(workspace().VisiblePages(all), (std::vector<int>{0, 1}));
    EXPECT_EQ(workspace().VisiblePages(QRegion(0, 300, 1000, 10)), (std::vector<int>{1}));
}

TEST_F(PreviewScroll, SheetHasBorderAndShadowOnGrey) {
    const QImage picture = workspace().viewport()->grab().toImage();
    const auto pixel = [&](int x, int y) { return picture.pixel(x, y) & 0xFFFFFF; };
    EXPECT_EQ(pixel(5, 5), 0x808080u);
    EXPECT_EQ(pixel(103, 500), 0x000000u); // left border
    EXPECT_EQ(pixel(896, 500), 0x000000u); // right border
    EXPECT_EQ(pixel(897, 500), 0x000000u); // shadow column
    EXPECT_EQ(pixel(897, 11), 0x808080u);  // the shadow starts one row lower
    EXPECT_EQ(pixel(898, 500), 0x808080u);
    EXPECT_EQ(pixel(500, 10), 0x000000u);  // top border
    EXPECT_EQ(pixel(700, 700), 0xFFFFFFu); // paper
}

TEST(PreviewEmpty, PaintsGreyAndHasNoPage) {
    TfrxReport report;
    TfrxPreviewPages store(&report);
    TfrxPreview preview;
    preview.resize(600, 400);
    preview.Attach(&report, &store);
    EXPECT_EQ(preview.PageNo(), 0);
    EXPECT_EQ(preview.PageList().GetPageRect(-1, 1000, 1.0), (TfrxPageRect{103, 10, 897, 1133}));
    preview.show();
    const QImage picture = preview.Workspace().viewport()->grab().toImage();
    EXPECT_EQ(picture.pixel(100, 100) & 0xFFFFFF, 0x808080u);
}

} // namespace
} // namespace rq::report::preview::qt::test
