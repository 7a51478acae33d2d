// The keeping of decoded pictures. An entry is keyed by the template object
// (the rebuilt object's source link, or the object itself without one) and
// remembers which bytes it decoded, so a picture that changed during the run
// or an object that reuses a freed address is decoded afresh, never shown
// from a stale bitmap.
#include "report/render/decoded_pictures.h"

#include "report/render/jpeg_image.h"

#include <string_view>

namespace rq::report::render {
namespace {

constexpr std::string_view kJpegClass = "TJPEGImage";

} // namespace

Bitmap32 decodeGraphic(const model::TPicture& picture) {
    if (picture.GraphicClassName() != kJpegClass)
        throw EJpegError("unsupported graphic class " + picture.GraphicClassName());
    return decodeJpeg(picture.Data());
}

std::string pictureProblem(const model::TfrxPictureView& view, const std::string& reason) {
    return view.Name() + ": the picture cannot be drawn (" + reason + ")";
}

DecodedPictures::DecodedPictures(ProblemFn onProblem) : onProblem_(std::move(onProblem)) {}

std::shared_ptr<const Bitmap32> DecodedPictures::Find(const model::TfrxPictureView& view) {
    const model::TPicture& picture = view.Picture();
    if (picture.Empty())
        return nullptr;
    const model::TfrxComponent* key = view.SourceLink() ? view.SourceLink() : &view;
    const std::size_t hash = std::hash<std::string_view>{}(picture.Data());
    Entry& entry = entries_[key];
    if (entry.seen && entry.hash == hash && entry.size == picture.Data().size())
        return entry.bitmap; // null when it failed: reported then, not again
    entry = Entry{true, hash, picture.Data().size(), nullptr};
    ++decodeCount_;
    try {
        entry.bitmap = std::make_shared<const Bitmap32>(decodeGraphic(picture));
    } catch (const std::exception& error) {
        problems_.push_back(pictureProblem(view, error.what()));
        if (onProblem_)
            onProblem_(problems_.back());
    }
    return entry.bitmap;
}

void DecodedPictures::Clear() {
    entries_.clear();
}

} // namespace rq::report::render
