// Geometry of the input dialog and the message box in pixels, computed from
// the dialog units alone so that it can be checked without a display.
#pragma once

#include "dialogs/dialog_units.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace rq::dialogs {

struct InputDialogLayout {
    QSize client;
    QPoint prompt; // top-left of the prompt label, which sizes itself to its text
    QRect edit;    // height 0: the edit box keeps its natural height
    QRect ok;
    QRect cancel;
};

InputDialogLayout layoutInputDialog(const DialogUnits& units);

struct MessageDialogLayout {
    QSize client;
    QRect icon;                 // empty without an icon
    QRect text;                 // the message label: width T, height 2 x H
    std::vector<QRect> buttons; // left to right
};

// textSize is the message measured word-wrapped in the dialog font (T x H).
MessageDialogLayout layoutMessageDialog(const DialogUnits& units, QSize textSize, bool withIcon,
                                        int buttonCount);

// Top-left that centres a window of the given size on the screen
// (screen div 2 - window div 2 on each axis).
QPoint screenCentred(QSize window, QSize screen);

} // namespace rq::dialogs
