// rq0612-tool render: the real main window, created offscreen, runs its print
// command as `prepare` does (or its store opens a saved ".ppg" given with
// --ppg), then the prepared page is drawn through the store's DrawPage into
// a PNG image or a one-page PDF. --dpi D draws the PNG
// as a printer of that resolution would (default 96: 794 x 1123 pixels for
// A4), --zoom Z as the preview at that zoom; a PDF is drawn at 600 dpi (or
// --dpi) with its text kept as text. The file appears only when complete.
#ifdef RQ_TOOL_HAS_GUI

#include "certificate_args.h"
#include "command.h"
#include "offscreen_program.h"

#include "base/exceptions.h"
#include "base/text1250.h"
#include "report/engine/engine.h"
#include "report/model/page.h"
#include "report/preview/preview_pages.h"
#include "report/render/qt/page_output.h"

#include <QFileInfo>

#include <charconv>
#include <cmath>
#include <iostream>

namespace rq::tool {
namespace {

constexpr std::string_view kUsage =
    "[--set NAME=VALUE]... [--date YYYY-MM-DD] [--signature "
    "DIGITS] [--ppg FILE] [--dpi D | --zoom Z] [--page N] --out FILE.png|FILE.pdf";

constexpr double kMaxDpi = 1200; // an A4 page at 1200 dpi is already 139 million pixels

enum class Format { png, pdf };

struct RenderArgs {
    CertificateArgs certificate;
    bool certificateGiven = false;
    std::optional<std::string> ppg;
    std::optional<double> dpi, zoom;
    int page = 1; // 1-based
    std::string out;
    Format format = Format::png;
};

std::optional<double> positiveNumber(std::string_view text, double max) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value > 0) || value > max)
        return std::nullopt;
    return value;
}

std::optional<Format> formatOf(const std::string& path) {
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return Format::png;
    if (suffix == QLatin1String("pdf"))
        return Format::pdf;
    return std::nullopt;
}

// The option at args[i] with its value (render's own options).
std::optional<std::string> takeRenderOption(const Args& args, std::size_t& i, RenderArgs& out) {
    const std::string& option = args[i];
    if (option != "--dpi" && option != "--zoom" && option != "--page" && option != "--out" &&
        option != "--ppg")
        return "unknown option " + option;
    if (i + 1 >= args.size())
        return option + " needs a value";
    const std::string& value = args[++i];
    if (option == "--dpi") {
        out.dpi = positiveNumber(value, kMaxDpi);
        if (!out.dpi)
            return "--dpi expects a resolution above 0 and at most 1200";
    } else if (option == "--zoom") {
        out.zoom = positiveNumber(value, kMaxDpi / 96);
        if (!out.zoom)
            return "--zoom expects a factor above 0 and at most 12.5";
    } else if (option == "--page") {
        out.page = decimalNumber(value);
        if (out.page < 1)
            return "--page expects a page number from 1";
    } else if (option == "--ppg") {
        out.ppg = value;
    } else {
        out.out = value;
    }
    return std::nullopt;
}

std::optional<std::string> parseArgs(const Args& args, RenderArgs& out) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::optional<std::string> error;
        if (takeCertificateOption(args, i, out.certificate, error))
            out.certificateGiven = true;
        else
            error = takeRenderOption(args, i, out);
        if (error)
            return error;
    }
    if (out.out.empty())
        return std::string("usage: render ") + std::string(kUsage);
    const std::optional<Format> format = formatOf(out.out);
    if (!format)
        return "--out must name a .png or a .pdf file";
    out.format = *format;
    if (out.ppg && out.certificateGiven)
        return "--ppg excludes --set, --date and --signature";
    if (out.dpi && out.zoom)
        return "--dpi and --zoom exclude each other";
    if (out.format == Format::pdf && out.zoom)
        return "--zoom applies to PNG output only";
    return std::nullopt;
}

void render(const RenderArgs& args, report::preview::TfrxPreviewPages& store,
            report::model::TfrxReportPage& page) {
    const int index = args.page - 1;
    const report::render::qt::PaperSize paper{page.PaperWidth(), page.PaperHeight()};
    const auto draw = [&](report::render::Canvas& canvas, double scaleX, double scaleY) {
        store.DrawPage(index, canvas, scaleX, scaleY, 0, 0);
    };
    const QString path = QString::fromStdString(args.out);
    if (args.format == Format::pdf) {
        report::render::qt::writePdf(path, paper, draw,
                                     static_cast<int>(std::lround(args.dpi.value_or(600))));
        return;
    }
    const bool printer = !args.zoom;
    const double dpi = args.zoom ? *args.zoom * 96 : args.dpi.value_or(96);
    report::render::qt::writePng(path, report::render::qt::renderImage(paper, dpi, printer, draw));
}

int runRender(const Args& args) {
    RenderArgs parsed;
    if (const auto message = parseArgs(args, parsed))
        return usageError("render", *message);

    OffscreenProgram program;
    auto& store = dynamic_cast<report::preview::TfrxPreviewPages&>(
        report::engine::EngineOf(program.Form1().frxReport1)->PreviewPages());
    if (parsed.ppg) {
        try {
            store.LoadFromFile(*parsed.ppg);
        } catch (const base::Exception& e) {
            std::cerr << "rq0612-tool render: " << base::cp1250ToUtf8(e.message()) << '\n';
            return 1;
        }
    } else if (const int status = runCertificate(program, parsed.certificate, "render")) {
        return status;
    }
    if (parsed.page > store.Count()) {
        std::cerr << "rq0612-tool render: page " << parsed.page
                  << " does not exist (the report has " << store.Count()
                  << (store.Count() == 1 ? " page)\n" : " pages)\n");
        return 1;
    }
    render(parsed, store, *store.GetPage(parsed.page - 1));
    // Pictures that could not be drawn are left as empty frames; say which.
    for (const std::string& problem : store.Pictures().Problems())
        std::cerr << "rq0612-tool render: " << base::cp1250ToUtf8(problem) << '\n';
    return 0;
}

const ToolCommand kRender({"render", kUsage,
                           "run the main window's print command (offscreen) or open a .ppg "
                           "and draw a prepared page into a PNG or PDF file",
                           runRender});

} // namespace
} // namespace rq::tool

#endif
