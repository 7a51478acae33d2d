// The program's single font-substitution table: the face names the form and
// the report use, and the installed face that stands in for each. Qt code
// registers the files at start-up and asks this table for family names.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace rq::base {

struct FontSubstitute {
    std::string_view face;     // the name the form or report asks for
    std::string_view family;   // the installed family that draws it
    std::string_view files[4]; // font files to register (empty entries end the list)
    bool forceBold;            // the stand-in is a bold cut of a regular face
    // For a family with bitmap cuts only: the face that draws it where the
    // screen's pixels are finer than those cuts (empty when always scalable).
    std::string_view scaledFace;
};

std::span<const FontSubstitute> fontSubstitutes();
// The installed family for a face name (case-insensitive); the face itself
// when the table has no entry.
std::string substituteFamily(std::string_view face);
// The table entry for a face, or nullptr.
const FontSubstitute* findFontSubstitute(std::string_view face);

} // namespace rq::base
