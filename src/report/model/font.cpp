// TFont values and their property table.
#include "report/model/font.h"

#include <algorithm>
#include <cstdlib>

namespace rq::report::model {
namespace {

// MulDiv: a * b / c rounded half away from zero.
int mulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long q = (std::llabs(product) + c / 2) / c;
    // Clamped so that the negations of heights and sizes stay in range.
    return static_cast<int>(std::min(q, 0x7FFFFFFFLL) * (product < 0 ? -1 : 1));
}

} // namespace

const ClassInfo& TFont::StaticClass() {
    static const ClassInfo info(
        "TFont", nullptr,
        PropTable<TFont>()
            .integer("Charset", &TFont::Charset, &TFont::SetCharset, std::nullopt)
            .integer("Color", &TFont::Color, &TFont::SetColor, std::nullopt)
            .integer("Height", &TFont::Height, &TFont::SetHeight, std::nullopt)
            .string("Name", &TFont::Name, &TFont::SetName)
            .enumeration("Pitch", kTFontPitchType, &TFont::Pitch, &TFont::SetPitch, fpDefault)
            .integer("Size", &TFont::Size, &TFont::SetSize, std::nullopt)
            .storedWhen([](const TFont&) { return false; })
            .set("Style", kTFontStylesType, &TFont::Style, &TFont::SetStyle, std::nullopt)
            .done());
    return info;
}

TFont::TFont(const TFont& other)
    : Persistent(other), charset_(other.charset_), color_(other.color_), height_(other.height_),
      name_(other.name_), pitch_(other.pitch_), style_(other.style_) {}

TFont& TFont::operator=(const TFont& other) {
    if (this != &other) {
        charset_ = other.charset_;
        color_ = other.color_;
        height_ = other.height_;
        name_ = other.name_;
        pitch_ = other.pitch_;
        style_ = other.style_;
    }
    changed();
    return *this;
}

bool TFont::operator==(const TFont& other) const {
    return charset_ == other.charset_ && color_ == other.color_ && height_ == other.height_ &&
           name_ == other.name_ && pitch_ == other.pitch_ && style_ == other.style_;
}

void TFont::SetCharset(int value) {
    charset_ = value & 0xFF;
    changed();
}

void TFont::SetColor(TColor value) {
    color_ = value;
    changed();
}

void TFont::SetHeight(int value) {
    height_ = value;
    changed();
}

void TFont::SetName(const std::string& value) {
    name_ = value;
    changed();
}

void TFont::SetPitch(TFontPitch value) {
    pitch_ = value;
    changed();
}

int TFont::Size() const {
    return -mulDiv(height_, 72, 96);
}

void TFont::SetSize(int points) {
    height_ = -mulDiv(points, 96, 72);
    changed();
}

void TFont::SetStyle(std::int32_t value) {
    style_ = value & static_cast<std::int32_t>(kTFontStylesType.setMask());
    changed();
}

void TFont::changed() {
    if (OnChange)
        OnChange();
}

} // namespace rq::report::model
