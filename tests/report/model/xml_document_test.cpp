// The XML element and document model: escaping, attribute access, the
// reader's rules and the temporary file of swapped-out elements.
#include "report/model/xml_document.h"

#include "base/exceptions.h"

#include <gtest/gtest.h>

#include <sstream>

namespace rq::report::model {
namespace {

std::string save(TfrxXMLDocument& doc) {
    std::ostringstream out;
    doc.SaveToStream(out);
    return out.str();
}

void load(TfrxXMLDocument& doc, const std::string& text, bool partial = false) {
    std::istringstream in(text);
    doc.LoadFromStream(in, partial);
}

TEST(XmlEscape, SixCharactersOnly) {
    EXPECT_EQ(escapeXml("a<b>\"c\"&'d'\r\n\xE1"), "a&#60;b&#62;&#34;c&#34;&#38;'d'&#13;&#10;\xE1");
    EXPECT_EQ(unescapeXml("&#60;&#34;&#39;&amp;&#;&#999;&#65"), "<\"'&amp;&#;&#999;&#65");
}

TEST(XmlItem, PropIsCaseInsensitiveAndNeedsABlankBeforeTheName) {
    TfrxXMLItem item;
    item.SetText("Name=\"Memo1\" xLeft=\"5\" Left=\"1&#60;\"");
    EXPECT_EQ(item.Prop("left"), "1<");
    EXPECT_EQ(item.Prop("NAME"), "Memo1");
    EXPECT_EQ(item.Prop("Top"), "");
}

TEST(XmlItem, SetPropReplacesInPlaceOrAppends) {
    TfrxXMLItem item;
    item.SetText("a=\"1\" b=\"2\"");
    item.SetProp("A", "x\"y");
    EXPECT_EQ(item.Text(), "A=\"x&#34;y\" b=\"2\"");
    item.SetProp("c", "3");
    EXPECT_EQ(item.Text(), "A=\"x&#34;y\" b=\"2\" c=\"3\"");
    TfrxXMLItem empty;
    empty.SetProp("l", "0");
    EXPECT_EQ(empty.Text(), "l=\"0\"");
}

TEST(XmlItem, FindItemAddsMissingChildrenAndMoveToReparents) {
    TfrxXMLItem root;
    TfrxXMLItem& pages = root.FindItem("previewpages");
    EXPECT_EQ(&root.FindItem("PREVIEWPAGES"), &pages);
    TfrxXMLItem& other = root.FindItem("cutted");
    other.Add().SetName("m1");
    other.Items(0).MoveTo(pages);
    EXPECT_EQ(other.Count(), 0);
    ASSERT_EQ(pages.Count(), 1);
    EXPECT_EQ(pages.Items(0).Parent(), &pages);
    EXPECT_EQ(root.Find("cutted"), 1);
    EXPECT_EQ(root.Find("nothing"), -1);
}

TEST(XmlDocument, WritesIndentedAndReadsBack) {
    TfrxXMLDocument doc;
    doc.AutoIndent = true;
    doc.Root().SetName("root");
    doc.Root().SetText("a=\"1\"");
    doc.Root().Add().SetName("child");
    doc.Root().Items(0).Add().SetName("leaf");
    const std::string text = save(doc);
    EXPECT_EQ(text, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<root a=\"1\">\r\n"
                    "  <child>\r\n    <leaf/>\r\n  </child>\r\n</root>\r\n");
    TfrxXMLDocument back;
    load(back, text);
    back.AutoIndent = true;
    EXPECT_EQ(save(back), text);
}

struct ReadCase {
    const char* name;
    const char* text;
    const char* expected; // the document written back without indent, or "!" for failure
};

class XmlReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(XmlReadTest, ReadsOrFails) {
    TfrxXMLDocument doc;
    const ReadCase& c = GetParam();
    if (std::string(c.expected) == "!") {
        try {
            load(doc, c.text);
            FAIL() << "no exception";
        } catch (const base::Exception& e) {
            EXPECT_STREQ(e.what(), "Invalid file format");
        }
        return;
    }
    load(doc, c.text);
    const std::string header = "<?xml version=\"1.0\" encoding=\"utf-8\"?>";
    EXPECT_EQ(save(doc), header + c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, XmlReadTest,
    testing::Values(
        ReadCase{"Plain", "<?xml?><a x=\"1\"><b/></a>", "<a x=\"1\"><b/></a>"},
        ReadCase{"CloseTagIgnoresCase", "<?xml?><Abc><d/></aBC>", "<Abc><d/></Abc>"},
        ReadCase{"TextBetweenTagsIgnored", "<?xml?>junk<a>text<b/>more</a>", "<a><b/></a>"},
        ReadCase{"Comment", "<?xml?><a><!-- <b/> -- > --><c/></a>", "<a><c/></a>"},
        ReadCase{"EmptyWithBlank", "<?xml?><a><b x=\"1\" /></a>", "<a><b x=\"1\" /></a>"},
        ReadCase{"UnclosedChild", "<?xml?><a><b>", "!"},
        ReadCase{"UnclosedRoot", "<?xml?><a><b/><c x=\"1\"/>", "!"},
        ReadCase{"HeaderOnly", "<?xml version=\"1.0\"?>\r\n", "!"},
        ReadCase{"NoHeader", "<a/>", "!"}, ReadCase{"Empty", "", "!"},
        ReadCase{"WrongClose", "<?xml?><a></b>", "!"},
        ReadCase{"LessThanInTag", "<?xml?><a <b>", "!"}, ReadCase{"EndInsideTag", "<?xml?><a", "!"},
        ReadCase{"EndInsideComment", "<?xml?><a><!-- x", "!"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(XmlDocument, LongDocumentsCrossTheBlockSize) {
    TfrxXMLDocument doc;
    doc.Root().SetName("r");
    for (int i = 0; i < 2000; ++i)
        doc.Root().Add().SetName("item" + std::to_string(i));
    const std::string text = save(doc);
    TfrxXMLDocument back;
    load(back, text);
    EXPECT_EQ(back.Root().Count(), 2000);
    EXPECT_EQ(save(back), text);
}

TEST(XmlDocument, DeepNestingNeedsNoStack) {
    std::string text = "<?xml?>";
    for (int i = 0; i < 300000; ++i)
        text += "<a>";
    for (int i = 0; i < 300000; ++i)
        text += "</a>";
    TfrxXMLDocument doc;
    load(doc, text);
    EXPECT_EQ(doc.Root().Count(), 1);
    // Every level is there: the root is the outermost element.
    int depth = 1;
    for (const TfrxXMLItem* item = &doc.Root(); item->Count() > 0; item = &item->Items(0)) {
        ASSERT_EQ(item->Count(), 1);
        ASSERT_EQ(item->Name(), "a");
        ++depth;
    }
    EXPECT_EQ(depth, 300000);
    // Indentation stops growing with the depth: the text stays linear in size.
    doc.AutoIndent = true;
    EXPECT_LT(save(doc).size(), 300000u * 2 * (2 * 64 + 8));
}

TEST(XmlDocument, UnloadedElementsSwapAndStillSave) {
    TfrxXMLDocument doc;
    doc.Root().SetName("previewpages");
    for (int p = 0; p < 3; ++p) {
        TfrxXMLItem& page = doc.Root().Add();
        page.SetName("page0");
        page.Unloadable = p == 2;
        page.Add().SetName("m1");
        page.Items(0).SetText("x=\"page " + std::to_string(p) + "\"");
    }
    const std::string before = save(doc);
    EXPECT_NE(before.find("<page0 ld=\"0\">"), std::string::npos);
    TfrxXMLItem& third = doc.Root().Items(2);
    doc.UnloadItem(third);
    EXPECT_FALSE(third.Loaded);
    EXPECT_EQ(third.Count(), 0);
    EXPECT_EQ(save(doc), before);
    EXPECT_FALSE(third.Loaded);
    doc.LoadItem(third);
    ASSERT_EQ(third.Count(), 1);
    EXPECT_EQ(third.Items(0).Prop("x"), "page 2");
    doc.UnloadItem(doc.Root().Items(0)); // not Unloadable: stays
    EXPECT_TRUE(doc.Root().Items(0).Loaded);

    TfrxXMLDocument partial;
    load(partial, before, true);
    EXPECT_FALSE(partial.Root().Items(2).Loaded);
    EXPECT_TRUE(partial.Root().Items(2).Unloadable);
    EXPECT_EQ(save(partial), before);
}

} // namespace
} // namespace rq::report::model
