// The grammar/IL XML dialect: raw attribute text, its lookup and escaping.
#include "script/xml_document.h"

#include "script/errors.h"

#include <gtest/gtest.h>

namespace rq::script {
namespace {

TEST(XMLDocumentTest, ReadsTagsAndLooksUpAttributesInRawText) {
    TfsXMLDocument doc;
    doc.LoadFromString("<?xml version=\"1.0\"?>\n<!-- note <x> -->text<Root a=\"1\">"
                       "<item addtext=\"&#62;=\" text=\"a&#10;b\" /><ITEM/></root>");
    const TfsXMLItem& root = doc.Root();
    EXPECT_EQ(root.Name(), "Root");
    EXPECT_EQ(root.Text(), "a=\"1\"");
    ASSERT_EQ(root.Count(), 2);
    EXPECT_EQ(root[0].Prop("TEXT"), "a\nb");
    EXPECT_EQ(root[0].Prop("addtext"), ">=");
    EXPECT_EQ(root[0].Prop("missing"), "");
    EXPECT_EQ(root.Find("item"), 0);
    EXPECT_EQ(root[1].Parent(), &root);
}

TEST(XMLDocumentTest, MalformedDocumentsAreInvalidFileFormat) {
    for (const char* text : {"<root/>", "<?xml?><a><b></a>", "<?xml?><a <b/>", "<?xml?><a>"}) {
        TfsXMLDocument doc;
        try {
            doc.LoadFromString(text);
            ADD_FAILURE() << text;
        } catch (const EScriptError& e) {
            EXPECT_STREQ(e.what(), "Invalid file format") << text;
        }
    }
}

TEST(XMLDocumentTest, EscapingRoundTripsEveryByte) {
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    const std::string escaped = StrToXML(all);
    EXPECT_EQ(escaped.find_first_of("<>\"\r\n"), std::string::npos);
    EXPECT_EQ(XMLToStr(escaped), all);
    EXPECT_EQ(StrToXML("a&#65;<"), "a&#38;#65;&#60;");
}

TEST(XMLDocumentTest, FindItemAddsMissingChild) {
    TfsXMLItem item;
    TfsXMLItem& added = item.FindItem("Child");
    EXPECT_EQ(&item.FindItem("CHILD"), &added);
    EXPECT_EQ(item.Count(), 1);
}

// A document nested 100 000 deep (what a script may read from any file) is
// read, written, copied and released without recursion.
TEST(XMLDocumentTest, DeepDocumentsNeedNoStack) {
    constexpr int kDepth = 100000;
    std::string text = "<?xml version=\"1.0\"?>";
    for (int i = 0; i < kDepth; ++i)
        text += "<a>";
    text += "<b/>";
    for (int i = 0; i < kDepth; ++i)
        text += "</a>";
    {
        TfsXMLDocument doc;
        doc.LoadFromString(text);
        const std::string saved = doc.SaveToString();
        EXPECT_EQ(saved.substr(0, 26), "<?xml version=\"1.0\"?>\n<a>\n");
        EXPECT_NE(saved.find("<b/>"), std::string::npos);
        TfsXMLItem copy;
        copy.AddCopy(doc.Root());
        EXPECT_EQ(copy.Count(), 1);
        doc.Root().Clear();
        EXPECT_EQ(doc.Root().Count(), 0);
        doc.LoadFromString(text);
    }
    SUCCEED();
}

} // namespace
} // namespace rq::script
