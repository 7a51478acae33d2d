// TLabel's automatic size: it follows the caption and the font, keeps the
// top-left corner where the label was placed, and leaves a label without
// AutoSize at the size it was given.
#include "widgets/label.h"
#include "widgets/window_system.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

#include <cmath>

namespace rq::widgets {
namespace {

QSize needed(const TLabel& label) {
    const QFontMetricsF metrics(label.font());
    return {static_cast<int>(std::ceil(metrics.horizontalAdvance(label.text()))),
            static_cast<int>(std::ceil(metrics.height()))};
}

TEST(TLabel, AutoSizeFollowsTheCaptionAndTheFontFromItsPlace) {
    TLabel label(QStringLiteral("N\u00e9v:"));
    label.setFont(makeFont({"Arial", 15}));
    label.setGeometry(24, 48, 5, 5);
    label.AdjustBounds();
    EXPECT_EQ(label.pos(), QPoint(24, 48));
    EXPECT_GE(label.width(), needed(label).width());
    EXPECT_EQ(label.height(), needed(label).height());
    const int shortWidth = label.width();

    label.SetCaption(QStringLiteral("Nevezett utols\u00f3 havi nett\u00f3 j\u00f6vedelme"));
    EXPECT_GT(label.width(), 5 * shortWidth);
    EXPECT_GE(label.width(), needed(label).width());
    const QSize regular = label.size();

    label.setFont(makeFont({"Arial", 27, true}));
    EXPECT_GT(label.width(), regular.width());
    EXPECT_GT(label.height(), regular.height());
    EXPECT_GE(label.width(), needed(label).width());
    EXPECT_EQ(label.pos(), QPoint(24, 48));
}

TEST(TLabel, WithoutAutoSizeTheGivenSizeStays) {
    TLabel label(QStringLiteral("Mi\u00f3ta \u00e1ll alkalmaz\u00e1sban:"));
    label.SetAutoSize(false);
    label.setGeometry(24, 152, 40, 17);
    label.setFont(makeFont({"Arial", 15}));
    label.SetCaption(QStringLiteral("Ft."));
    label.AdjustBounds();
    EXPECT_EQ(label.geometry(), QRect(24, 152, 40, 17));
    label.SetAutoSize(true);
    EXPECT_EQ(label.size(), label.TextExtent());
    EXPECT_LT(label.width(), 40);
}

} // namespace
} // namespace rq::widgets
