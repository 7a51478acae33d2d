// Picture views: an image with AutoSize, Center, KeepAspectRatio and
// Stretched. The fill is white and not stored. With AutoSize the view takes
// the picture's pixel size (not while the serializer is reading it: the
// stored bounds already hold the size, and an empty picture must not
// collapse them).
#pragma once

#include "report/model/picture.h"
#include "report/model/view.h"

namespace rq::report::model {

class TfrxPictureView : public TfrxView {
public:
    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }
    std::string Description() const override { return "obPicture"; }

    TfrxPictureView();

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v) { center_ = v; }
    bool KeepAspectRatio() const { return keepAspectRatio_; }
    void SetKeepAspectRatio(bool v) { keepAspectRatio_ = v; }
    bool Stretched() const { return stretched_; }
    void SetStretched(bool v) { stretched_ = v; }
    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }

    // Set by every picture change; the engine resets it before a run.
    bool PictureChanged = false;

    bool IsColorStored() const override { return false; }
    void PrepareForRun() override { PictureChanged = false; }

private:
    void pictureChanged();
    void fitToPicture();

    bool autoSize_ = false;
    bool center_ = false;
    bool keepAspectRatio_ = true;
    bool stretched_ = true;
    TPicture picture_;
};

} // namespace rq::report::model
