// TLabel's automatic size: measured with the label's own font metrics, the
// ones its text is painted with.
#include "widgets/label.h"

#include <QEvent>
#include <QFontMetricsF>

#include <cmath>

namespace rq::widgets {

TLabel::TLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
    setIndent(0);
    AdjustBounds();
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustBounds();
}

void TLabel::SetCaption(const QString& caption) {
    setText(caption);
    AdjustBounds();
}

QSize TLabel::TextExtent() const {
    const QFontMetricsF metrics(font());
    // The text's ink may reach past its advance (an overhanging last glyph).
    const qreal width =
        std::max(metrics.horizontalAdvance(text()), metrics.boundingRect(text()).right());
    return {static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(metrics.height()))};
}

void TLabel::AdjustBounds() {
    if (!autoSize_)
        return;
    if (const QSize extent = TextExtent(); size() != extent)
        resize(extent);
}

void TLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        AdjustBounds();
}

} // namespace rq::widgets
