// The field-kind table: the lines each kind gathers, the filter that makes
// continuation lines, and how loaded lines apply, including the bracketed
// indexes of grids and check groups and their conversion failure.
#include "certificate/field_kinds.h"
#include "certificate/saved_form.h"

#include "base/exceptions.h"
#include "crypto/lb_rijndael.h"
#include "saved_form_doubles.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace rq::certificate {
namespace {

using namespace rq::certificate::testing;

std::vector<std::string> linesOf(const LineBuffer& buffer) {
    return buffer.Lines();
}

struct GatherCase {
    const char* name;
    std::function<std::unique_ptr<FormComponent>()> make;
    std::vector<std::string> gathered;
    std::vector<std::string> saved; // file buffer lines after the marker
};

class Gather : public ::testing::TestWithParam<GatherCase> {};

TEST_P(Gather, GathersAndFiltersTheKindsLines) {
    const auto& c = GetParam();
    auto component = c.make();
    FormComponentList components;
    components.Add(*component);
    LineBuffer gather{}, file{};
    rq::crypto::TLbRijndael cipher;
    ScriptedUser user;
    MemoryFileSystem files;
    SavedFormContext context{components, gather, file, cipher, user, files, "/"};
    gatherFields(context);
    EXPECT_EQ(linesOf(gather), c.gathered);
    auto saved = linesOf(file);
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(saved.front(), "v\xEDzimalom");
    saved.erase(saved.begin());
    EXPECT_EQ(saved, c.saved);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Gather,
    ::testing::Values(
        GatherCase{
            "Edit",
            [] { return std::make_unique<FakeText>("E", std::vector<std::string>{"TEdit"}, "v"); },
            {"E_v"},
            {"E_v"}},
        GatherCase{
            "EmptyEditIsDropped",
            [] { return std::make_unique<FakeText>("E", std::vector<std::string>{"TEdit"}); },
            {"E_"},
            {}},
        GatherCase{"LookupEditMatchesItsAncestorsRowToo",
                   [] {
                       return std::make_unique<FakeText>(
                           "L", std::vector<std::string>{"TAdvLUEdit", "TAdvEdit"}, "x");
                   },
                   {"L_x", "L_x"},
                   {"L_x", "L_x"}},
        GatherCase{"MaskEdit",
                   [] {
                       return std::make_unique<FakeText>(
                           "M", std::vector<std::string>{"TLMDMaskEdit"}, "12-34");
                   },
                   {"M_12-34"},
                   {"M_12-34"}},
        GatherCase{"RichEditBreaksIntoContinuations",
                   [] {
                       return std::make_unique<FakeText>("R", std::vector<std::string>{"TRichEdit"},
                                                         "one\r\ntwo\r\n\r\nthree_3");
                   },
                   {"R_one", "two", "", "three_3"},
                   {"R_one", "$R_two", "three_3"}},
        GatherCase{
            "UnknownClassGathersNothing",
            [] { return std::make_unique<FakeText>("P", std::vector<std::string>{"TPanel"}, "v"); },
            {},
            {}},
        GatherCase{"RadioGroupNoneSelected",
                   [] { return std::make_unique<FakeRadioGroup>("G", -1); },
                   {"G_-1"},
                   {"G_-1"}},
        GatherCase{
            "CheckBox", [] { return std::make_unique<FakeCheckBox>("C", true); }, {"C_i"}, {"C_i"}},
        GatherCase{"GridColumnsOuterRowsInnerEmptyCellsToo",
                   [] {
                       auto grid = std::make_unique<FakeGrid>("S", 3, 3);
                       grid->SetCell(0, 1, "heading");
                       grid->SetCell(1, 2, "a");
                       grid->SetCell(2, 1, "b");
                       return grid;
                   },
                   {"S_[1,1]", "S_[1,2]a", "S_[2,1]b", "S_[2,2]"},
                   {"S_[1,1]", "S_[1,2]a", "S_[2,1]b", "S_[2,2]"}},
        GatherCase{"CheckGroup",
                   [] {
                       return std::make_unique<FakeCheckGroup>("K", std::vector<bool>{false, true});
                   },
                   {"K_[0]n", "K_[1]i"},
                   {"K_[0]n", "K_[1]i"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Components of every kind for the loading cases.
class Apply : public ::testing::Test {
protected:
    Apply() {
        for (FormComponent* c : std::initializer_list<FormComponent*>{&edit, &lookup, &rich, &radio,
                                                                      &check, &grid, &group})
            components.Add(*c);
    }
    // Puts the marker and lines into the file buffer and refills.
    void refill(std::vector<std::string> lines) {
        file.Clear();
        file.Add("v\xEDzimalom");
        for (auto& line : lines)
            file.Add(line);
        SavedFormContext context{components, gather, file, cipher, user, files, "/"};
        refillFields(context);
    }

    FakeText edit{"Edit1", {"TEdit"}, "old"};
    FakeText lookup{"Look1", {"TAdvLUEdit", "TAdvEdit"}, "old"};
    FakeText rich{"Rich1", {"TRichEdit"}, "start:"};
    FakeRadioGroup radio{"Radio1", 0};
    FakeCheckBox check{"Check1", false};
    FakeGrid grid{"Grid1", 3, 3};
    FakeCheckGroup group{"Group1", {false, false, true}};
    FormComponentList components;
    LineBuffer gather, file;
    rq::crypto::TLbRijndael cipher;
    ScriptedUser user;
    MemoryFileSystem files;
};

TEST_F(Apply, EachKindTakesItsValue) {
    refill({"edit1_new_value", "LOOK1_lu", "Rich1_a", "$Rich1_b", "Radio1_2", "Check1_i",
            "Grid1_[2,1]x]y", "Group1_[0]i", "Group1_[2]n"});
    EXPECT_EQ(edit.Text(), "new_value"); // names ignore case
    EXPECT_EQ(lookup.Text(), "lu");
    EXPECT_EQ(rich.Text(), "start:ab"); // pieces appended without breaks
    EXPECT_EQ(radio.ItemIndex(), 2);
    EXPECT_TRUE(check.Checked());
    EXPECT_EQ(grid.Cell(2, 1), "x]y");
    EXPECT_TRUE(group.ItemChecked(0));
    EXPECT_FALSE(group.ItemChecked(2));
}

TEST_F(Apply, EmptyOrOddValuesFollowTheirKind) {
    refill({"Radio1_", "Check1_I", "Edit1_", "Grid1_2,1]x", "Group1_[1"});
    EXPECT_EQ(radio.ItemIndex(), 0); // an empty index leaves the selection
    EXPECT_FALSE(check.Checked());   // only "i" checks
    EXPECT_EQ(edit.Text(), "");
    EXPECT_EQ(grid.Cell(2, 1), ""); // missing bracket: nothing
    EXPECT_FALSE(group.ItemChecked(1));
}

TEST_F(Apply, IndexOutsideTheGridOrGroupChangesNothing) {
    refill({"Grid1_[7,1]x", "Grid1_[1,-1]x", "Group1_[3]i"});
    for (int col = 0; col < 3; ++col)
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(grid.Cell(col, row), "");
    EXPECT_EQ(group.ItemCount(), 3);
}

TEST_F(Apply, ContinuationTakesTheCurrentName) {
    // A "$" line keeps its own name after the removal; a bare line (as a
    // buffer that broke a long line would give) takes the current one.
    refill({"Edit1_a", "bare", "Look1_b", "$Edit1_c$"});
    EXPECT_EQ(edit.Text(), "c");
    EXPECT_EQ(lookup.Text(), "b");
    refill({"Edit1_a", "bare"});
    EXPECT_EQ(edit.Text(), "bare");
}

struct BadIndex {
    const char* name;
    std::string line;
    const char* message;
};

class BadIndexes : public Apply, public ::testing::WithParamInterface<BadIndex> {};

TEST_P(BadIndexes, StopTheLoadAfterTheLinesBefore) {
    try {
        refill({"Edit1_before", GetParam().line, "Check1_i"});
        FAIL() << "no failure";
    } catch (const rq::base::EConvertError& e) {
        EXPECT_STREQ(e.what(), GetParam().message);
    }
    EXPECT_EQ(edit.Text(), "before");
    EXPECT_FALSE(check.Checked());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadIndexes,
    ::testing::Values(BadIndex{"Radio", "Radio1_two", "'two' is not a valid integer value"},
                      BadIndex{"GridColumn", "Grid1_[x,1]v", "'x' is not a valid integer value"},
                      BadIndex{"GridWithoutComma", "Grid1_[2]v", "'' is not a valid integer value"},
                      BadIndex{"GridRow", "Grid1_[1,1 ]v", "'1 ' is not a valid integer value"},
                      BadIndex{"GridIndexFromTheRawLine", "$Grid1_[1,2$]v",
                               "'2$' is not a valid integer value"},
                      BadIndex{"GroupItem", "Group1_[]i", "'' is not a valid integer value"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rq::certificate
