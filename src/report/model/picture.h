// The picture container of picture views: the graphic's class name (such as
// "TJPEGImage") and its image bytes, with the pixel size read from the
// image header. It travels as defined data ("Picture.PropData").
#pragma once

#include "report/model/persistent.h"

#include <functional>
#include <string>

namespace rq::report::model {

class TPicture : public Persistent {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    bool Empty() const { return className_.empty(); }
    const std::string& GraphicClassName() const { return className_; }
    const std::string& Data() const { return data_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool operator==(const TPicture& other) const {
        return className_ == other.className_ && data_ == other.data_;
    }

    // Replaces the graphic; an empty class name clears the picture.
    void SetGraphic(std::string className, std::string data);
    void Clear() { SetGraphic({}, {}); }
    void Assign(const TPicture& other) { SetGraphic(other.className_, other.data_); }

    // Encoding: one byte with the class name's length, the class name, the
    // image length as four bytes (least significant first), the image.
    std::string DefinedData() const override;
    void ReadDefinedData(std::string_view data) override;

    std::function<void()> OnChange;

private:
    std::string className_;
    std::string data_;
    int width_ = 0;
    int height_ = 0;
};

// Pixel size from the header of a JPEG, PNG or BMP image; false when the
// bytes are none of these or the header is cut short.
bool graphicSize(std::string_view data, int& width, int& height);

} // namespace rq::report::model
