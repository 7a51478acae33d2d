// The preview's zoom arithmetic without any window: the zoom a zoom mode
// gives for the current page and client size, the lower limit of a chosen
// zoom, the zoom box's text and how a typed zoom box text is read.
#pragma once

#include "report/model/types.h"

#include <optional>
#include <string>
#include <string_view>

namespace rq::report::preview {

// The smallest zoom SetZoom accepts (the zoom modes may go below it).
inline constexpr double kMinZoom = 0.25;

// A chosen zoom, raised to the minimum.
double LimitZoom(double zoom);

// The zoom a mode gives for a page of (pageWidth x pageHeight) pixels in a
// workspace client area of (clientWidth x clientHeight); zmDefault keeps
// the current zoom.
double ZoomForMode(model::TfrxZoomMode mode, double current, int pageWidth, int pageHeight,
                   int clientWidth, int clientHeight);

// The zoom box's text: the zoom as a whole percentage followed by "%".
std::string ZoomText(double zoom);

// A typed zoom box text read as a percentage: "%" counts as a blank, blanks
// are dropped, "." and "," both mark decimals. Empty text gives nothing; a
// text that is not a number raises "'%s' is not a valid floating point
// value" with the cleaned text. The result is a zoom (percentage / 100),
// not yet limited.
std::optional<double> ParseZoomText(std::string_view text);

// Pixels the view moves for one wheel message: up (negative) for a
// positive delta, down for a negative one.
int WheelScrollStep(int delta);

} // namespace rq::report::preview
