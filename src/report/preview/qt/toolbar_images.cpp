// The toolbar's images in logical pixels (16 x 16). One-pixel strokes lie on
// half-pixel coordinates, so that they cover whole device pixels at ratio 1
// and at ratio 2 alike.
#include "report/preview/qt/toolbar_images.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>

namespace rq::report::preview::qt {
namespace {

const QColor kOutline(0x4D, 0x4D, 0x4D);
const QColor kPaper(Qt::white);
const QColor kTextLine(0x9A, 0x9A, 0x9A);
const QColor kAccent(0x2F, 0x6F, 0xB7);
const QColor kBody(0xC4, 0xC4, 0xC4);
const QColor kLens(0xD8, 0xE8, 0xF8);
const QColor kClose(0xB2, 0x22, 0x22);

QPen thin(const QColor& color) {
    QPen pen(color, 1);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// A sheet with its top-right corner folded, and grey text lines on it.
void drawSheet(QPainter& p, const QRectF& r, int lines) {
    const qreal fold = 3;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(thin(kOutline));
    p.setBrush(kPaper);
    p.drawPath(sheet);
    p.drawPolyline(
        QPolygonF({QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold),
                   QPointF(r.right(), r.top() + fold)}));
    p.setPen(thin(kTextLine));
    for (int i = 0; i < lines; ++i) {
        const qreal y = r.top() + fold + 2 + 2 * i;
        if (y >= r.bottom() - 1)
            break;
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    }
}

// An arrow head at tip, pointing along the unit direction (dx, dy).
void drawHead(QPainter& p, QPointF tip, qreal dx, qreal dy) {
    const qreal s = 2.5;
    const QPointF along(dx * s, dy * s), across(-dy * s, dx * s);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawPolygon(QPolygonF({tip, tip - along + across, tip - along - across}));
}

void drawPrint(QPainter& p) {
    drawSheet(p, QRectF(4.5, 1.5, 7, 5), 0);
    p.setPen(thin(kOutline));
    p.setBrush(kBody);
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3C, 0xB0, 0x3C));
    p.drawRect(QRectF(11.5, 7, 1.5, 1.5));
    drawSheet(p, QRectF(4.5, 9.5, 7, 5), 0);
    p.setPen(thin(kTextLine));
    p.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
    p.drawLine(QPointF(6, 13), QPointF(9, 13));
}

void drawWholePage(QPainter& p) {
    p.setPen(thin(kAccent));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 15, 15));
    drawSheet(p, QRectF(3.5, 2.5, 9, 11), 4);
}

void drawPageWidth(QPainter& p) {
    drawSheet(p, QRectF(2.5, 1.5, 11, 13), 5);
    QPen arrow(kAccent, 1);
    arrow.setCapStyle(Qt::FlatCap);
    p.setPen(arrow);
    p.drawLine(QPointF(3, 8.5), QPointF(13, 8.5));
    drawHead(p, QPointF(0.5, 8.5), -1, 0);
    drawHead(p, QPointF(15.5, 8.5), 1, 0);
}

void drawZoom100(QPainter& p) {
    QPen handle(kOutline, 2.5);
    handle.setCapStyle(Qt::RoundCap);
    p.setPen(handle);
    p.drawLine(QPointF(10, 10), QPointF(14, 14));
    p.setPen(thin(kOutline));
    p.setBrush(kLens);
    p.drawEllipse(QPointF(6.5, 6.5), 5, 5);
    // "1:1" inside the lens, as two bars and a colon.
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRect(QRectF(4, 4, 1, 5));
    p.drawRect(QRectF(8, 4, 1, 5));
    p.drawRect(QRectF(6, 5, 1, 1));
    p.drawRect(QRectF(6, 7, 1, 1));
}

void drawTwoPages(QPainter& p) {
    drawSheet(p, QRectF(0.5, 2.5, 7, 11), 4);
    drawSheet(p, QRectF(8.5, 2.5, 7, 11), 4);
}

void drawClose(QPainter& p) {
    QPen cross(kClose, 2.2);
    cross.setCapStyle(Qt::RoundCap);
    p.setPen(cross);
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
}

using Draw = void (*)(QPainter&);
constexpr std::array<Draw, 6> kDrawings = {drawPrint,   drawWholePage, drawPageWidth,
                                           drawZoom100, drawTwoPages,  drawClose};
static_assert(kDrawings.size() == static_cast<std::size_t>(ToolbarImage::Close) + 1);

} // namespace

QPixmap drawToolbarImage(ToolbarImage image, qreal ratio) {
    const int device = qRound(kToolbarImageSize * ratio);
    QPixmap pixmap(device, device);
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    kDrawings[static_cast<std::size_t>(image)](painter);
    return pixmap;
}

QIcon toolbarIcon(ToolbarImage image) {
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0})
        icon.addPixmap(drawToolbarImage(image, ratio));
    return icon;
}

} // namespace rq::report::preview::qt
