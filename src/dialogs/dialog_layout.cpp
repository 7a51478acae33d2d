// Dialog geometry: every distance is given in dialog units (h/4, v/8) and
// converted once here.
#include "dialogs/dialog_layout.h"

#include <algorithm>

namespace rq::dialogs {
namespace {

constexpr int kIconSize = 32; // system icons are 32 x 32 pixels

// Message-box spacing in dialog units.
constexpr int kHorzMargin = 8;    // h/4
constexpr int kVertMargin = 8;    // v/8
constexpr int kHorzSpacing = 10;  // h/4
constexpr int kVertSpacing = 10;  // v/8
constexpr int kButtonWidth = 50;  // h/4
constexpr int kButtonHeight = 14; // v/8
constexpr int kButtonSpacing = 4; // h/4

QRect unitRect(const DialogUnits& u, int left, int top, int width, int height) {
    return {horizontalUnits(u, left), verticalUnits(u, top), horizontalUnits(u, width),
            verticalUnits(u, height)};
}

} // namespace

InputDialogLayout layoutInputDialog(const DialogUnits& u) {
    InputDialogLayout layout;
    layout.client = {horizontalUnits(u, 180), verticalUnits(u, 63)};
    layout.prompt = {horizontalUnits(u, 8), verticalUnits(u, 8)};
    layout.edit = {layout.prompt.x(), verticalUnits(u, 19), horizontalUnits(u, 164), 0};
    layout.ok = unitRect(u, 38, 41, 50, 14);
    layout.cancel = unitRect(u, 92, 41, 50, 14);
    return layout;
}

MessageDialogLayout layoutMessageDialog(const DialogUnits& u, QSize textSize, bool withIcon,
                                        int buttonCount) {
    const int horzMargin = horizontalUnits(u, kHorzMargin);
    const int vertMargin = verticalUnits(u, kVertMargin);
    const int horzSpacing = horizontalUnits(u, kHorzSpacing);
    const int vertSpacing = verticalUnits(u, kVertSpacing);
    const int buttonWidth = horizontalUnits(u, kButtonWidth);
    const int buttonHeight = verticalUnits(u, kButtonHeight);
    const int buttonSpacing = horizontalUnits(u, kButtonSpacing);

    int iconTextWidth = textSize.width();
    int iconTextHeight = textSize.height();
    if (withIcon) {
        iconTextWidth += kIconSize + horzSpacing;
        iconTextHeight = std::max(iconTextHeight, kIconSize);
    }
    const int groupWidth = buttonCount * buttonWidth + std::max(buttonCount - 1, 0) * buttonSpacing;

    MessageDialogLayout layout;
    layout.client = {std::max(iconTextWidth, groupWidth) + 2 * horzMargin,
                     iconTextHeight + buttonHeight + vertSpacing + 2 * vertMargin};
    if (withIcon)
        layout.icon = {horzMargin, vertMargin, kIconSize, kIconSize};
    layout.text = {iconTextWidth - textSize.width() + horzMargin, vertMargin, textSize.width(),
                   2 * textSize.height()};
    int x = (layout.client.width() - groupWidth) / 2;
    const int top = iconTextHeight + vertMargin + vertSpacing;
    for (int i = 0; i < buttonCount; ++i) {
        layout.buttons.emplace_back(x, top, buttonWidth, buttonHeight);
        x += buttonWidth + buttonSpacing;
    }
    return layout;
}

QPoint screenCentred(QSize window, QSize screen) {
    return {screen.width() / 2 - window.width() / 2, screen.height() / 2 - window.height() / 2};
}

} // namespace rq::dialogs
