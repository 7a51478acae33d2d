// Drawing of the dialog's pictures: a sheet is a white rectangle with a grey
// edge and its page number; stacks are sheets offset diagonally.
#include "report/printing/qt/print_pictures.h"

#include <QPainter>

namespace rq::report::printing::qt {
namespace {

constexpr int kSheetWidth = 20;
constexpr int kSheetHeight = 26;

void sheet(QPainter& painter, int x, int y, int number) {
    painter.setPen(QColor(96, 96, 96));
    painter.setBrush(Qt::white);
    painter.drawRect(x, y, kSheetWidth - 1, kSheetHeight - 1);
    painter.setPen(Qt::black);
    painter.drawText(QRect(x, y + kSheetHeight / 2, kSheetWidth, kSheetHeight / 2), Qt::AlignCenter,
                     QString::number(number));
}

QPixmap blank(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap PrinterPicture() {
    QPixmap pixmap = blank(18, 16);
    QPainter painter(&pixmap);
    painter.setPen(QColor(64, 64, 64));
    painter.setBrush(Qt::white);
    painter.drawRect(5, 1, 8, 6); // paper
    painter.setBrush(QColor(192, 192, 192));
    painter.drawRect(1, 6, 16, 6); // body
    painter.setBrush(QColor(128, 128, 128));
    painter.drawRect(3, 12, 12, 3); // tray
    painter.setPen(QColor(0, 160, 0));
    painter.drawPoint(14, 8);
    return pixmap;
}

QPixmap CollatedPicture() {
    QPixmap pixmap = blank(74, 53);
    QPainter painter(&pixmap);
    QFont font = painter.font();
    font.setPixelSize(8);
    painter.setFont(font);
    for (int stack = 0; stack < 2; ++stack)
        for (int page = 3; page >= 1; --page)
            sheet(painter, stack * 38 + (page - 1) * 6, 53 - kSheetHeight - (3 - page) * 12 - 2,
                  page);
    return pixmap;
}

QPixmap UncollatedPicture() {
    QPixmap pixmap = blank(92, 40);
    QPainter painter(&pixmap);
    QFont font = painter.font();
    font.setPixelSize(8);
    painter.setFont(font);
    for (int page = 1; page <= 3; ++page)
        for (int copy = 1; copy >= 0; --copy)
            sheet(painter, (page - 1) * 30 + copy * 6, 40 - kSheetHeight - copy * 8 - 2, page);
    return pixmap;
}

} // namespace rq::report::printing::qt
