// Qt's own texts (edit menus, standard dialog buttons) in the user's
// language, from the translations that Qt installs.
#pragma once

class QLocale;
class QTranslator;

namespace rq::app {

// Installs Qt's translations for locale into the application, which owns
// the returned translator; null when none is installed for its language
// (Qt then keeps its English texts).
QTranslator* installQtTranslations(const QLocale& locale);

} // namespace rq::app
