// Dialog units: both dialogs give their geometry in quarters of the average
// character width (h/4) and eighths of the character height (v/8) of the
// dialog font, so that they grow with the platform's message font.
#pragma once

#include <QFont>

namespace rq::dialogs {

struct DialogUnits {
    int x; // average width of "A".."Z", "a".."z" in pixels (integer division by 52)
    int y; // height of those letters in pixels
};

// Measures the units of a font.
DialogUnits dialogUnitsOf(const QFont& font);

// h/4 and v/8 in pixels, rounded to the nearest integer (halves to even).
int horizontalUnits(const DialogUnits& units, int quarters);
int verticalUnits(const DialogUnits& units, int eighths);

// The platform's message font, the font the system uses for message boxes.
QFont messageFont();

// The unit font of the settings as a Qt font, through the program's font
// substitution table.
QFont unitFont();

} // namespace rq::dialogs
