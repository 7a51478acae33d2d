// The certificate's body text (Memo3) with long Hungarian values filled in,
// and its text box on a device of a given scale (no frame, gaps 2 and 1).
#pragma once

#include "base/rounding.h"
#include "base/text1250.h"
#include "report/render/canvas.h"
#include "report/render/rounding.h"

#include <string>
#include <vector>

namespace rq::report::render::testing {

inline std::vector<std::string> certificateBody() {
    const char* utf8[] = {
        "<u><b>Ezüstligeti Közműszolgáltató és Városgazdálkodási Nonprofit Korlátolt "
        "Felelősségű Társaság</b></u>",
        "<u><b>8000 Ezüstliget, Szent István király körút 112/B. földszint 3.</b></u>",
        "",
        "Alulírott munkáltató igazolom, hogy <b>Kovácsné Szentgyörgyvölgyi Erzsébet "
        "Margit</b> , leánykori neve: <b>Szentgyörgyvölgyi Erzsébet Margit</b>, <b>8000 "
        "Ezüstliget, Hosszúhegyi dűlő 1234/56. hrsz. tanya</b> szám alatti lakos "
        "<b>2001.09.01.</b> óta áll alkalmazásunkban <b>gazdasági és pénzügyi "
        "osztályvezető-helyettes</b> beosztásban.",
        "",
        "Nevezett  utolsó havi nettó jövedelme (családi pótlék nélkül):  <b>1 234 567</b> Ft.",
        "A családi pótlék összege: <b>123 456</b> Ft.",
    };
    std::vector<std::string> lines;
    for (const char* line : utf8)
        lines.push_back(base::utf8ToCp1250(line));
    return lines;
}

// Memo3: left 7.55906, top 219.21274, width 619.84292, height 211.65368.
inline Rect certificateTextBox(long double scale) {
    const long double left = 7.55906L, top = 219.21274L, width = 619.84292L, height = 211.65368L;
    const int gx = base::roundToInt(2 * scale), gy = base::roundToInt(1 * scale);
    return {base::roundToInt(left * scale) + gx, base::roundToInt(top * scale) + gy,
            base::roundToInt((left + width) * scale) - gx + 1,
            base::roundToInt((top + height) * scale) - gy + 1};
}

inline CanvasFont certificateFont() {
    CanvasFont font;
    font.name = "Tahoma";
    font.height = -15;
    return font;
}

} // namespace rq::report::render::testing
