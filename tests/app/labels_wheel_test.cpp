// The main window as the user sees it: every label shows its whole caption
// in the face that stands in for the designed one, without running into the
// fields, and a wheel turn over a focused field reaches the window's
// 20-pixel scrolling.
#include "form1_harness.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

#include <cmath>

namespace rq::app::testing {
namespace {

std::vector<QLabel*> labelsOf(const TForm1& form) {
    std::vector<QLabel*> labels;
    for (const auto& entry : form.Components().Entries())
        if (entry.className == QLatin1String("TLabel"))
            labels.push_back(qobject_cast<QLabel*>(entry.object));
    return labels;
}

// The extent of the caption's ink when painted at the top-left corner of a
// generous surface with the label's own font: one past the rightmost and the
// lowest painted pixel.
QSize inkExtent(const QLabel& label) {
    QImage image(800, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(label.font());
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, image.width(), image.height()), Qt::AlignLeft | Qt::AlignTop,
                         label.text());
    }
    QSize extent;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                extent = extent.expandedTo({x + 1, y + 1});
    return extent;
}

using Labels = MainWindowTest;

TEST_F(Labels, EveryLabelIsAsLargeAsItsTextNeedsInTheFontItUses) {
    const auto labels = labelsOf(form());
    ASSERT_EQ(labels.size(), 13u);
    for (const QLabel* label : labels) {
        SCOPED_TRACE(label->objectName().toStdString());
        const QFontMetricsF metrics(label->font());
        EXPECT_GE(label->width(), std::ceil(metrics.horizontalAdvance(label->text())));
        EXPECT_GE(label->height(), std::ceil(metrics.height()));
        const QSize ink = inkExtent(*label);
        ASSERT_GT(ink.width(), 0);
        EXPECT_LE(ink.width(), label->width());
        EXPECT_LE(ink.height(), label->height());
    }
}

TEST_F(Labels, KeepTheirPlacesAndStayClearOfTheFields) {
    const std::pair<QLabel*, QPoint> places[] = {
        {form().Label9, {24, 18}},   {form().Label10, {640, 18}}, {form().Label3, {24, 48}},
        {form().Label1, {24, 72}},   {form().Label2, {24, 48}},   {form().Label8, {328, 48}},
        {form().Label13, {24, 72}},  {form().Label4, {24, 112}},  {form().Label5, {24, 152}},
        {form().Label6, {24, 192}},  {form().Label7, {536, 194}}, {form().Label11, {24, 216}},
        {form().Label12, {296, 218}}};
    for (const auto& [label, topLeft] : places) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_EQ(label->pos(), topLeft);
        for (const QObject* sibling : label->parentWidget()->children()) {
            const auto* other = qobject_cast<const QWidget*>(sibling);
            if (other != label &&
                (qobject_cast<const QLineEdit*>(other) || qobject_cast<const QLabel*>(other))) {
                EXPECT_FALSE(label->geometry().intersects(other->geometry()))
                    << other->objectName().toStdString();
            }
        }
    }
}

// A wheel turn as the platform delivers it: a spontaneous event for the
// widget under the pointer, which Qt hands up the parents until one consumes
// it. (sendEvent would mark it as the program's own, which stays with its
// receiver, so the event goes through notify as the platform's input does.)
bool turnWheel(QWidget* target, int delta) {
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(target, &event);
    return event.isAccepted();
}

using Wheel = MainWindowTest;

TEST_F(Wheel, ATurnOverAFocusedFieldScrollsTheWindowTwentyPixels) {
    form().resize(811, 300);
    QTest::qWait(10);
    QScrollBar* bar = form().ClientArea()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 100);
    QLineEdit* const fields[] = {form().Edit1, form().Edit4, form().PBNumEdit1, form().Edit7,
                                 form().PBNumEdit2};
    for (QLineEdit* field : fields) {
        SCOPED_TRACE(field->objectName().toStdString());
        bar->setValue(40);
        field->setFocus(Qt::OtherFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), field);
        const QString text = field->text();
        EXPECT_TRUE(turnWheel(field, -120));
        EXPECT_EQ(bar->value(), 60);
        EXPECT_TRUE(turnWheel(field, -15)); // any delta moves 20 pixels
        EXPECT_EQ(bar->value(), 80);
        EXPECT_TRUE(turnWheel(field, 360));
        EXPECT_EQ(bar->value(), 60);
        EXPECT_EQ(field->text(), text);
        EXPECT_EQ(QApplication::focusWidget(), field);
    }
}

// Wherever the pointer is over the window, the turn that no control consumes
// reaches the window: over a label, a header, a panel, and over the menu bar
// above the scrolled client area.
TEST_F(Wheel, ATurnElsewhereOverTheWindowScrollsItToo) {
    form().resize(811, 300);
    QTest::qWait(10);
    QScrollBar* bar = form().ClientArea()->verticalScrollBar();
    QWidget* const targets[] = {form().Label6, form().LMDFill2, form().Panel3, form().AdvMainMenu1,
                                &form()};
    for (QWidget* target : targets) {
        SCOPED_TRACE(target->objectName().toStdString());
        bar->setValue(40);
        EXPECT_TRUE(turnWheel(target, -120));
        EXPECT_EQ(bar->value(), 60);
        EXPECT_TRUE(turnWheel(target, 120));
        EXPECT_EQ(bar->value(), 40);
    }
}

} // namespace
} // namespace rq::app::testing
