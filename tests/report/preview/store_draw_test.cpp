// The store's DrawPage and TrackPointer: the page's margins added to the
// paper corner (exchanged on odd pages with mirrored margins, and put back),
// views outside the canvas's clip and non-printable views on printers left
// out, the page count handed to text views, and the pointer's hit, status
// text, cursor and click actions.
#include "../render/draw_fixture.h"
#include "store_fixture.h"

#include "base/exceptions.h"
#include "base/rounding.h"
#include "report/model/line_view.h"
#include "report/render/draw_text.h"

namespace rq::report::preview::test {
namespace {

using render::testing::DrawRecording;

constexpr Extended kPpm = PixelsPerMillimetre;

// A canvas that records the lines it is given and sees only its clip rect.
class ClippedCanvas : public render::testing::FakeCanvas {
public:
    explicit ClippedCanvas(render::Rect clip) : clip_(clip) {}
    void line(render::Point from, render::Point) override { starts.push_back(from); }
    bool rectVisible(const render::Rect& r) const override {
        return r.left < clip_.right && clip_.left < r.right && r.top < clip_.bottom &&
               clip_.top < r.bottom;
    }
    std::vector<render::Point> starts;

private:
    render::Rect clip_;
};

class StoreDraw : public StoreTest {
protected:
    static void SetUpTestSuite() {
        render::setMeasuringCanvasFactory(
            [] { return std::make_unique<render::testing::FakeCanvas>(96); });
    }
    StoreDraw() {
        page->SetLeftMargin(10);
        page->SetRightMargin(30);
        page->SetTopMargin(20);
        line = page->CreateChild<TfrxLineView>();
        line->SetName("Line1");
        line->SetBounds(0, 0, 100, 0);
        registerPages();
        store.BeginPass();
    }
    void preparePages(int n, std::vector<TfrxComponent*> objects) {
        engine.running = true;
        for (int i = 0; i < n; ++i) {
            store.AddPage(*page);
            for (auto* object : objects)
                store.AddObject(*object);
        }
        store.Finish();
        engine.running = false;
    }

    TfrxLineView* line = nullptr;
};

TEST_F(StoreDraw, EmptyStoreDrawsNothing) {
    DrawRecording rec;
    store.DrawPage(0, rec.canvas, 1, 1, 0, 0);
    EXPECT_TRUE(rec.canvas.commands().empty());
}

TEST_F(StoreDraw, PageMarginsAreAddedToThePaperCorner) {
    preparePages(1, {line});
    DrawRecording rec;
    store.DrawPage(0, rec.canvas, 2, 3, 5, 7);
    const auto strokes = rec.strokes();
    ASSERT_EQ(strokes.size(), 1u);
    // x: 5 + 10 mm at scale 2 = 80.59; y: 7 + 20 mm at scale 3 = 233.77
    EXPECT_EQ(strokes[0].from, (render::Point{81, 234}));
    EXPECT_EQ(strokes[0].to, (render::Point{281, 234}));
}

TEST_F(StoreDraw, MirroredMarginsExchangeLeftAndRightOnOddPagesOnly) {
    page->SetMirrorMargins(true);
    store.Clear();
    registerPages();
    store.BeginPass();
    preparePages(3, {line});
    const std::vector<int> expectedX = {base::roundToInt(10 * kPpm), base::roundToInt(30 * kPpm),
                                        base::roundToInt(10 * kPpm)};
    for (int index = 0; index < 3; ++index) {
        DrawRecording rec;
        store.DrawPage(index, rec.canvas, 1, 1, 0, 0);
        ASSERT_EQ(rec.strokes().size(), 1u);
        EXPECT_EQ(rec.strokes()[0].from.x, expectedX[index]) << index;
        EXPECT_DOUBLE_EQ(store.GetPage(index)->LeftMargin(), 10) << index;
        EXPECT_DOUBLE_EQ(store.GetPage(index)->RightMargin(), 30) << index;
    }
}

TEST_F(StoreDraw, NonPrintableViewsAreLeftOutOnPrintersOnly) {
    line->SetPrintable(false);
    preparePages(1, {line});
    DrawRecording screen(96, false), printer(600, true);
    store.DrawPage(0, screen.canvas, 1, 1, 0, 0);
    store.DrawPage(0, printer.canvas, 6.25, 6.25, 0, 0);
    EXPECT_EQ(screen.strokes().size(), 1u);
    EXPECT_TRUE(printer.strokes().empty());
}

TEST_F(StoreDraw, ViewsWhoseGrownBoxMissesTheClipAreLeftOut) {
    auto* far = page->CreateChild<TfrxLineView>();
    far->SetName("Line2");
    far->SetBounds(0, 500, 100, 0);
    store.Clear();
    registerPages();
    store.BeginPass();
    preparePages(1, {line, far});
    // Line1 at y = 76 (20 mm), Line2 at 576; the clip ends 20 pixels short
    // of Line2 less one, so only its grown box could reach it.
    ClippedCanvas near({0, 0, 800, 555});
    store.DrawPage(0, near, 1, 1, 0, 0);
    ASSERT_EQ(near.starts.size(), 1u);
    EXPECT_EQ(near.starts[0].y, 76);
    ClippedCanvas reaching({0, 0, 800, 557});
    store.DrawPage(0, reaching, 1, 1, 0, 0);
    EXPECT_EQ(reaching.starts.size(), 2u);
}

TEST_F(StoreDraw, TextViewsDrawTheStoresPageCount) {
    TfrxMemoView* memo = addMemo(*page, "Memo1", 0, 0, "Page of [TOTALPAGES#]");
    store.Clear();
    registerPages();
    store.BeginPass();
    preparePages(2, {memo});
    DrawRecording rec;
    store.DrawPage(1, rec.canvas, 1, 1, 0, 0);
    const auto runs = rec.canvas.textRuns();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0]->text, "Page of 2");
}

