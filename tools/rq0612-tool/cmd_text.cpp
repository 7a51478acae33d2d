// rq0612-tool text: lays out standard input as a memo's text box and prints
// the wrapped lines with their paragraph flags, then the height, width and
// line pitch the layout reports; optionally draws the box into a PNG.
#ifdef RQ_TOOL_HAS_GUI

#include "base/rounding.h"
#include "command.h"

#include "base/text1250.h"
#include "report/render/draw_text.h"
#include "report/render/qt/qt_canvas.h"
#include "report/render/rounding.h"

#include <QGuiApplication>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>

namespace rq::tool {
namespace {

using namespace rq::report::render;

constexpr std::string_view kName = "text";

struct TextOptions {
    std::string font = "Tahoma";
    long double height = 15; // character height, pixels at 96 per inch
    FontStyles style = 0;
    long double width = 600;
    long double boxHeight = 1000;
    bool tags = false;
    HAlign hAlign = HAlign::haLeft;
    VAlign vAlign = VAlign::vaTop;
    long double rotation = 0;
    long double lineSpacing = 2;
    long double charSpacing = 0;
    long double gap = 0;
    bool wordBreak = false;
    long double scale = 1;
    std::string png;
};

// A number option: finite and small enough to become whole device pixels;
// whether the layout can use it is the layout's to say.
std::optional<long double> number(const std::string& text) {
    char* end = nullptr;
    const long double value = std::strtold(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(std::fabs(value) <= 2147483647.0L))
        return std::nullopt;
    return value;
}

template <typename E, std::size_t N>
std::optional<E> choice(const std::string& text, const std::pair<std::string_view, E> (&names)[N]) {
    for (const auto& [name, value] : names)
        if (name == text)
            return value;
    return std::nullopt;
}

constexpr std::pair<std::string_view, HAlign> kHAligns[] = {{"left", HAlign::haLeft},
                                                            {"right", HAlign::haRight},
                                                            {"center", HAlign::haCenter},
                                                            {"block", HAlign::haBlock}};
constexpr std::pair<std::string_view, VAlign> kVAligns[] = {
    {"top", VAlign::vaTop}, {"center", VAlign::vaCenter}, {"bottom", VAlign::vaBottom}};

std::optional<FontStyles> styleLetters(const std::string& text) {
    FontStyles style = 0;
    for (char c : text) {
        if (c == 'b')
            style |= fsBold;
        else if (c == 'i')
            style |= fsItalic;
        else if (c == 'u')
            style |= fsUnderline;
        else
            return std::nullopt;
    }
    return style;
}

struct NumberOption {
    std::string_view name;
    long double TextOptions::*member;
};

constexpr NumberOption kNumbers[] = {
    {"--height", &TextOptions::height},
    {"--width", &TextOptions::width},
    {"--height-box", &TextOptions::boxHeight},
    {"--rotation", &TextOptions::rotation},
    {"--line-spacing", &TextOptions::lineSpacing},
    {"--char-spacing", &TextOptions::charSpacing},
    {"--gap", &TextOptions::gap},
    {"--scale", &TextOptions::scale},
};

// Applies one option that takes a value; false when the value is malformed.
bool valueOption(TextOptions& o, std::string_view name, const std::string& value) {
    for (const auto& option : kNumbers)
        if (option.name == name) {
            const auto parsed = number(value);
            if (parsed)
                o.*option.member = *parsed;
            return parsed.has_value();
        }
    if (name == "--font")
        o.font = base::utf8ToCp1250(value);
    else if (name == "--png")
        o.png = value;
    else if (name == "--style")
        return styleLetters(value) ? (o.style = *styleLetters(value), true) : false;
    else if (name == "--halign")
        return choice(value, kHAligns) ? (o.hAlign = *choice(value, kHAligns), true) : false;
    else if (name == "--valign")
        return choice(value, kVAligns) ? (o.vAlign = *choice(value, kVAligns), true) : false;
    else
        return false;
    return true;
}

bool parse(const Args& args, TextOptions& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--tags") {
            o.tags = true;
        } else if (arg == "--wordbreak") {
            o.wordBreak = true;
        } else if (i + 1 < args.size() && valueOption(o, arg, args[i + 1])) {
            ++i;
        } else {
            usageError(kName, "bad option or value: " + arg);
            return false;
        }
    }
    if (o.scale <= 0) {
        usageError(kName, "--scale must be positive");
        return false;
    }
    return true;
}

std::vector<std::string> readLines() {
    const std::string input((std::istreambuf_iterator<char>(std::cin)),
                            std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string::npos)
            end = input.size();
        std::string line = input.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(base::utf8ToCp1250(line));
        start = end + 1;
    }
    return lines;
}

std::string numberText(long double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.10Lg", value);
    return text;
}

int runText(const Args& args) {
    TextOptions o;
    if (!parse(args, o))
        return 64;
    // The layout measures with the platform's fonts even without a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int argc = 1;
    char name[] = "rq0612-tool";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    report::render::qt::initQtRendering();

    CanvasFont font;
    font.name = o.font;
    font.height = -rq::base::roundToInt(o.height);
    font.style = o.style;
    const Rect box{0, 0, rq::base::roundToInt(o.width), rq::base::roundToInt(o.boxHeight)};
    const Rect device{0, 0, rq::base::roundToInt(o.width * o.scale),
                      rq::base::roundToInt(o.boxHeight * o.scale)};
    auto text = std::make_unique<TfrxDrawText>(report::render::qt::newScreenMeasuringCanvas());
    text->Acquire();
    text->UseFont(font);
    text->SetLayoutOptions(true, o.tags, rq::base::roundToInt(o.rotation), o.wordBreak, false);
    text->SetSpacing(o.gap, o.charSpacing, o.lineSpacing);
    text->SetBounds(o.scale, o.scale, box, device);
    text->SetLines(readLines());
    for (const auto& line : text->wrappedLines())
        std::cout << line.flags << '\t' << base::cp1250ToUtf8(line.text) << '\n';
    std::cout << "height=" << numberText(text->LinesHeight()) << '\n'
              << "width=" << numberText(text->LinesWidth()) << '\n'
              << "pitch=" << numberText(text->LinePitch()) << '\n';
    if (!o.png.empty()) {
        report::render::qt::QtImageCanvas canvas({device.right + 1, device.bottom + 1});
        text->DrawLines(canvas, o.hAlign, o.vAlign);
        if (!canvas.image().save(QString::fromStdString(o.png), "PNG")) {
            std::cerr << "rq0612-tool text: cannot write " << o.png << '\n';
            text->Release();
            return 1;
        }
    }
    text->Release();
    return 0;
}

const ToolCommand kText(
    {kName,
     "[--font FACE] [--height PX] [--style biu] [--width PX] [--height-box PX] [--tags] "
     "[--halign left|right|center|block] [--valign top|center|bottom] [--rotation DEG] "
     "[--line-spacing PX] [--char-spacing PX] [--gap PX] [--wordbreak] [--scale S] [--png FILE] "
     "< TEXT",
     "lay out standard input as a memo's text box: wrapped lines as FLAGS<TAB>TEXT, then "
     "height=, width= and pitch=",
     runText});

} // namespace
} // namespace rq::tool

#endif
