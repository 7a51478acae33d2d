// The window-system layer every window of the program goes through: colours
// in the 0x00BBGGRR layout, fonts by face name and pixel height (through the
// program's font-substitution table), the default beep, the clipboard and the
// top-level handler for failures that no command handled. Sizes are pixels at
// 96 per inch, which are Qt's device-independent pixels at 100 % scaling.
#pragma once

#include "base/color.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <string_view>

namespace rq::widgets {

using base::TColor;

// Values with the top byte 0xFF name a system colour (low byte: its index);
// clNone means that nothing is painted.
using base::clNone;
inline constexpr TColor clBtnFace = base::systemColor(0x0F);
inline constexpr TColor clWindow = base::systemColor(0x05);
inline constexpr TColor clWindowText = base::systemColor(0x08);
inline constexpr TColor clMenuText = base::systemColor(0x07);
inline constexpr TColor clHighlight = base::systemColor(0x0D);
inline constexpr TColor clGrayText = base::systemColor(0x11);

// The RGB colour a value stands for; system colours resolve through the
// current palette.
QColor toQColor(TColor color);
TColor fromQColor(const QColor& color);

// Character sets of a font description.
inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int EASTEUROPE_CHARSET = 238;

struct FontSpec {
    std::string_view face; // face name as the form gives it
    int height;            // character height in pixels, without internal leading
    bool bold = false;
};

// A QFont for a face name: the substitute family of the program's table and
// the given pixel height. On a screen with a device-pixel ratio, a face of
// bitmap cuts gives way to the table's scalable face, so text stays crisp.
QFont makeFont(const FontSpec& spec);
// The face itself, as on a 96-dpi screen: its metrics lay out what the design
// measures by text (the menu's items) the same on every screen.
QFont makeDesignFont(const FontSpec& spec);

// Registers the installed stand-in fonts of the substitution table with Qt.
// A missing file is reported once on standard error; the program goes on
// with the platform's default face. Returns the number of files registered.
int registerSubstituteFonts();

// The platform's default beep. Tests replace it to count refusals.
void defaultBeep();
void setBeepHandler(std::function<void()> handler);

// Plain text on the clipboard.
void putClipboardText(const QString& text);
QString clipboardText();
// The primary selection (middle-click paste); empty where the window system
// has none.
QString selectionText();

// Windows-1250 text at the Qt edge.
QString fromAnsi(std::string_view text);
std::string toAnsi(const QString& text);

// The top-level handler: shows the failure's message in a modal box with the
// application title as caption, an error icon and one OK button, adding a
// full stop when the message's last character sorts above '.'. Tests replace
// the box to record the message (Windows-1250, with the stop added).
void showUnhandledError(const std::exception& failure);
void setUnhandledErrorHandler(std::function<void(const std::string& message)> handler);

// Runs an event handler body; a failure escaping it goes to the top-level
// handler instead of unwinding through Qt.
template <typename Body> void guarded(Body&& body) {
    try {
        body();
    } catch (const std::exception& failure) {
        showUnhandledError(failure);
    }
}

} // namespace rq::widgets
