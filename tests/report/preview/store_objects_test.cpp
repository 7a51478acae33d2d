// Writing objects: what an element holds in each pass, invisible objects,
// subreports, cutting and pasting, bands on the page and passes.
#include "store_fixture.h"

#include "report/model/serializer.h"

namespace rq::report::preview::test {
namespace {

// Band kinds the model does not define; the store knows them by class name.
template <class Base> class Named : public Base {
public:
    explicit Named(const ClassInfo& info) : info_(info) {}
    const ClassInfo& ClassType() const override { return info_; }

private:
    const ClassInfo& info_;
};

#define RQ_TEST_CLASS(Name, Base)                                                                  \
    class Name : public Named<Base> {                                                              \
    public:                                                                                        \
        static const ClassInfo& StaticClass() {                                                    \
            static const ClassInfo info(#Name, &Base::StaticClass(), {}, &createComponent<Name>);  \
            return info;                                                                           \
        }                                                                                          \
        Name() : Named<Base>(StaticClass()) {}                                                     \
    };

RQ_TEST_CLASS(TfrxPageFooter, TfrxBand)
RQ_TEST_CLASS(TfrxColumnFooter, TfrxBand)
RQ_TEST_CLASS(TfrxSubreport, TfrxView)
#undef RQ_TEST_CLASS

void registerTestClasses() {
    RegisterClass(TfrxPageFooter::StaticClass());
    RegisterClass(TfrxColumnFooter::StaticClass());
    RegisterClass(TfrxSubreport::StaticClass());
}

class ObjectsTest : public StoreTest {
protected:
    ObjectsTest() {
        registerTestClasses();
        memo = addMemo(*page, "Memo1", 10, 20, "Hello");
        band = page->CreateChild<TfrxNullBand>();
        band->SetName("Band1");
        band->SetBounds(0, 0, 700, 40);
        inner = addMemo(*band, "Memo2", 1, 2, "Inner");
    }

    void start() {
        registerPages();
        store.BeginPass();
        store.AddPage(*page);
    }

    std::string text(int index) const { return pageElement(0).Items(index).Text(); }

