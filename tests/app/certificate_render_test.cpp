// The filled certificate drawn through the store's DrawPage: the 96 dpi image
// against its golden PNG (pixel for pixel; RQ_REGENERATE_GOLDEN=1 rewrites
// it), every rule line of the 600 dpi page at 6.25 times its 96 dpi place,
// and the same line texts at the same places (divided by the scale) on
// printers of 96 to 1200 dpi; and the gaps inside words of the page as the
// preview draws it at 82%, 100% and 150%.
#include "form1_harness.h"

#include "../support/canvas_trace.h"
#include "../support/golden.h"

#include "base/date_time.h"
#include "base/text1250.h"
#include "report/engine/engine.h"
#include "report/model/line_view.h"
#include "report/model/page.h"
#include "report/preview/preview_pages.h"
#include "report/render/qt/page_output.h"
#include "report/render/qt/qt_canvas.h"
#include "report/render/recording_canvas.h"
#include "widgets/window_system.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace rq::app::testing {
namespace {

using report::render::Canvas;
using report::render::RecordingCanvas;

const char* const kGolden = RQ_TEST_DATA_DIR "/render/certificate_96.png";

class CertificateRender : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        form().Printing.today = [] { return base::encodeDate(2026, 12, 10); };
        form().Printing.processorSignature = [] { return std::string("31415926535"); };
        const std::pair<QLineEdit*, const char*> fields[] = {
            {form().Edit1, "Kov\xE1"
                           "cs \xE9s T\xE1rsa Kft."},
            {form().Edit2, "1051 Budapest, F\xF5 utca 12."},
            {form().Edit3, "Nagy Anna"},
            {form().Edit4, "k\xF6nyvel\xF5"},
            {form().Edit5, "2019. szeptember 1."},
            {form().Edit6, "Kiss Anna"},
            {form().Edit7, "1111 Budapest, K\xF5r\xF6si \xFAt 5."},
            {form().PBNumEdit1, "250\xA0"
                                "000"},
            {form().PBNumEdit2, "12\xA0"
                                "000"},
        };
        for (const auto& [edit, text] : fields)
            edit->setText(widgets::fromAnsi(text));
        ASSERT_TRUE(form().PrepareCertificate());
    }

    report::preview::TfrxPreviewPages& store() const {
        return dynamic_cast<report::preview::TfrxPreviewPages&>(
            report::engine::EngineOf(form().frxReport1)->PreviewPages());
    }
    report::render::qt::PageDrawFn drawPage() const {
        return [this](Canvas& canvas, double scaleX, double scaleY) {
            store().DrawPage(0, canvas, scaleX, scaleY, 0, 0);
        };
    }
    // The page recorded as a printer of that resolution draws it.
    std::unique_ptr<RecordingCanvas> record(int dpi) {
        references_.push_back(std::make_unique<report::render::qt::QtImageCanvas>(
            report::render::Size{1, 1}, dpi, true));
        auto recording = std::make_unique<RecordingCanvas>(*references_.back(),
                                                           report::render::Size{20000, 20000});
        drawPage()(*recording, dpi / 96.0, dpi / 96.0);
        return recording;
    }

private:
    std::vector<std::unique_ptr<report::render::qt::QtImageCanvas>> references_;
};

TEST_F(CertificateRender, ImageAt96DpiMatchesTheGoldenPicturePixelForPixel) {
    const QImage image = report::render::qt::renderImage({210, 297}, 96, true, drawPage())
                             .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(794, 1123));
    if (rq::testing::regeneratingGolden()) {
        ASSERT_TRUE(image.save(kGolden, "PNG"));
        GTEST_SKIP() << "golden picture rewritten";
    }
    const QImage golden = QImage(kGolden).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(golden.size(), image.size()) << kGolden;
    int differing = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            differing += image.pixel(x, y) != golden.pixel(x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_TRUE(store().Pictures().Problems().empty());
}

// The prepared page as the store saves it, and the commands that draw it on
// a 600 dpi printer: a change to either shows as a readable difference.
TEST_F(CertificateRender, PreparedPageAndItsDrawingMatchTheGoldenFiles) {
    std::ostringstream ppg;
    store().SaveToStream(ppg);
    EXPECT_TRUE(rq::testing::matchesGolden("certificate/certificate.ppg", ppg.str()));
    EXPECT_TRUE(rq::testing::matchesGolden("certificate/drawing_600dpi.txt",
                                           rq::testing::canvasTrace(*record(600))));
}

// Horizontal or vertical strokes of the page, in drawing order.
std::vector<std::pair<QPoint, QPoint>> ruleStrokes(const RecordingCanvas& canvas) {
    std::vector<std::pair<QPoint, QPoint>> strokes;
    for (const auto& command : canvas.commands()) {
        const auto* shape = std::get_if<RecordingCanvas::Shape>(&command);
        if (!shape || shape->kind != RecordingCanvas::Shape::Kind::line)
            continue;
        const auto& p = shape->points;
        if (p[0].x == p[1].x || p[0].y == p[1].y)
            strokes.emplace_back(QPoint(p[0].x, p[0].y), QPoint(p[1].x, p[1].y));
    }
    return strokes;
}

