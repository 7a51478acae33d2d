// The preview toolbar's 16 x 16 images, drawn as vector shapes so that they
// stay sharp on screens with a device-pixel ratio: each icon holds a picture
// drawn at ratio 1 and one drawn at ratio 2.
#pragma once

#include <QIcon>

namespace rq::report::preview::qt {

enum class ToolbarImage { Print, WholePage, PageWidth, Zoom100, TwoPages, Close };

// The image's edge in logical pixels.
inline constexpr int kToolbarImageSize = 16;

QIcon toolbarIcon(ToolbarImage image);

// The image drawn at a device-pixel ratio (kToolbarImageSize x ratio device
// pixels on a transparent background).
QPixmap drawToolbarImage(ToolbarImage image, qreal ratio);

} // namespace rq::report::preview::qt
