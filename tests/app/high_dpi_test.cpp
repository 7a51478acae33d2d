// The main window on a screen with a device-pixel ratio. CTest runs these
// cases as they are (ratio 1), on a 192-dpi screen and at QT_SCALE_FACTOR=2:
// every run must give the same logical layout and font sizes (one golden
// list), a picture with ratio times the pixels, and text drawn at the scaled
// size rather than small glyphs at scaled spacing.
#include "../support/golden.h"
#include "form1_harness.h"
#include "widgets/adv_main_menu.h"

#include <QGuiApplication>
#include <QImage>
#include <QMenuBar>
#include <QPainter>

#include <sstream>

namespace rq::app::testing {
namespace {

using HighDpi = MainWindowTest;

// The ratio of this run, checked against the one CTest expects, so that a
// scaled run cannot pass by running unscaled.
qreal checkedRatio() {
    const qreal ratio = qGuiApp->devicePixelRatio();
    const QByteArray expected = qgetenv("RQ_EXPECT_DEVICE_PIXEL_RATIO");
    EXPECT_EQ(ratio, expected.isEmpty() ? 1.0 : expected.toDouble());
    return ratio;
}

// Each visible widget under widget with its logical place and font size; the
// menu bar gives its height and its items' places (its width is the window's).
void describe(const QWidget& widget, const QString& path, std::ostringstream& out) {
    QRect r = widget.geometry();
    if (qobject_cast<const QMenuBar*>(&widget))
        r.setWidth(0);
    out << path.toStdString() << ' ' << widget.metaObject()->className() << ' ' << r.x() << ' '
        << r.y() << ' ' << r.width() << ' ' << r.height() << " font " << widget.font().pixelSize()
        << '\n';
    if (const auto* menu = qobject_cast<const QMenuBar*>(&widget))
        for (QAction* action : menu->actions()) {
            const QRect item = menu->actionGeometry(action);
            out << path.toStdString() << '/' << action->objectName().toStdString() << " item "
                << item.x() << ' ' << item.y() << ' ' << item.width() << ' ' << item.height()
                << '\n';
        }
    for (const QObject* child : widget.children()) {
        const auto* w = qobject_cast<const QWidget*>(child);
        if (!w || !w->isVisible())
            continue;
        const QString name = w->objectName().isEmpty()
                                 ? QString::fromLatin1(w->metaObject()->className())
                                 : w->objectName();
        describe(*w, path + QLatin1Char('/') + name, out);
    }
}

// The menu and the form's contents; the window's own size follows the
// screen's work area and the platform's frame, which the runs do not share.
TEST_F(HighDpi, LogicalLayoutAndFontSizesAreTheDesignedOnes) {
    checkedRatio();
    std::ostringstream out;
    out << "Form1 font " << form().font().pixelSize() << '\n';
    for (const char* name : {"AdvMainMenu1", "Panel1"}) {
        const auto* entry = form().FindComponent(QString::fromLatin1(name));
        ASSERT_NE(entry, nullptr) << name;
        describe(*qobject_cast<const QWidget*>(entry->object), QString::fromLatin1(name), out);
    }
    EXPECT_TRUE(rq::testing::matchesGolden("app/main_window_layout.txt", out.str()));
}

TEST_F(HighDpi, WindowPictureHasTheScreensPixels) {
    const qreal ratio = checkedRatio();
    const QPixmap picture = form().grab();
    EXPECT_EQ(picture.devicePixelRatio(), ratio);
    EXPECT_EQ(picture.size(), form().size() * ratio);
}

// The height and width of the ink of text drawn in font at ratio, in logical
// pixels.
QSizeF inkSize(const QFont& font, const QString& text, qreal ratio) {
    const QSize logical(200, 60);
    QImage image(logical * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(QPoint(0, 0), logical), Qt::AlignCenter, text);
    }
    int top = image.height(), bottom = -1, left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    if (bottom < 0)
        return {};
    return QSizeF(right - left + 1, bottom - top + 1) / ratio;
}

TEST_F(HighDpi, TextIsDrawnAtTheScaledSize) {
    const qreal ratio = checkedRatio();
    const QString sample = QStringLiteral("N\u00e9v: 1 234,5");
    for (const char* name : {"AdvMainMenu1", "Edit1", "PBNumEdit1", "Label3", "Label9"}) {
        SCOPED_TRACE(name);
        const auto* entry = form().FindComponent(QString::fromLatin1(name));
        ASSERT_NE(entry, nullptr);
        const auto* widget = qobject_cast<const QWidget*>(entry->object);
        const auto* menu = qobject_cast<const widgets::TAdvMainMenu*>(widget);
        const QFont font = menu ? menu->CaptionFont() : widget->font();
        const QSizeF plain = inkSize(font, sample, 1);
        const QSizeF scaled = inkSize(font, sample, ratio);
        ASSERT_GT(plain.height(), 0);
        // Rounding to the finer pixels moves each edge by at most one of them.
        EXPECT_NEAR(scaled.height(), plain.height(), 1.0);
        EXPECT_NEAR(scaled.width(), plain.width(), 0.1 * plain.width());
    }
}

} // namespace
} // namespace rq::app::testing
