// rq0612-tool barcode: encodes a text with one of the 23 symbologies and
// prints the bar string and its width in units; optionally draws the symbol
// as a barcode object, black on white with a quiet zone, into a PNG file.
#include "base/rounding.h"
#include "command.h"

#include "base/exceptions.h"
#include "base/text1250.h"
#include "report/barcode/barcode.h"

#ifdef RQ_TOOL_HAS_GUI
#include "report/render/draw_view.h"
#include "report/render/qt/qt_canvas.h"
#include "report/render/rounding.h"

#include <QGuiApplication>
#endif

#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>

namespace rq::tool {
namespace {

using report::barcode::TfrxBarcode;
namespace model = report::model;

constexpr std::string_view kName = "barcode";

struct BarcodeOptions {
    model::TfrxBarcodeType type = model::bcCode39;
    bool checksum = false;
    int rotation = 0; // degrees
    double zoom = 1;  // report pixels per module
    std::string png;  // empty: no drawing
    double scale = 2; // device pixels per report pixel in the PNG
    std::string text; // Windows-1250
};

std::optional<double> number(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0')
        return std::nullopt;
    return value;
}

// Applies an option that takes a value; false when the value is malformed.
bool valueOption(BarcodeOptions& o, const std::string& name, const std::string& value) {
    if (name == "--type") {
        const int type = model::kTfrxBarcodeTypeType.valueOf(value);
        o.type = static_cast<model::TfrxBarcodeType>(type);
        return type >= 0;
    }
    if (name == "--png") {
        o.png = value;
        return true;
    }
    const auto parsed = number(value);
    if (!parsed)
        return false;
    if (name == "--rotation")
        o.rotation = static_cast<int>(*parsed);
    else if (name == "--zoom")
        o.zoom = *parsed;
    else if (name == "--scale")
        o.scale = *parsed;
    else
        return false;
    return *parsed == *parsed && *parsed > -1e6 && *parsed < 1e6;
}

bool parse(const Args& args, BarcodeOptions& o) {
    bool typed = false, text = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            std::string joined;
            for (std::size_t j = i + 1; j < args.size(); ++j)
                joined += (j > i + 1 ? " " : "") + args[j];
            o.text = base::utf8ToCp1250(joined);
            text = true;
            break;
        }
        if (arg == "--checksum") {
            o.checksum = true;
        } else if (i + 1 < args.size() && valueOption(o, arg, args[i + 1])) {
            typed = typed || arg == "--type";
            ++i;
        } else {
            return usageError(kName, "bad option or value: " + arg), false;
        }
    }
    if (!typed || !text)
        return usageError(kName, "needs --type NAME and -- TEXT"), false;
    if (o.scale <= 0 || o.scale > 100)
        return usageError(kName, "--scale must lie in (0, 100]"), false;
    return true;
}

#ifdef RQ_TOOL_HAS_GUI
// Draws the barcode object (60 report pixels across the bars, text shown)
// with a quiet zone of ten modules on every side.
int writePng(const BarcodeOptions& o) {
    using namespace report::render;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int argc = 1;
    char name[] = "rq0612-tool";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    qt::initQtRendering();

    model::TfrxBarCodeView view;
    view.SetBarType(o.type);
    view.SetCalcCheckSum(o.checksum);
    view.SetRotation(o.rotation);
    view.SetZoom(o.zoom);
    view.SetText(o.text);
    view.SetColor(model::clWhite);
    view.SetWidth(60);
    view.SetHeight(60);
    // A first draw on a scratch canvas sizes the object (and settles Zoom).
    qt::QtImageCanvas scratch({1, 1});
    DrawView(view, DrawContext{scratch});
    const double quiet = 10 * view.Zoom();
    view.SetLeft(quiet);
    view.SetTop(quiet);
    // The symbol reaches one module past the object's edge.
    const Size size{rq::base::roundToInt((view.Width() + 2 * quiet + view.Zoom()) * o.scale),
                    rq::base::roundToInt((view.Height() + 2 * quiet + view.Zoom()) * o.scale)};
    if (size.cx > 32767 || size.cy > 32767) {
        std::cerr << "rq0612-tool barcode: the picture would be too large\n";
        return 1;
    }
    qt::QtImageCanvas canvas(size);
    DrawView(view, DrawContext{canvas, o.scale, o.scale, 0, 0});
    if (!canvas.image().save(QString::fromStdString(o.png), "PNG")) {
        std::cerr << "rq0612-tool barcode: cannot write " << o.png << '\n';
        return 1;
    }
    return 0;
}
#endif

int runBarcode(const Args& args) {
    BarcodeOptions o;
    if (!parse(args, o))
        return 64;
    try {
        TfrxBarcode generator;
        generator.SetTyp(o.type);
        generator.SetChecksum(o.checksum);
        generator.SetAngle(o.rotation);
        generator.SetText(o.text);
        const std::string bars = generator.EncodeBars();
        std::cout << bars << '\n' << "width=" << generator.BarsWidth(bars) - 1 << '\n';
#ifdef RQ_TOOL_HAS_GUI
        if (!o.png.empty())
            return writePng(o);
#else
        if (!o.png.empty()) {
            std::cerr << "rq0612-tool barcode: --png needs the build with Qt\n";
            return 1;
        }
#endif
    } catch (const base::Exception& e) {
        std::cerr << base::cp1250ToUtf8(e.what()) << '\n';
        return 1;
    }
    return 0;
}

const ToolCommand kBarcode({kName,
                            "--type NAME [--checksum] [--rotation DEG] [--zoom Z] "
                            "[--png FILE [--scale PX]] -- TEXT",
                            "encode TEXT as a barcode (NAME: bcCode39, bcCodeEAN13, ...): the bar "
                            "string, then width=; --png draws it black on white",
                            runBarcode});

} // namespace
} // namespace rq::tool