bool near(const QPoint& device, double x, double y) {
    return std::abs(device.x() - x) <= 1 && std::abs(device.y() - y) <= 1;
}

// Each line view's edge at 600 dpi lies within one device pixel of 6.25
// times its place in report pixels (the 96 dpi units), margins included.
TEST_F(CertificateRender, RuleLinesAt600DpiLieAtTheirScaled96DpiPlaces) {
    const auto strokes = ruleStrokes(*record(600));
    auto* page = store().GetPage(0);
    const double left = page->LeftMargin() * report::model::PixelsPerMillimetre;
    const double top = page->TopMargin() * report::model::PixelsPerMillimetre;
    int lines = 0;
    for (auto* object : page->AllObjects()) {
        const auto* line = dynamic_cast<report::model::TfrxLineView*>(object);
        if (!line)
            continue;
        ++lines;
        const double x = (left + line->AbsLeft()) * 6.25, y = (top + line->AbsTop()) * 6.25;
        const double x1 = x + line->Width() * 6.25, y1 = y + line->Height() * 6.25;
        bool found = false;
        for (const auto& [from, to] : strokes)
            found = found || (near(from, x, y) && near(to, x1, y1));
        EXPECT_TRUE(found) << line->Name() << " at (" << x << ", " << y << ") - (" << x1 << ", "
                           << y1 << ")";
    }
    EXPECT_EQ(lines, 6);
}

struct TextPlace {
    std::string text;
    double x, y; // device position divided by the scale
};

// The drawn lines: consecutive runs on one baseline row make one line, with
// the joined text at the first run's place divided by the scale.
std::vector<TextPlace> textLines(const RecordingCanvas& canvas, double scale) {
    std::vector<TextPlace> lines;
    int row = 0;
    for (const auto* run : canvas.textRuns()) {
        if (!lines.empty() && run->at.y == row && run->at.x / scale >= lines.back().x) {
            lines.back().text += run->text;
            continue;
        }
        row = run->at.y;
        lines.push_back({run->text, run->at.x / scale, run->at.y / scale});
    }
    return lines;
}

// Line breaks are the same everywhere, and each device starts a line within
// two of its own pixels of where the finest device (1200 dpi) starts it: the
// whole-pixel line steps leave that much, and no more, on a coarse device.
// (Inside a justified line the runs after a stretched space move by the
// device's whole-pixel share of the stretch, so only line starts compare.)
TEST_F(CertificateRender, TextRunsAreTheSameAtEveryPrinterResolution) {
    const double finest = 1200 / 96.0;
    const std::vector<TextPlace> reference = textLines(*record(1200), finest);
    ASSERT_GT(reference.size(), 15u);
    for (int dpi : {96, 150, 300, 600}) {
        const double scale = dpi / 96.0;
        const double tolerance = 2 / scale + 2 / finest;
        const std::vector<TextPlace> runs = textLines(*record(dpi), scale);
        ASSERT_EQ(runs.size(), reference.size()) << dpi << " dpi";
        double worst = 0;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            EXPECT_EQ(runs[i].text, reference[i].text) << dpi << " dpi, line " << i;
            EXPECT_NEAR(runs[i].x, reference[i].x, tolerance) << dpi << " dpi, line " << i;
            EXPECT_NEAR(runs[i].y, reference[i].y, tolerance) << dpi << " dpi, line " << i;
            worst = std::max({worst, std::abs(runs[i].x - reference[i].x),
                              std::abs(runs[i].y - reference[i].y)});
        }
        RecordProperty("worst_at_" + std::to_string(dpi), std::to_string(worst));
    }
}

// A screen canvas that keeps every text run it draws with its characters'
// edges (whole-pixel advances or placed fractionally) and its cell height.
class RunKeepingCanvas : public report::render::qt::QtImageCanvas {
public:
    struct Run {
        std::string text;
        report::render::Point at;
        std::vector<double> edges; // text.size() + 1, device pixels from at
        int cellHeight = 0;
    };
    explicit RunKeepingCanvas(report::render::Size size) : QtImageCanvas(size) {}

    void textOut(report::render::Point at, unsigned options, const report::render::Rect& clip,
                 std::string_view text, std::span<const int> advances) override {
        std::vector<double> edges(text.size() + 1);
        for (std::size_t i = 0; i < text.size(); ++i)
            edges[i + 1] = edges[i] + (i < advances.size() ? advances[i] : 0);
        keep(at, text, edges);
        QtImageCanvas::textOut(at, options, clip, text, advances);
    }
    void textOutPlaced(report::render::Point at, unsigned options, const report::render::Rect& clip,
                       std::string_view text, std::span<const double> edges,
                       double glyphScale) override {
        keep(at, text, std::vector<double>(edges.begin(), edges.end()));
        QtImageCanvas::textOutPlaced(at, options, clip, text, edges, glyphScale);
    }
    std::vector<Run> runs;

private:
    void keep(report::render::Point at, std::string_view text, std::vector<double> edges) {
        runs.push_back({std::string(text), at, std::move(edges), textExtent(text).cy});
    }
};