    TfrxMemoView* memo = nullptr;
    TfrxNullBand* band = nullptr;
    TfrxMemoView* inner = nullptr;
};

TEST_F(ObjectsTest, FirstPassWritesTheShortDifferenceOnly) {
    engine.finalPass = false;
    start();
    memo->SetLeft(15.5);
    memo->SetText("Changed");
    store.AddObject(*memo);
    store.AddObject(*band);
    EXPECT_EQ(childNames(pageElement(0)), (std::vector<std::string>{"m1", "b1"}));
    EXPECT_EQ(text(0), " l=\"15.5\"");
    // Bands always carry their top.
    EXPECT_EQ(text(1), " t=\"0\"");
    EXPECT_EQ(childNames(pageElement(0).Items(1)), (std::vector<std::string>{"m2"}));
    EXPECT_EQ(pageElement(0).Items(1).Items(0).Text(), "");
}

TEST_F(ObjectsTest, FinalPassWritesTheClassDifference) {
    start();
    memo->SetLeft(15.5);
    memo->SetText("Changed");
    store.AddObject(*memo);
    EXPECT_EQ(text(0), DiffAttributes(*memo, *memo->SourceLink()));
    EXPECT_EQ(text(0), " l=\"15.5\" x=\"Changed\"");
    const std::int64_t expected = 2 + static_cast<std::int64_t>(text(0).size()) + 52;
    EXPECT_EQ(store.SizeEstimate(), expected);
}

TEST_F(ObjectsTest, InvisibleObjectsAndTheirChildrenAreNotWritten) {
    start();
    memo->SetVisible(false);
    store.AddObject(*memo);
    band->SetVisible(false);
    store.AddObject(*band);
    EXPECT_EQ(store.CurrentObjectCount(), 0);
    band->SetVisible(true);
    inner->SetVisible(false);
    store.AddObject(*band);
    EXPECT_EQ(childNames(pageElement(0)), (std::vector<std::string>{"b1"}));
    EXPECT_EQ(pageElement(0).Items(0).Count(), 0);
}

TEST_F(ObjectsTest, ObjectsWithoutSourceAreWrittenByClassWithAllAttributes) {
    start();
    TfrxMemoView loose;
    loose.SetBounds(1, 2, 3, 4);
    loose.SetText("Loose");
    store.AddObject(loose);
    EXPECT_EQ(pageElement(0).Items(0).Name(), "TfrxMemoView");
    EXPECT_EQ(text(0), TfrxXMLSerializer().ObjAttributes(loose));
}

TEST_F(ObjectsTest, SubreportChildrenGoIntoTheParentElement) {
    auto* sub = page->CreateChild<TfrxSubreport>();
    sub->SetName("Subreport1");
    addMemo(*sub, "Memo3", 0, 0);
    start();
    store.AddObject(*sub);
    EXPECT_EQ(childNames(pageElement(0)), (std::vector<std::string>{"m3"}));
}

TEST_F(ObjectsTest, WritingWithoutACurrentPageFails) {
    registerPages();
    EXPECT_THROW(store.AddObject(*memo), base::EListError);
}

// A page holding four elements m1..m4 with the given attribute texts.
class CutPasteTest : public ObjectsTest {
protected:
    void fill(const std::vector<std::string>& texts) {
        start();
        auto& pageItem = const_cast<TfrxXMLItem&>(pageElement(0));
        for (const std::string& t : texts) {
            TfrxXMLItem& item = pageItem.Add();
            item.SetName("e" + std::to_string(pageItem.Count()));
            item.SetText(t);
        }
    }
};

TEST_F(CutPasteTest, PasteShiftsByTheFirstElementAndTreatsMissingAsZero) {
    fill({" l=\"1\" t=\"1\"", " l=\"10\" t=\"20\"", " x=\"a\"", " t=\"5,5\""});
    store.CutObjects(1);
    EXPECT_EQ(store.CurrentObjectCount(), 1);
    EXPECT_EQ(rootChild("cutted").Count(), 3);
    store.PasteObjects(100, 50);
    EXPECT_EQ(childNames(pageElement(0)), (std::vector<std::string>{"e1", "e2", "e3", "e4"}));
    EXPECT_EQ(text(1), " l=\"100\" t=\"50\"");
    EXPECT_EQ(text(2), " x=\"a\" l=\"90\" t=\"30\"");
    EXPECT_EQ(text(3), " t=\"35.5\" l=\"90\"");
    EXPECT_EQ(store.Document().Root().Find("cutted"), -1);
}

TEST_F(CutPasteTest, FirstElementWithoutPositionLandsAtTheTarget) {
    fill({" x=\"a\"", " l=\"4\""});
    store.CutObjects(0);
    store.PasteObjects(7, 8);
    EXPECT_EQ(text(0), " x=\"a\" l=\"7\" t=\"8\"");
    EXPECT_EQ(text(1), " l=\"11\" t=\"8\"");
}

TEST_F(CutPasteTest, CutBeyondTheEndOrNothingToPasteLeavesThePage) {
    fill({" l=\"1\""});
    store.PasteObjects(5, 5);
    store.CutObjects(3);
    store.PasteObjects(5, 5);
    EXPECT_EQ(text(0), " l=\"1\"");
    store.CutObjects(-2);
    EXPECT_EQ(store.CurrentObjectCount(), 0);
}

TEST_F(ObjectsTest, BandsOnThePageAndTheirBottom) {
    auto* footer = page->CreateChild<TfrxPageFooter>();
    footer->SetName("PageFooter1");
    footer->SetBounds(0, 900, 700, 30);
    auto* other = page->CreateChild<TfrxPageFooter>();
    other->SetName("PageFooter2");
    auto* column = page->CreateChild<TfrxColumnFooter>();
    column->SetName("ColumnFooter1");
    auto* band2 = page->CreateChild<TfrxNullBand>();
    band2->SetName("Band2");
    band2->SetBounds(0, 0, 700, 25);
    start();
    EXPECT_FALSE(store.HasBandOnPage(*band));
    EXPECT_EQ(store.BottomOfBands(), 0);

    band->SetTop(30);
    store.AddObject(*band);
    band2->SetTop(80);
    band2->SetHeight(10);
    store.AddObject(*band2);
    store.AddObject(*footer);
    store.AddObject(*memo);
    EXPECT_TRUE(store.HasBandOnPage(*band));
    EXPECT_FALSE(store.HasBandOnPage(*column));
    // Any page footer counts for another page footer.
    EXPECT_TRUE(store.HasBandOnPage(*other));
    // Band2 ends at 80 + 10 from its element; the footer's 930 is left out.
    EXPECT_EQ(store.BottomOfBands(), 90);
}

TEST_F(ObjectsTest, RewindToAPassThatStartedWithoutPagesKeepsOnlyAnchors) {
    registerPages();
    store.BeginPass();
    store.AddPage(*page);
    store.AddObject(*memo);
    store.AddAnchor("here", 12);
    store.Outline().AddItem("Chapter", 3);
    store.AddPage(*page);
    store.RewindPass();
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(store.CurPage, -1);
    EXPECT_EQ(store.Outline().Count(), 0);
    EXPECT_EQ(store.GetAnchorPage("HERE"), 0);
    EXPECT_EQ(store.GetAnchorTop("here"), 12);
    EXPECT_EQ(store.SizeEstimate(), 0);
    // The outline writes at the root level again.
    store.Outline().AddItem("Again", 0);
    EXPECT_EQ(store.Outline().Count(), 1);
}

TEST_F(ObjectsTest, RewindDropsWhatFollowsTheMark) {
    start();
    store.AddObject(*memo);
    store.AddObject(*band);
    store.BeginPass();
    store.AddObject(*memo);
    store.AddPage(*page);
    store.AddObject(*memo);
    store.AddPage(*page);
    store.RewindPass();
    EXPECT_EQ(store.Count(), 1);
    EXPECT_EQ(store.CurPage, 0);
    EXPECT_EQ(childNames(pageElement(0)), (std::vector<std::string>{"m1", "b1"}));
    // The second pass writes on from there.
    store.AddPage(*page);
    EXPECT_EQ(store.Count(), 2);
}

TEST_F(ObjectsTest, AnchorsAnswerTheLastMatch) {
    start();
    store.AddAnchor("a", 5);
    store.AddPage(*page);
    store.AddAnchor("A", 7.5);
    EXPECT_EQ(store.GetAnchorPage("a"), 1);
    EXPECT_EQ(store.GetAnchorTop("a"), 7.5);
    EXPECT_EQ(store.GetAnchorPage("b"), -1);
    EXPECT_EQ(store.GetAnchorTop("b"), 0);
}

TEST_F(ObjectsTest, OutlineNestsEntriesUnderTheCurrentLevel) {
    start();
    engine::TfrxCustomOutline& outline = store.Outline();
    outline.AddItem("One", 1);
    outline.AddItem("One.A", 2);
    outline.LevelUp();
    outline.AddItem("One.B", 3);
    outline.LevelRoot();
    outline.AddItem("Two", 4);
    const TfrxXMLItem& root = rootChild("outline");
    ASSERT_EQ(root.Count(), 2);
    EXPECT_EQ(root.Items(0).Count(), 2);
    EXPECT_EQ(root.Items(0).Items(1).Prop("text"), "One.B");
    EXPECT_EQ(root.Items(1).Prop("page"), "0");
    EXPECT_EQ(root.Items(1).Prop("top"), "4");
}

} // namespace
} // namespace rq::report::preview::test