class StorePointer : public StoreDraw {
protected:
    StorePointer() {
        below = addMemo(*page, "Below", 0, 0);
        below->SetURL("http://example.org/");
        top = addMemo(*page, "Top", 50, 0);
        top->SetCursor(-19);
        store.Clear();
        registerPages();
        store.BeginPass();
        preparePages(2, {below, top});
        store.AddAnchor("Section", 12.5); // on the current page, index 1
        store.PointerActions.ShowPage = [this](int n) {
            log.push_back("page " + std::to_string(n));
        };
        store.PointerActions.ScrollTo = [this](int n, double t) {
            log.push_back("scroll " + std::to_string(n) + " " + std::to_string(int(t * 10)));
        };
        store.PointerActions.OpenURL = [this](const std::string& url) {
            log.push_back("open " + url);
        };
        store.PointerActions.OnClickObject = [this](TfrxView& v, TMouseButton, TShiftState, bool&) {
            log.push_back("click " + v.Name());
        };
        store.PointerActions.OnMouseOverObject = [this](TfrxView& v) {
            log.push_back("over " + v.Name());
        };
        store.OnStatusText = [this] { log.push_back("status " + store.StatusText); };
    }
    // The pointer at report pixel (x, y) of the printable area at zoom 2.
    std::int32_t track(double x, double y, bool click) {
        std::int32_t cursor = 0;
        store.TrackPointer(1, static_cast<int>((10 * kPpm + x) * 2 + 3),
                           static_cast<int>((20 * kPpm + y) * 2 + 4), click, TMouseButton::mbLeft,
                           0, 2, 3, 4, cursor);
        return cursor;
    }

    TfrxMemoView* below = nullptr;
    TfrxMemoView* top = nullptr;
    std::vector<std::string> log;
};

TEST_F(StorePointer, LinkShowsInTheStatusWithTheHandCursor) {
    EXPECT_EQ(track(20, 10, false), -21);
    const std::vector<std::string> expected = {"status ", "status http://example.org/",
                                               "over Below"};
    EXPECT_EQ(log, expected);
}

TEST_F(StorePointer, TopmostViewWinsAndGivesItsOwnCursor) {
    EXPECT_EQ(track(60, 10, false), -19); // Top lies over Below from x = 50
    const std::vector<std::string> expected = {"status ", "over Top"};
    EXPECT_EQ(log, expected);
    log.clear();
    EXPECT_EQ(track(300, 10, false), 0); // over nothing
    EXPECT_EQ(log, std::vector<std::string>{"status "});
}

TEST_F(StorePointer, ClickFollowsTheLinkThenTellsTheReport) {
    struct Case {
        const char* url;
        std::string action;
    };
    for (const Case& c : {Case{"@2", "page 2"}, Case{"#section", "scroll 2 125"},
                          Case{"mailto:x@example.org", "open mailto:x@example.org"}}) {
        dynamic_cast<TfrxView*>(store.GetPage(1)->ObjectByName("Below"))->SetURL(c.url);
        log.clear();
        track(20, 10, true);
        ASSERT_EQ(log.size(), 4u) << c.url;
        EXPECT_EQ(log[2], c.action);
        EXPECT_EQ(log[3], "click Below");
    }
}

TEST_F(StorePointer, PageLinkThatIsNoNumberRaisesTheConversionError) {
    dynamic_cast<TfrxView*>(store.GetPage(1)->ObjectByName("Below"))->SetURL("@two");
    try {
        track(20, 10, true);
        FAIL() << "no error";
    } catch (const base::EConvertError& error) {
        EXPECT_EQ(std::string(error.what()), "'two' is not a valid integer value");
    }
}

TEST_F(StorePointer, NothingWhileTheEngineRunsOrOffThePages) {
    engine.running = true;
    EXPECT_EQ(track(20, 10, false), 0);
    engine.running = false;
    std::int32_t cursor = 5;
    store.TrackPointer(7, 0, 0, false, TMouseButton::mbLeft, 0, 1, 0, 0, cursor);
    EXPECT_EQ(cursor, 5);
    EXPECT_TRUE(log.empty());
}

} // namespace
} // namespace rq::report::preview::test
