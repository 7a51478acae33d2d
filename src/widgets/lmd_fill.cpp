// Painting of TLMDFill: the gradient bands, then the transparent title.
#include "widgets/lmd_fill.h"

#include <QPainter>

namespace rq::widgets {

TLMDFill::TLMDFill(QWidget* parent) : QWidget(parent), bands_(gradientBands(gradient_)) {}

void TLMDFill::SetGradient(const TLMDGradient& gradient) {
    gradient_ = gradient;
    bands_ = gradientBands(gradient_);
    update();
}

void TLMDFill::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TLMDFill::SetCaptionFont(const QFont& font) {
    captionFont_ = font;
    update();
}

void TLMDFill::SetCaptionColor(TColor color) {
    captionColor_ = color;
    update();
}

void TLMDFill::paintFill(QPainter& painter, const QRect& area) const {
    const int count = static_cast<int>(bands_.size());
    const bool vertical = gradient_.Style == TGradientStyle::gstVertical;
    for (int k = 0; k < count; ++k) {
        const auto& colour = bands_[static_cast<std::size_t>(k)];
        if (vertical) {
            const int top = bandEdge(area.top(), area.height(), k, count);
            const int bottom = bandEdge(area.top(), area.height(), k + 1, count);
            painter.fillRect(QRect(area.left(), top, area.width(), bottom - top), colour);
        } else {
            const int left = bandEdge(area.left(), area.width(), k, count);
            const int right = bandEdge(area.left(), area.width(), k + 1, count);
            painter.fillRect(QRect(left, area.top(), right - left, area.height()), colour);
        }
    }
}

void TLMDFill::paintCaption(QPainter& painter, const QRect& area) const {
    if (caption_.isEmpty())
        return;
    painter.setFont(captionFont_);
    painter.setPen(toQColor(captionColor_));
    // '&' stays a plain character: no mnemonic flag is passed.
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextExpandTabs;
    painter.drawText(area, flags, caption_);
    // A bold drawn as the thickened regular cut (see makeFont) is thickened
    // by the font engine at the logical size only; on a scaled screen the
    // strokes get the same extra width here, the text drawn again beside.
    const bool emboldenedRegular = captionFont_.bold() && captionFont_.letterSpacing() > 0 &&
                                   captionFont_.styleName() == QLatin1String("Regular");
    const qreal ratio = painter.device()->devicePixelRatioF();
    if (emboldenedRegular && ratio > 1)
        painter.drawText(QRectF(area).translated(0.5, 0), flags, caption_);
}

void TLMDFill::paintEvent(QPaintEvent*) {
    // A failure while painting leaves the strip partly painted; it must not
    // escape into the event loop.
    try {
        QPainter painter(this);
        paintFill(painter, rect());
        paintCaption(painter, rect());
    } catch (...) {
    }
}

} // namespace rq::widgets
