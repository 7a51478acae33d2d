// The store's drawing side: what the pointer may ask of the preview
// (TrackPointer's answers) and the types of its pointer events. DrawPage and
// TrackPointer themselves are members of TfrxPreviewPages.
#pragma once

#include "report/model/view.h"

#include <cstdint>
#include <functional>
#include <string>

namespace rq::report::preview {

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
// Bits of ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble.
using TShiftState = std::uint32_t;

// The hand-point cursor a link shows when its object names no cursor.
inline constexpr std::int32_t crHandPoint = -21;

// What a click on a link or an object leads to; the attached preview sets
// these (each optional, nothing happens for an unset one).
struct TfrxPointerActions {
    // "@N": show page N (1-based).
    std::function<void(int pageNumber)> ShowPage;
    // "#name": scroll to a page (1-based) and a top position (pixels).
    std::function<void(int pageNumber, double top)> ScrollTo;
    // Any other link: opened by the desktop's default handler.
    std::function<void(const std::string& url)> OpenURL;
    // Every click on an object; set modified when the handler changed it.
    std::function<void(model::TfrxView& view, TMouseButton button, TShiftState shift,
                       bool& modified)>
        OnClickObject;
    // Every move over an object.
    std::function<void(model::TfrxView& view)> OnMouseOverObject;
};

} // namespace rq::report::preview
