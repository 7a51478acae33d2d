// Fonts by face name: the program's substitution table decides which
// installed family draws a face, and its files are registered at start-up.
#include "widgets/window_system.h"

#include "base/font_substitution.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainterPath>
#include <QRawFont>

#include <cstdio>
#include <map>
#include <set>

namespace rq::widgets {
namespace {

// Stem width of the letter l at 100 pixels, the measure of a cut's weight.
qreal stemWidth(QFont font) {
    font.setPixelSize(100);
    const QRawFont raw = QRawFont::fromFont(font);
    const QChar l('l');
    quint32 index = 0;
    int count = 1;
    raw.glyphIndexesForChars(&l, 1, &index, &count);
    return raw.pathForGlyph(index).boundingRect().width();
}

// Some stand-in faces ship a bold file whose strokes are no heavier than the
// regular ones, with wider spacing: text looks thin and letter-spaced. Such a
// family is drawn bold the way the desktop emboldens a face without a bold
// cut: the regular cut's hinted glyphs thickened, each advance one pixel
// wider.
bool hasLightBoldCut(const QString& family) {
    static std::map<QString, bool> known;
    const auto found = known.find(family);
    if (found != known.end())
        return found->second;
    QFont regular(family);
    QFont bold(family);
    bold.setBold(true);
    const qreal regularStem = stemWidth(regular);
    const bool light = regularStem > 0 && stemWidth(bold) < 1.25 * regularStem;
    known.emplace(family, light);
    return light;
}

// Whether text is drawn at its logical pixel size (no device-pixel ratio).
bool unscaled() {
    return !qGuiApp || qGuiApp->devicePixelRatio() == 1.0;
}

// The face that draws spec on this display. A family of bitmap cuts draws
// crisply at its cuts' pixel sizes only: where a device-pixel ratio scales
// the text, Qt would pick the nearest cut and space it at the scaled advances
// (small letters, wide gaps), so the table's scalable face takes its place.
std::string_view drawingFace(std::string_view face) {
    const auto* entry = base::findFontSubstitute(face);
    if (!entry || entry->scaledFace.empty() || unscaled())
        return face;
    const QString family = QString::fromStdString(std::string(entry->family));
    return QFontDatabase::isSmoothlyScalable(family) ? face : entry->scaledFace;
}

QFont fontOfFace(std::string_view face, const FontSpec& spec) {
    const QString family = QString::fromStdString(base::substituteFamily(face));
    QFont font(family);
    font.setPixelSize(spec.height);
    const auto* entry = base::findFontSubstitute(face);
    font.setBold(spec.bold || (entry && entry->forceBold));
    font.setStyleStrategy(QFont::PreferAntialias);
    if (font.bold() && hasLightBoldCut(family)) {
        font.setStyleName(QStringLiteral("Regular"));
        font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    }
    return font;
}

} // namespace

QFont makeFont(const FontSpec& spec) {
    return fontOfFace(drawingFace(spec.face), spec);
}

QFont makeDesignFont(const FontSpec& spec) {
    return fontOfFace(spec.face, spec);
}

int registerSubstituteFonts() {
    // Each missing file is reported once per process, however often the
    // fonts are registered (tests create several windows).
    static std::set<std::string> reported;
    int registered = 0;
    for (const auto& entry : base::fontSubstitutes()) {
        for (const auto file : entry.files) {
            if (file.empty())
                break;
            const QString path =
                QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
            if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0) {
                ++registered;
                continue;
            }
            if (reported.insert(std::string(file)).second)
                std::fprintf(stderr,
                             "rq0612: font file %.*s for \"%.*s\" is missing; using the "
                             "default font instead\n",
                             static_cast<int>(file.size()), file.data(),
                             static_cast<int>(entry.face.size()), entry.face.data());
        }
    }
    return registered;
}

} // namespace rq::widgets
