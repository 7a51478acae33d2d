// Dialog-unit measurement and conversion.
#include "dialogs/dialog_units.h"

#include "base/font_substitution.h"
#include "base/text1250.h"
#include "dialogs/dialog_settings.h"

#include <QApplication>
#include <QFontMetrics>

namespace rq::dialogs {
namespace {

// a * b / c rounded to the nearest integer, halves to even (as every
// conversion to pixels rounds), for the non-negative values of geometry.
int mulDiv(int a, int b, int c) {
    const int product = a * b;
    const int quotient = product / c;
    const int twiceRemainder = 2 * (product % c);
    if (twiceRemainder > c || (twiceRemainder == c && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}

} // namespace

DialogUnits dialogUnitsOf(const QFont& font) {
    static const QString kLetters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(kLetters) / 52, metrics.height()};
}

int horizontalUnits(const DialogUnits& units, int quarters) {
    return mulDiv(quarters, units.x, 4);
}

int verticalUnits(const DialogUnits& units, int eighths) {
    return mulDiv(eighths, units.y, 8);
}

QFont messageFont() {
    return QApplication::font("QMessageBox");
}

QFont unitFont() {
    const auto& settings = dialogSettings().font;
    QFont font(
        QString::fromStdString(rq::base::cp1250ToUtf8(rq::base::substituteFamily(settings.face))));
    font.setPointSize(settings.pointSize);
    font.setBold(settings.bold);
    return font;
}

} // namespace rq::dialogs
