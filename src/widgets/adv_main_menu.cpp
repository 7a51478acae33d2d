// Painting of TAdvMainMenu's top-level items.
#include "widgets/adv_main_menu.h"

#include <QMouseEvent>
#include <QPainter>

namespace rq::widgets {
namespace {

// Fills r row by row (vertical) or column by column (horizontal).
void fillGradient(QPainter& painter, const QRect& r, const QColor& start, const QColor& end,
                  TGradientDirection direction) {
    if (direction == TGradientDirection::gdVertical) {
        for (int y = 0; y < r.height(); ++y)
            painter.fillRect(r.left(), r.top() + y, r.width(), 1,
                             gradientColor(start, end, y, r.height()));
    } else {
        for (int x = 0; x < r.width(); ++x)
            painter.fillRect(r.left() + x, r.top(), 1, r.height(),
                             gradientColor(start, end, x, r.width()));
    }
}

// A gradient whose end colour is none is a solid fill of its start colour.
void fillBox(QPainter& painter, const QRect& r, TColor start, TColor end,
             TGradientDirection direction, TColor border) {
    const QColor from = toQColor(start);
    fillGradient(painter, r, from, end == clNone ? from : toQColor(end), direction);
    if (border == clNone)
        return;
    painter.setPen(toQColor(border));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
}

} // namespace

int gradientChannel(int start, int end, int pos, int length) {
    return length <= 0 ? start : start + pos * (end - start) / length;
}

QColor gradientColor(const QColor& start, const QColor& end, int pos, int length) {
    return QColor(gradientChannel(start.red(), end.red(), pos, length),
                  gradientChannel(start.green(), end.green(), pos, length),
                  gradientChannel(start.blue(), end.blue(), pos, length));
}

TAdvMainMenu::TAdvMainMenu(QWidget* parent) : QMenuBar(parent) {
    // The items are painted here, never by a desktop-wide global menu.
    setNativeMenuBar(false);
    setMouseTracking(true);
}

void TAdvMainMenu::SetRootItem(const TRootItem& item) {
    rootItem_ = item;
    update();
}

void TAdvMainMenu::SetFonts(const QFont& layout, const QFont& drawing) {
    setFont(layout);
    captionFont_ = drawing;
    update();
}

QAction* TAdvMainMenu::AddItem(const QString& name, const QString& caption) {
    QAction* action = addAction(caption);
    action->setObjectName(name);
    return action;
}

void TAdvMainMenu::paintBarSlice(QPainter& painter, const QRect& r) const {
    const QColor start = toQColor(rootItem_.Color);
    const QColor end = toQColor(rootItem_.ColorTo);
    const int whole = width();
    const QColor left = gradientColor(start, end, r.left(), whole);
    const QColor right = gradientColor(start, end, r.left() + r.width(), whole);
    fillGradient(painter, r, left, right, rootItem_.GradientDirection);
}

void TAdvMainMenu::paintCaption(QPainter& painter, QAction* action, const QRect& r,
                                TColor textColor) const {
    painter.setFont(CaptionFont());
    const QString caption = action->text();
    const int flags = Qt::TextSingleLine | Qt::TextExpandTabs | Qt::TextShowMnemonic;
    const QRect measured = painter.fontMetrics().boundingRect(r, flags, caption);
    const QRect textRect(r.left(), r.top() + (r.height() - measured.height()) / 2, r.width(),
                         measured.height());
    if (!action->isEnabled() && action != pressed_) {
        painter.setPen(toQColor(clHighlight));
        painter.drawText(textRect.translated(1, 1), Qt::AlignHCenter | flags, caption);
        textColor = clGrayText;
    }
    painter.setPen(textColor == clNone ? palette().color(QPalette::WindowText)
                                       : toQColor(textColor));
    painter.drawText(textRect, Qt::AlignHCenter | flags, caption);
}

void TAdvMainMenu::paintItem(QPainter& painter, QAction* action, bool last) const {
    const QRect r = actionGeometry(action);
    const auto& s = rootItem_;
    if (action == pressed_) {
        fillBox(painter, r, s.SelectedColor, s.SelectedColorTo, s.SelectedGradientDirection,
                s.SelectedBorderColor);
        paintCaption(painter, action, r, s.SelectedTextColor);
    } else if (action == activeAction() && action->isEnabled()) {
        fillBox(painter, r, s.HoverColor, s.HoverColorTo, s.HoverGradientDirection,
                s.HoverBorderColor);
        paintCaption(painter, action, r, s.HoverTextColor);
    } else {
        // The last item's background reaches the right edge, so the bar's
        // gradient continues behind the empty part of the bar.
        paintBarSlice(painter, last ? r.adjusted(0, 0, width() - 1 - r.right(), 0) : r);
        paintCaption(painter, action, r, clNone);
    }
}

void TAdvMainMenu::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintBarSlice(painter, rect());
    QAction* lastVisible = nullptr;
    for (QAction* action : actions())
        if (action->isVisible())
            lastVisible = action;
    for (QAction* action : actions())
        if (action->isVisible())
            paintItem(painter, action, action == lastVisible);
}

void TAdvMainMenu::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QAction* action = actionAt(event->position().toPoint());
        pressed_ = action && action->isEnabled() ? action : nullptr;
        update();
    }
    QMenuBar::mousePressEvent(event);
}

void TAdvMainMenu::mouseReleaseEvent(QMouseEvent* event) {
    // The pressed box shows until the command starts: cleared before the
    // base class triggers the item.
    if (event->button() == Qt::LeftButton && pressed_) {
        pressed_ = nullptr;
        repaint();
    }
    QMenuBar::mouseReleaseEvent(event);
}

} // namespace rq::widgets
