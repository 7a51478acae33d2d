// TAdvMainMenu: a menu bar whose top-level items the program paints itself:
// a soft horizontal gradient behind the items (continued to the window's
// right edge), and gradient boxes with a one-pixel frame for the item under
// the mouse and for the pressed item. The colours are the style record
// TRootItem; with no styler attached its defaults apply.
#pragma once

#include "widgets/window_system.h"

#include <QFont>
#include <QMenuBar>

#include <optional>

namespace rq::widgets {

enum class TGradientDirection { gdHorizontal, gdVertical };

struct TRootItem {
    TColor Color = 15062999;   // bar gradient start, left edge of the client area
    TColor ColorTo = 16249586; // bar gradient end, right edge of the client area
    TGradientDirection GradientDirection = TGradientDirection::gdHorizontal;
    TColor HoverColor = 13629183;
    TColor HoverColorTo = 10344703;
    TGradientDirection HoverGradientDirection = TGradientDirection::gdVertical;
    TColor HoverBorderColor = 7293771;
    TColor HoverTextColor = clMenuText;
    TColor SelectedColor = 15919336;
    TColor SelectedColorTo = 13482169;
    TGradientDirection SelectedGradientDirection = TGradientDirection::gdVertical;
    TColor SelectedBorderColor = 9731196;
    TColor SelectedTextColor = clMenuText;
};

// One channel of a gradient of the given length at pos (0-based):
// start + pos * (end - start) / length, truncating toward zero.
int gradientChannel(int start, int end, int pos, int length);
QColor gradientColor(const QColor& start, const QColor& end, int pos, int length);

class TAdvMainMenu : public QMenuBar {
    Q_OBJECT
public:
    explicit TAdvMainMenu(QWidget* parent = nullptr);

    const TRootItem& RootItem() const { return rootItem_; }
    void SetRootItem(const TRootItem& item);
    // Adds a top-level item named name (its object name) with a caption.
    QAction* AddItem(const QString& name, const QString& caption);
    // Items are measured in layout's metrics and their captions drawn in
    // drawing: on a scaled screen the drawing face may differ from the
    // design's while the items keep their designed places.
    void SetFonts(const QFont& layout, const QFont& drawing);
    QFont CaptionFont() const { return captionFont_.value_or(font()); }
    // The item being pressed with the mouse, or nullptr.
    QAction* PressedItem() const { return pressed_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintItem(class QPainter& painter, QAction* action, bool last) const;
    void paintBarSlice(QPainter& painter, const QRect& r) const;
    void paintCaption(QPainter& painter, QAction* action, const QRect& r, TColor textColor) const;

    TRootItem rootItem_;
    QAction* pressed_ = nullptr;
    std::optional<QFont> captionFont_; // unset: the widget's font
};

} // namespace rq::widgets
