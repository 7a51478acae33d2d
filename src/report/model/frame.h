// The border of a view: which edges are drawn (Typ), line style, width,
// colour and an optional drop shadow.
#pragma once

#include "report/model/persistent.h"

namespace rq::report::model {

class TfrxFrame : public Persistent {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    bool operator==(const TfrxFrame& o) const {
        return color_ == o.color_ && dropShadow_ == o.dropShadow_ &&
               shadowColor_ == o.shadowColor_ && shadowWidth_ == o.shadowWidth_ &&
               style_ == o.style_ && typ_ == o.typ_ && width_ == o.width_;
    }

    TColor Color() const { return color_; }
    void SetColor(TColor v) { color_ = v; }
    bool DropShadow() const { return dropShadow_; }
    void SetDropShadow(bool v) { dropShadow_ = v; }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor v) { shadowColor_ = v; }
    Extended ShadowWidth() const { return shadowWidth_; } // pixels
    void SetShadowWidth(Extended v) { shadowWidth_ = v; }
    TfrxFrameStyle Style() const { return style_; }
    void SetStyle(TfrxFrameStyle v) { style_ = v; }
    std::int32_t Typ() const { return typ_; } // bit mask of TfrxFrameType
    void SetTyp(std::int32_t v) {
        typ_ = v & static_cast<std::int32_t>(kTfrxFrameTypesType.setMask());
    }
    Extended Width() const { return width_; } // pixels
    void SetWidth(Extended v) { width_ = v; }

private:
    TColor color_ = clBlack;
    bool dropShadow_ = false;
    TColor shadowColor_ = clBlack;
    Extended shadowWidth_ = 4;
    TfrxFrameStyle style_ = fsSolid;
    std::int32_t typ_ = 0;
    Extended width_ = 1;
};

} // namespace rq::report::model
