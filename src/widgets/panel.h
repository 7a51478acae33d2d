// TPanel: a container filled with its colour and framed by a one-pixel
// bevel, raised (light top-left, dark bottom-right) or lowered (the reverse).
#pragma once

#include "widgets/window_system.h"

#include <QWidget>

namespace rq::widgets {

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

class TPanel : public QWidget {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr);

    QColor Color() const { return color_; }
    void SetColor(const QColor& color);
    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel bevel);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
    TPanelBevel bevelOuter_ = TPanelBevel::bvRaised;
};

} // namespace rq::widgets
