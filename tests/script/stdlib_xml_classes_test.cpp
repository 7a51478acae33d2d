// TfsXMLDocument and TfsXMLItem through scripts: building a document,
// attributes, finding children, saving and loading a file, and items of
// elements that were cleared away.
#include "../support/script_runner.h"
#include "script/global_library.h"

#include <gtest/gtest.h>

namespace rq::script {
namespace {

using rq::test::RunForAnswer;
using rq::test::ScriptCase;

std::string RunXML(const std::string& body) {
    return RunForAnswer(fsGlobalUnit(),
                        {"var r: String; d, d2: TfsXMLDocument; i, j: TfsXMLItem;", "begin",
                         "d := TfsXMLDocument.Create; d2 := TfsXMLDocument.Create;", "try", body,
                         "finally d.Free; d2.Free end", "end."});
}

class XMLClassTest : public testing::TestWithParam<ScriptCase> {};

TEST_P(XMLClassTest, Runs) {
    EXPECT_EQ(RunXML(GetParam().body), GetParam().expected);
}

const ScriptCase kScriptCases[] = {
    {"BuildAndRead",
     "d.Root.Name := 'report'; i := d.Root.Add; i.Name := 'page'; i.Text := 'n=\"P1\"'; "
     "r := d.Root[0].Name + ':' + d.Root[0].Prop['n'] + ':' + IntToStr(d.Root.Count)",
     "page:P1:1"},
    {"FindAndFindItem",
     "d.Root.Add.Name := 'a'; d.Root.Add.Name := 'b'; "
     "r := IntToStr(d.Root.Find('B')) + IntToStr(d.Root.Find('c')); i := d.Root.FindItem('c'); "
     "r := r + i.Name + IntToStr(d.Root.Count)",
     "1-1c3"},
    {"ClearedItemIsAnError", "i := d.Root.Add; d.Root.Clear; r := i.Name",
     "error: Access violation: object used after Free"},
    {"IndexOutOfBounds", "r := d.Root[2].Name", "error: List index out of bounds (2)"},
};
INSTANTIATE_TEST_SUITE_P(Script, XMLClassTest, testing::ValuesIn(kScriptCases),
                         [](const auto& info) { return info.param.name; });

TEST(XMLFileTest, SavesAndLoads) {
    const std::string path = testing::TempDir() + "rq_script_doc.xml";
    EXPECT_EQ(RunXML("d.Root.Name := 'root'; i := d.Root.Add; i.Name := 'item'; "
                     "i.Text := 'v=\"1\"'; d.SaveToFile('" +
                     path + "'); d2.LoadFromFile('" + path +
                     "'); j := d2.Root[0]; r := d2.Root.Name + j.Name + j.Prop['v']"),
              "rootitem1");
}

} // namespace
} // namespace rq::script
