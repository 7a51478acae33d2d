// Fonts by face name: the program's substitution table decides which
// installed family draws a face, and its files are registered at start-up.
#include "widgets/window_system.h"

#include "base/font_substitution.h"

#include <QFile>
#include <QFontDatabase>

#include <cstdio>
#include <set>

namespace rq::widgets {

QFont makeFont(const FontSpec& spec) {
    QFont font(QString::fromStdString(base::substituteFamily(spec.face)));
    font.setPixelSize(spec.height);
    const auto* entry = base::findFontSubstitute(spec.face);
    font.setBold(spec.bold || (entry && entry->forceBold));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
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
