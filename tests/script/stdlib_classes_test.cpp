// TStringList and TObject through scripts: the list operations, sorted lists
// with their duplicate rule, indexed and default properties, Find writing
// back its index, and the list errors with their messages.
#include "../support/script_runner.h"
#include "base/format_settings.h"
#include "script/global_library.h"

#include <gtest/gtest.h>

namespace rq::script {
namespace {

using rq::test::RunForAnswer;
using rq::test::ScriptCase;

// Runs a program whose last statement leaves its answer in r (a String);
// errors come back as "error: message".
std::string RunList(const std::string& body) {
    return RunForAnswer(fsGlobalUnit(),
                        {"var r: String; l: TStringList; i: Integer; a: TList;", "begin",
                         "l := TStringList.Create;", "try", body, "finally l.Free end", "end."});
}

class StringListTest : public testing::TestWithParam<ScriptCase> {};

TEST_P(StringListTest, Runs) {
    EXPECT_EQ(RunList(GetParam().body), GetParam().expected);
}

const ScriptCase kScriptCases[] = {
    {"AddAndCount", "l.Add('a'); l.Add('b'); r := IntToStr(l.Count) + l[1] + l.Strings[0]", "2ba"},
    {"Text", "l.Add('a'); l.Add('b'); r := l.Text", "a\r\nb\r\n"},
    {"SetText", "l.Text := 'x'#13#10'y'#10'z'; r := IntToStr(l.Count) + l[2]", "3z"},
    {"CommaTextQuotes", "l.Add('a b'); l.Add('c'); l.Add(''); r := l.CommaText", "\"a b\",c,\"\""},
    {"SetCommaText", "l.CommaText := 'a,\"b c\" d'; r := IntToStr(l.Count) + '|' + l[1]", "3|b c"},
    {"InsertDelete", "l.Add('a'); l.Add('c'); l.Insert(1, 'b'); l.Delete(0); r := l.CommaText",
     "b,c"},
    {"IndexOfIgnoresCase", "l.Add('Alma'); l.Add('Korte'); r := IntToStr(l.IndexOf('KORTE'))", "1"},
    {"IndexOfAbsent", "l.Add('a'); r := IntToStr(l.IndexOf('b'))", "-1"},
    {"NamesAndValues",
     "l.Add('x=1'); l.Add('y=2'); l.Values['z'] := '3'; l.Values['x'] := '9'; "
     "r := l.Names[1] + l.Values['x'] + IntToStr(l.IndexOfName('z')) + l.CommaText",
     "y92x=9,y=2,z=3"},
    {"EmptyValueDeletes", "l.Add('x=1'); l.Values['x'] := ''; r := IntToStr(l.Count)", "0"},
    {"Sorted", "l.Sorted := True; l.Add('c'); l.Add('A'); l.Add('b'); r := l.CommaText", "A,b,c"},
    {"SortedIgnoresDuplicates", "l.Sorted := True; l.Add('a'); l.Add('A'); r := IntToStr(l.Count)",
     "1"},
    {"SortedAcceptsDuplicates",
     "l.Duplicates := dupAccept; l.Sorted := True; l.Add('a'); l.Add('a'); "
     "r := IntToStr(l.Count)",
     "2"},
    {"FindWritesIndexBack",
     "l.Sorted := True; l.Add('b'); l.Add('d'); "
     "if l.Find('c', i) then r := 'found' else r := IntToStr(i)",
     "1"},
    {"Sort", "l.Add('b'); l.Add('a'); l.Sort; r := l.CommaText", "a,b"},
    {"Objects", "l.AddObject('self', l); r := IntToStr(l.IndexOfObject(l))", "0"},
    {"ClassName", "r := l.ClassName", "TStringList"},
    {"IsTStrings", "if l is TStrings then r := 'yes'", "yes"},
    {"IndexOutOfBounds", "r := l[3]", "error: List index out of bounds (3)"},
    {"DuplicatesError", "l.Duplicates := dupError; l.Sorted := True; l.Add('a'); l.Add('a')",
     "error: String list does not allow duplicates"},
    {"InsertIntoSorted", "l.Sorted := True; l.Insert(0, 'a')",
     "error: Operation not allowed on sorted list"},
};
INSTANTIATE_TEST_SUITE_P(Script, StringListTest, testing::ValuesIn(kScriptCases),
                         [](const auto& info) { return info.param.name; });

// TList keeps object references; the list l itself serves as an item.
TEST(ListTest, KeepsReferences) {
    EXPECT_EQ(RunList("a := TList.Create; try a.Add(l); a.Add(nil); a.Insert(0, a); "
                      "r := IntToStr(a.Count) + IntToStr(a.IndexOf(l)) + IntToStr(a.Remove(a)) + "
                      "IntToStr(a.Count); a[1] := l; r := r + IntToStr(a.IndexOf(l)); "
                      "a.Delete(0); a.Clear; r := r + IntToStr(a.Count) finally a.Free end"),
              "310200");
    EXPECT_EQ(RunList("a := TList.Create; try a.Delete(0) finally a.Free end"),
              "error: List index out of bounds (0)");
}

TEST(StringListFileTest, SavesAndLoads) {
    const std::string path = testing::TempDir() + "rq_stringlist.txt";
    EXPECT_EQ(RunList("l.Add('one'); l.Add('two'); l.SaveToFile('" + path +
                      "'); l.Clear; l.LoadFromFile('" + path + "'); r := l.CommaText"),
              "one,two");
}

TEST(ScriptObjectTest, UseAfterFreeIsAnError) {
    EXPECT_EQ(RunList("l.Free; l.Add('a')"), "error: Access violation: object used after Free");
}

} // namespace
} // namespace rq::script
