// Face names of the certificate and the report library, mapped onto the fonts
// that the install step brings (fonts-wine, fonts-liberation2, fonts-dejavu-core).
#include "base/font_substitution.h"

#include "base/text1250.h"

#include <array>

namespace rq::base {
namespace {

const std::array<FontSubstitute, 5> kTable = {{
    {"Tahoma",
     "Tahoma",
     {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"},
     false,
     {}},
    // MS Sans Serif has bitmap cuts of 13, 16 and 20 pixels only; Tahoma, the
    // scalable face of the same design family, draws it at other scales.
    {"MS Sans Serif",
     "MS Sans Serif",
     {"/usr/share/wine/fonts/ms_sans_serif.ttf"},
     false,
     "Tahoma"},
    {"Arial",
     "Liberation Sans",
     {"/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
      "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
      "/usr/share/fonts/truetype/liberation2/LiberationSans-Italic.ttf",
      "/usr/share/fonts/truetype/liberation2/LiberationSans-BoldItalic.ttf"},
     false,
     {}},
    {"Verdana",
     "DejaVu Sans",
     {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
      "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"},
     false,
     {}},
    // Franklin Gothic Medium is a heavy sans: the bold cut of DejaVu Sans is
    // the closest installed face.
    {"Franklin Gothic Medium",
     "DejaVu Sans",
     {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"},
     true,
     {}},
}};

} // namespace

std::span<const FontSubstitute> fontSubstitutes() {
    return kTable;
}

const FontSubstitute* findFontSubstitute(std::string_view face) {
    for (const auto& entry : kTable)
        if (sameText(entry.face, face))
            return &entry;
    return nullptr;
}

std::string substituteFamily(std::string_view face) {
    const auto* entry = findFontSubstitute(face);
    return std::string(entry ? entry->family : face);
}

} // namespace rq::base