struct WordGap {
    std::string word; // Windows-1250
    double gap;       // pixels; -1 without ink
};

// A column at least this white is background between letters; a paler one
// still shows a letter's stroke (a thin stem placed across two columns lights
// both of them up).
constexpr double kBackground = 0.75;

// How much of a pixel column of the word's cell is background: 1 when the
// whole column is white, 0 when some pixel of it is black; antialiased edges
// count by their coverage.
double whiteness(const QImage& image, int x, int top, int bottom) {
    int lightest = 255;
    for (int y = std::max(0, top); y < std::min(image.height(), bottom); ++y)
        lightest = std::min(lightest, qGray(image.pixel(x, y)));
    return lightest / 255.0;
}

// The widest gap between the first and the last inked column, in pixels
// with their fractions: a run of background columns, each counting by its
// whiteness, the partly inked columns on either side included; -1 without
// ink.
double widestGap(const std::vector<double>& w) {
    const auto inked = [](double v) { return v < kBackground; };
    const auto first = std::find_if(w.begin(), w.end(), inked);
    if (first == w.end())
        return -1;
    const auto last = std::find_if(w.rbegin(), w.rend(), inked);
    const auto lo = static_cast<std::size_t>(first - w.begin());
    const std::size_t hi = w.size() - 1 - static_cast<std::size_t>(last - w.rbegin());
    double widest = 0;
    for (std::size_t i = lo; i <= hi;) {
        if (inked(w[i])) {
            ++i;
            continue;
        }
        double sum = w[i - 1];
        while (!inked(w[i]))
            sum += w[i++];
        widest = std::max(widest, sum + w[i]);
    }
    return widest;
}

// The widest gap between letters of each word (a maximal run of characters
// other than blanks) of every text run.
std::vector<WordGap> wordGaps(const RunKeepingCanvas& canvas) {
    const QImage& image = canvas.image();
    std::vector<WordGap> gaps;
    for (const auto& run : canvas.runs) {
        const std::string& t = run.text;
        const auto blank = [&t](std::size_t i) { return t[i] == ' ' || t[i] == '\xA0'; };
        for (std::size_t a = 0; a < t.size();) {
            if (blank(a)) {
                ++a;
                continue;
            }
            std::size_t b = a;
            while (b < t.size() && !blank(b))
                ++b;
            const int from = std::max(0, static_cast<int>(std::floor(run.at.x + run.edges[a])));
            const int to =
                std::min(image.width(), static_cast<int>(std::ceil(run.at.x + run.edges[b])));
            std::vector<double> w;
            for (int x = from; x < to; ++x)
                w.push_back(whiteness(image, x, run.at.y, run.at.y + run.cellHeight));
            gaps.push_back({t.substr(a, b - a), widestGap(w)});
            a = b;
        }
    }
    return gaps;
}

// Inside a word the preview leaves no wider gap between letters at any zoom
// than the zoomed gap at 100% and one device pixel: letters are placed where
// the layout puts them, not pushed apart by whole-pixel corrections (which
// opened gaps of two and three pixels, "Önkorm ányzata"). The lines break
// alike at every zoom.
TEST_F(CertificateRender, GapsInsideWordsFollowTheZoom) {
    const auto drawAt = [this](double zoom) {
        RunKeepingCanvas canvas(report::render::qt::pagePixels({210, 297}, zoom));
        drawPage()(canvas, zoom, zoom);
        return wordGaps(canvas);
    };
    const std::vector<WordGap> actual = drawAt(1.0);
    ASSERT_GT(actual.size(), 40u);
    for (const double zoom : {0.82, 1.5}) {
        SCOPED_TRACE(zoom);
        const std::vector<WordGap> zoomed = drawAt(zoom);
        ASSERT_EQ(zoomed.size(), actual.size()) << "the words differ: the lines broke elsewhere";
        int measured = 0;
        for (std::size_t i = 0; i < actual.size(); ++i) {
            ASSERT_EQ(zoomed[i].word, actual[i].word);
            if (actual[i].gap < 0 || zoomed[i].gap < 0)
                continue;
            ++measured;
            EXPECT_LE(zoomed[i].gap, actual[i].gap * zoom + 1)
                << "\"" << base::cp1250ToUtf8(actual[i].word) << "\" has a gap of " << zoomed[i].gap
                << " pixels, " << actual[i].gap << " at 100%";
        }
        EXPECT_GT(measured, 30);
    }
}

} // namespace
} // namespace rq::app::testing
