// The font of report objects: face, height in pixels (negative: character
// height without internal leading), colour, style set, pitch and character
// set. Every change is announced through OnChange so that the owning
// component can maintain ParentFont.
#pragma once

#include "report/model/persistent.h"

#include <functional>
#include <string>

namespace rq::report::model {

inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int EASTEUROPE_CHARSET = 238;

class TFont : public Persistent {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    TFont() = default;
    TFont(const TFont& other);
    TFont& operator=(const TFont& other); // copies the values, keeps OnChange; notifies
    bool operator==(const TFont& other) const;

    void Assign(const TFont& other) { *this = other; }

    int Charset() const { return charset_; }
    void SetCharset(int value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    int Height() const { return height_; }
    void SetHeight(int value);
    const std::string& Name() const { return name_; }
    void SetName(const std::string& value);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch value);
    // Points at 96 pixels per inch: -Height * 72 / 96, rounded.
    int Size() const;
    void SetSize(int points);
    std::int32_t Style() const { return style_; } // bit mask of TFontStyle
    void SetStyle(std::int32_t value);

    std::function<void()> OnChange;

private:
    void changed();

    int charset_ = DEFAULT_CHARSET;
    TColor color_ = clBlack;
    int height_ = -13; // 10 points
    std::string name_ = "Arial";
    TFontPitch pitch_ = fpDefault;
    std::int32_t style_ = 0;
};

} // namespace rq::report::model
