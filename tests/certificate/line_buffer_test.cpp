// The buffer window's line lists: joining and splitting lines, and the
// failure for an index outside the list.
#include "certificate/line_buffer.h"

#include "base/exceptions.h"

#include <gtest/gtest.h>

namespace rq::certificate {
namespace {

TEST(LineBuffer, TextJoinsAndSplitsLines) {
    struct Case {
        const char* name;
        const char* text;
        std::vector<std::string> lines;
        const char* joined;
    };
    const Case cases[] = {
        {"Empty", "", {}, ""},
        {"FinalBreakEndsTheLastLine", "a\r\nb\r\n", {"a", "b"}, "a\r\nb\r\n"},
        {"NoFinalBreak", "a\r\nb", {"a", "b"}, "a\r\nb\r\n"},
        {"BareBreaks", "a\nb\rc", {"a", "b", "c"}, "a\r\nb\r\nc\r\n"},
        {"EmptyLinesStay", "\r\n\r\nx", {"", "", "x"}, "\r\n\r\nx\r\n"},
    };
    for (const auto& c : cases) {
        LineBuffer buffer;
        buffer.SetText(c.text);
        EXPECT_EQ(buffer.Lines(), c.lines) << c.name;
        EXPECT_EQ(buffer.Text(), c.joined) << c.name;
    }
}

TEST(LineBuffer, IndexOutsideTheListFails) {
    LineBuffer buffer;
    buffer.Add("one");
    buffer.Insert(0, "zero");
    buffer.Insert(2, "two");
    EXPECT_EQ(buffer.Text(), "zero\r\none\r\ntwo\r\n");
    try {
        buffer.Insert(5, "x");
        ADD_FAILURE();
    } catch (const base::EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (5)");
    }
    EXPECT_THROW((void)buffer.Line(3), base::EListError);
}

} // namespace
} // namespace rq::certificate
