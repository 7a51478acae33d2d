// Zoom modes, zoom limits, the zoom box's text and its reading.
#include "report/preview/zoom_rules.h"

#include "base/number_text.h"
#include "base/rounding.h"

#include <algorithm>

namespace rq::report::preview {

namespace {

constexpr int kWheelPixels = 20;

} // namespace

double LimitZoom(double zoom) {
    return zoom < kMinZoom ? kMinZoom : zoom;
}

double ZoomForMode(model::TfrxZoomMode mode, double current, int pageWidth, int pageHeight,
                   int clientWidth, int clientHeight) {
    switch (mode) {
    case model::zmWholePage:
        return pageHeight > 0 ? (clientHeight - 20.0) / pageHeight : current;
    case model::zmPageWidth:
        return pageWidth > 0 ? (clientWidth - 20.0) / pageWidth : current;
    case model::zmManyPages:
        return pageWidth > 0 ? (clientWidth - 32.0) / (2.0 * pageWidth) : current;
    case model::zmDefault:
        break;
    }
    return current;
}

std::string ZoomText(double zoom) {
    return base::intToStr(base::roundToInt(zoom * 100)) + "%";
}

std::optional<double> ParseZoomText(std::string_view text) {
    std::string cleaned;
    for (const char c : text) {
        if (c != '%' && c != ' ')
            cleaned += c;
    }
    if (cleaned.empty())
        return std::nullopt;
    std::string number = cleaned;
    std::replace(number.begin(), number.end(), ',', '.');
    base::FormatSettings settings = base::formatSettings();
    settings.DecimalSeparator = '.';
    double value = 0;
    if (!base::tryStrToFloat(number, value, settings))
        base::raiseInvalidFloat(cleaned);
    return value / 100;
}

int WheelScrollStep(int delta) {
    if (delta > 0)
        return -kWheelPixels;
    return delta < 0 ? kWheelPixels : 0;
}

} // namespace rq::report::preview
