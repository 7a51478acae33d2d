// Draw of picture views: the fill, the graphic scaled into the device
// rectangle (stretched with or without its aspect ratio, or at its natural
// size, anchored at the top left or centred), then the frame.
#pragma once

#include "report/model/picture_view.h"
#include "report/render/draw_view.h"
#include "report/render/view_draw.h"

namespace rq::report::render {

void DrawPicture(model::TfrxView& view, const DrawContext& context);

// The device rectangle a graphic of gw x gh pixels takes in the view.
Rect pictureRect(const model::TfrxPictureView& view, const ViewDraw& d, int gw, int gh);

} // namespace rq::report::render
