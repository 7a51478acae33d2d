// Colours, the beep, the clipboard and the Windows-1250 edge of the
// window-system layer.
#include "widgets/window_system.h"

#include "base/text1250.h"

#include <QApplication>
#include <QClipboard>
#include <QPalette>

namespace rq::widgets {
namespace {

std::function<void()>& beepHandler() {
    static std::function<void()> handler;
    return handler;
}

struct SystemColorRow {
    TColor index;
    QPalette::ColorRole role;
};

// The system colours the program's windows use, mapped onto palette roles.
constexpr SystemColorRow kSystemColors[] = {
    {clBtnFace & 0xFF, QPalette::Button},        {clWindow & 0xFF, QPalette::Base},
    {clWindowText & 0xFF, QPalette::WindowText}, {clMenuText & 0xFF, QPalette::WindowText},
    {clHighlight & 0xFF, QPalette::Highlight},   {clGrayText & 0xFF, QPalette::PlaceholderText},
};

QColor systemColor(TColor index) {
    for (const auto& row : kSystemColors)
        if (row.index == index)
            return QGuiApplication::palette().color(row.role);
    return QGuiApplication::palette().color(QPalette::Window);
}

} // namespace

QColor toQColor(TColor color) {
    if (base::isSystemColor(color))
        return systemColor(base::systemColorIndex(color));
    return QColor(base::redOf(color), base::greenOf(color), base::blueOf(color));
}

TColor fromQColor(const QColor& color) {
    return base::rgbColor(color.red(), color.green(), color.blue());
}

void defaultBeep() {
    if (beepHandler())
        beepHandler()();
    else
        QApplication::beep();
}

void setBeepHandler(std::function<void()> handler) {
    beepHandler() = std::move(handler);
}

void putClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

QString clipboardText() {
    return QGuiApplication::clipboard()->text();
}

QString selectionText() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard->supportsSelection() ? clipboard->text(QClipboard::Selection) : QString();
}

QString fromAnsi(std::string_view text) {
    return QString::fromStdString(base::cp1250ToUtf8(text));
}

std::string toAnsi(const QString& text) {
    return base::utf8ToCp1250(text.toStdString());
}

} // namespace rq::widgets
