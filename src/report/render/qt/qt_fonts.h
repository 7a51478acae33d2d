// Fonts on Qt: registration of the program's font files (once per process,
// shared by the desktop program and the headless tools) and the realisation
// of a canvas font description as a Qt raw font with whole-pixel advances.
//
// Measuring choices, made so that extents at 600 dots per inch are the same
// on every run and every machine with the same font files: no hinting
// (PreferNoHinting), no kerning, design metrics (advances scale linearly with
// the pixel size), and each character's advance rounded to a whole device
// pixel on its own, so that a cumulative extent is a sum of integers as the
// platform's per-character extents are.
#pragma once

#include "report/render/canvas.h"

#include <QFont>
#include <QPainterPath>
#include <QRawFont>

#include <array>
#include <bitset>

namespace rq::report::render::qt {

// Registers the files of the font-substitution table with the font database.
// Safe to call any number of times; needs a QGuiApplication.
void registerProgramFonts();

struct RealisedFont {
    QFont font;      // for callers that need a QFont (decorations, widgets)
    QRawFont raw;    // glyph lookup, advances and painting
    int ascent = 0;  // whole pixels above the baseline
    int descent = 0; // whole pixels below it
    bool underline = false;
    bool strikeOut = false;
    // Pen width that thickens the outlines of a bold cut whose file carries
    // bold metrics but regular outlines (the Tahoma stand-in does); 0 otherwise.
    qreal emboldenWidth = 0;
    // Advance of each Windows-1250 byte in whole pixels; -1 until measured.
    std::array<int, 256> advances{};
    // Outline of each byte's glyph, origin on the baseline; made on first use.
    std::array<QPainterPath, 256> outlines;
    std::bitset<256> outlined;
    quint32 glyph(unsigned char byte);
    int advance(unsigned char byte);
    const QPainterPath& outline(unsigned char byte);
};

// The realised font of a description (face through the substitution table,
// height in pixels, style); cached, colour and escapement play no part.
RealisedFont& realiseFont(const CanvasFont& font);

} // namespace rq::report::render::qt
