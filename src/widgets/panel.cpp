// Painting of TPanel: fill, then the outer bevel along the edges.
#include "widgets/panel.h"

#include <QPainter>

namespace rq::widgets {

TPanel::TPanel(QWidget* parent) : QWidget(parent), color_(palette().color(QPalette::Button)) {}

void TPanel::SetColor(const QColor& color) {
    color_ = color;
    update();
}

void TPanel::SetBevelOuter(TPanelBevel bevel) {
    bevelOuter_ = bevel;
    update();
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r, color_);
    if (bevelOuter_ == TPanelBevel::bvNone)
        return;
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const bool raised = bevelOuter_ == TPanelBevel::bvRaised;
    painter.setPen(raised ? light : dark);
    painter.drawLine(r.left(), r.top(), r.right(), r.top());
    painter.drawLine(r.left(), r.top(), r.left(), r.bottom());
    painter.setPen(raised ? dark : light);
    painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

} // namespace rq::widgets
