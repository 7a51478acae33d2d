// TAdvMainMenu: the gradient rule, the bar gradient up to the right edge,
// and the hover and pressed boxes of the top-level items.
#include "widgets/adv_main_menu.h"

#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace rq::widgets {
namespace {

TEST(AdvMainMenuGradient, ChannelsStepByTruncatedDivision) {
    struct Case {
        int start, end, pos, length, expected;
    };
    const Case cases[] = {
        {0xFF, 0xFF, 5, 10, 0xFF},  {0xCF, 0x9D, 0, 20, 0xCF},
        {0xCF, 0x9D, 10, 20, 0xB6}, {0xCF, 0x9D, 19, 20, 0xA0}, // never reaches the end colour
        {0x00, 0x10, 3, 7, 6},      {0x10, 0x00, 3, 7, 10},     // truncation toward zero
    };
    for (const auto& c : cases)
        EXPECT_EQ(gradientChannel(c.start, c.end, c.pos, c.length), c.expected)
            << c.start << "->" << c.end << " at " << c.pos << "/" << c.length;
}

class MenuWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window_.resize(600, 200);
        menu_ = new TAdvMainMenu(&window_);
        for (const char* name : {"One", "Two", "Three"})
            menu_->AddItem(QString::fromLatin1(name), QString::fromLatin1(name));
        window_.setMenuBar(menu_);
        window_.show();
        QApplication::setActiveWindow(&window_);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }
    QImage bar() const {
        QImage image(menu_->size(), QImage::Format_RGB32);
        menu_->render(&image);
        return image;
    }
    QRect itemRect(int i) const { return menu_->actionGeometry(menu_->actions()[i]); }

    QMainWindow window_;
    TAdvMainMenu* menu_ = nullptr;
};

TEST_F(MenuWindow, BarGradientReachesTheRightEdge) {
    const QImage image = bar();
    const int y = image.height() / 2;
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0xD7D7E5u);
    const QColor right(image.pixel(image.width() - 1, 0));
    EXPECT_NEAR(right.red(), 0xF2, 1);
    EXPECT_NEAR(right.blue(), 0xF7, 1);
    // Continuous across the last item and the empty part of the bar.
    const int behind = itemRect(2).right() + 20;
    const QColor a(image.pixel(behind, y)), b(image.pixel(behind + 1, y));
    EXPECT_LE(std::abs(a.red() - b.red()), 1);
}

TEST_F(MenuWindow, HoveredItemShowsHoverBoxWithFrame) {
    const QRect r = itemRect(1);
    QMouseEvent move(QEvent::MouseMove, QPointF(r.center()),
                     menu_->mapToGlobal(QPointF(r.center())), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(menu_, &move);
    ASSERT_EQ(menu_->activeAction(), menu_->actions()[1]);
    const QImage image = bar();
    EXPECT_EQ(image.pixel(r.left(), r.top()) & 0xFFFFFF, 0x4B4B6Fu); // frame
    const QColor second =
        gradientColor(QColor(0xFF, 0xF6, 0xCF), QColor(0xFF, 0xD8, 0x9D), 1, r.height());
    EXPECT_EQ(QColor(image.pixel(r.left() + 1, r.top() + 1)), second);
    const QColor lowest(image.pixel(r.left() + 1, r.bottom() - 1));
    EXPECT_GT(lowest.red(), 0xF0); // towards FF D8 9D
    EXPECT_LT(lowest.blue(), 0xC0);
}

TEST_F(MenuWindow, PressedItemShowsSelectedBoxAndTriggersOnRelease) {
    int clicks = 0;
    QObject::connect(menu_->actions()[0], &QAction::triggered, [&] { ++clicks; });
    const QRect r = itemRect(0);
    QTest::mousePress(menu_, Qt::LeftButton, Qt::NoModifier, r.center());
    EXPECT_EQ(menu_->PressedItem(), menu_->actions()[0]);
    const QImage image = bar();
    EXPECT_EQ(image.pixel(r.left(), r.top()) & 0xFFFFFF, 0x7C7C94u);
    const QColor second =
        gradientColor(QColor(0xE8, 0xE8, 0xF2), QColor(0xB9, 0xB8, 0xCD), 1, r.height());
    EXPECT_EQ(QColor(image.pixel(r.left() + 1, r.top() + 1)), second);
    QTest::mouseRelease(menu_, Qt::LeftButton, Qt::NoModifier, r.center());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(menu_->PressedItem(), nullptr);
}

} // namespace
} // namespace rq::widgets
