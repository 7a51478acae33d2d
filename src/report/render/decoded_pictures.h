// Decoded pictures kept between draws, one per template object: a prepared
// page is rebuilt into fresh objects whenever it leaves the page cache, but
// its pictures stay those of the template, so they are decoded once and the
// bitmap is found again through the object's source link. A picture that
// cannot be decoded is reported once and then drawn as an empty frame.
#pragma once

#include "report/model/picture_view.h"
#include "report/render/canvas.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace rq::report::render {

// Pixels of a picture's graphic; raises with the reason when it cannot.
// Only JPEG graphics ("TJPEGImage") are decoded.
Bitmap32 decodeGraphic(const model::TPicture& picture);

class DecodedPictures {
public:
    using ProblemFn = std::function<void(const std::string& message)>;

    // onProblem: told each problem as it is first met (may be empty).
    explicit DecodedPictures(ProblemFn onProblem = {});

    // The view's decoded graphic, or null when the picture is empty or
    // cannot be decoded. Valid until the next call or Clear.
    std::shared_ptr<const Bitmap32> Find(const model::TfrxPictureView& view);

    // Forgets every picture; the store calls it when its source pages go.
    void Clear();
    // The problems met so far, in order, each once.
    const std::vector<std::string>& Problems() const { return problems_; }
    // How many decodes were run (a measure of the keeping).
    int DecodeCount() const { return decodeCount_; }

private:
    struct Entry {
        bool seen = false;
        std::size_t hash = 0;
        std::size_t size = 0;
        std::shared_ptr<const Bitmap32> bitmap; // null: could not be decoded
    };

    ProblemFn onProblem_;
    std::unordered_map<const model::TfrxComponent*, Entry> entries_;
    std::vector<std::string> problems_;
    int decodeCount_ = 0;
};

// "Picture1: the picture cannot be drawn (reason)".
std::string pictureProblem(const model::TfrxPictureView& view, const std::string& reason);

} // namespace rq::report::render
