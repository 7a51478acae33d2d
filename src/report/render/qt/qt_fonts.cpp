// Font registration and realisation with a small cache of raw fonts.
#include "report/render/qt/qt_fonts.h"
#include "base/rounding.h"

#include <QtEndian>

#include "base/font_substitution.h"
#include "base/text1250.h"
#include "report/render/rounding.h"

#include <QFile>
#include <QFontDatabase>
#include <QtEndian>

#include <cmath>
#include <map>
#include <mutex>
#include <tuple>

namespace rq::report::render::qt {
namespace {

using FontKey = std::tuple<std::string, int, FontStyles>;

std::map<FontKey, RealisedFont>& cache() {
    // Never destroyed: raw fonts must not be released after the application
    // object that owns the font engines is gone.
    static auto* fonts = new std::map<FontKey, RealisedFont>;
    return *fonts;
}

// The font's em size in pixels: a negative height is the character height
// (the em), a positive one the cell height (ascent plus descent).
// Stem width of the letter l, the measure of a cut's weight.
qreal stemWidth(const QRawFont& raw) {
    const QChar l('l');
    quint32 index = 0;
    int count = 1;
    raw.glyphIndexesForChars(&l, 1, &index, &count);
    return raw.pathForGlyph(index).boundingRect().width();
}

// A bold cut whose outlines are no heavier than the regular cut's is drawn
// thickened by a twentieth of the em, about the difference of real bold stems.
qreal emboldening(const QFont& boldFont, const QRawFont& bold) {
    QFont regularFont = boldFont;
    regularFont.setBold(false);
    QRawFont regular = QRawFont::fromFont(regularFont);
    regular.setPixelSize(bold.pixelSize());
    const qreal boldStem = stemWidth(bold), regularStem = stemWidth(regular);
    return regularStem > 0 && boldStem < 1.25 * regularStem ? bold.pixelSize() / 20 : 0;
}

// Ascent and descent as the platform's text cell has them: the OS/2 table's
// usWinAscent and usWinDescent, which cover the accents of capitals (a
// cell top at the text box's top would clip them otherwise); Qt's own
// values may be the smaller typographic ones. Without the table, Qt's.
struct CellMetrics {
    qreal ascent = 0;
    qreal descent = 0;
};

CellMetrics cellMetrics(const QRawFont& raw) {
    const QByteArray os2 = raw.fontTable("OS/2");
    const QByteArray head = raw.fontTable("head");
    constexpr int kWinAscent = 74, kWinDescent = 76, kUnitsPerEm = 18;
    if (os2.size() < kWinDescent + 2 || head.size() < kUnitsPerEm + 2)
        return {raw.ascent(), raw.descent()};
    const auto u16 = [](const QByteArray& table, int offset) {
        return qFromBigEndian<quint16>(table.constData() + offset);
    };
    const qreal unitsPerEm = u16(head, kUnitsPerEm);
    if (unitsPerEm <= 0)
        return {raw.ascent(), raw.descent()};
    const qreal scale = raw.pixelSize() / unitsPerEm;
    return {u16(os2, kWinAscent) * scale, u16(os2, kWinDescent) * scale};
}

qreal emPixels(const QRawFont& raw, int height) {
    if (height < 0)
        return -height;
    if (height == 0)
        return 16;
    const CellMetrics metrics = cellMetrics(raw);
    const qreal cell = metrics.ascent + metrics.descent;
    return cell > 0 ? height * raw.pixelSize() / cell : height;
}

RealisedFont makeFont(const CanvasFont& description) {
    registerProgramFonts();
    const auto* substitute = base::findFontSubstitute(description.name);
    RealisedFont result;
    QFont& font = result.font;
    font.setFamily(
        QString::fromStdString(base::cp1250ToUtf8(base::substituteFamily(description.name))));
    font.setBold((description.style & fsBold) || (substitute && substitute->forceBold));
    font.setItalic(description.style & fsItalic);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(100);
    QRawFont probe = QRawFont::fromFont(font);
    const qreal em = emPixels(probe, description.height);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(em))));
    result.raw = QRawFont::fromFont(font);
    result.raw.setPixelSize(em);
    const CellMetrics metrics = cellMetrics(result.raw);
    result.ascent = static_cast<int>(std::lround(metrics.ascent));
    result.descent = static_cast<int>(std::lround(metrics.descent));
    if (font.bold())
        result.emboldenWidth = emboldening(font, result.raw);
    result.underline = description.style & fsUnderline;
    result.strikeOut = description.style & fsStrikeOut;
    result.advances.fill(-1);
    return result;
}

} // namespace

void registerProgramFonts() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (const auto& entry : base::fontSubstitutes())
            for (const auto& file : entry.files)
                if (!file.empty() &&
                    QFile::exists(QString::fromUtf8(file.data(), qsizetype(file.size()))))
                    QFontDatabase::addApplicationFont(
                        QString::fromUtf8(file.data(), qsizetype(file.size())));
    });
}

quint32 RealisedFont::glyph(unsigned char byte) {
    const QChar ch(static_cast<char16_t>(base::cp1250ToUnicode(byte)));
    quint32 index = 0;
    int count = 1;
    raw.glyphIndexesForChars(&ch, 1, &index, &count);
    return index;
}

int RealisedFont::advance(unsigned char byte) {
    int& cached = advances[byte];
    if (cached < 0) {
        const quint32 index = glyph(byte);
        QPointF size;
        raw.advancesForGlyphIndexes(&index, &size, 1, QRawFont::UseDesignMetrics);
        cached = base::roundToInt(size.x());
    }
    return cached;
}

const QPainterPath& RealisedFont::outline(unsigned char byte) {
    if (!outlined[byte]) {
        outlines[byte] = raw.pathForGlyph(glyph(byte));
        outlined[byte] = true;
    }
    return outlines[byte];
}

RealisedFont& realiseFont(const CanvasFont& font) {
    auto& fonts = cache();
    const FontKey key{font.name, font.height, font.style};
    auto found = fonts.find(key);
    if (found != fonts.end())
        return found->second;
    if (fonts.size() > 256)
        fonts.clear(); // a report uses a handful of fonts; this bounds odd cases
    return fonts.emplace(key, makeFont(font)).first->second;
}

} // namespace rq::report::render::qt
