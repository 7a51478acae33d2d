// TLMDFill: a windowless header strip filled with a colour gradient and a
// one-line title written over it, aligned centre-left. No bevel is drawn, so
// the fill covers the whole client area.
#pragma once

#include "widgets/lmd_gradient.h"

#include <QWidget>

#include <vector>

namespace rq::widgets {

class TLMDFill : public QWidget {
    Q_OBJECT
public:
    explicit TLMDFill(QWidget* parent = nullptr);

    const TLMDGradient& Gradient() const { return gradient_; }
    // Rebuilds the band list and repaints.
    void SetGradient(const TLMDGradient& gradient);
    // The band colours currently painted, top (or left) band first.
    const std::vector<QColor>& Bands() const { return bands_; }

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    QFont CaptionFont() const { return captionFont_; }
    void SetCaptionFont(const QFont& font);
    TColor CaptionColor() const { return captionColor_; }
    void SetCaptionColor(TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintFill(class QPainter& painter, const QRect& area) const;
    void paintCaption(QPainter& painter, const QRect& area) const;

    TLMDGradient gradient_;
    std::vector<QColor> bands_;
    QString caption_;
    QFont captionFont_;
    TColor captionColor_ = clWindowText;
};

} // namespace rq::widgets
