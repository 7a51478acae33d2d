// Streams through scripts: memory streams with positions, seeking and
// copying, file streams with their open modes and errors, and string lists
// loaded from and saved to streams.
#include "../support/script_runner.h"
#include "script/global_library.h"

#include <gtest/gtest.h>

#include <fstream>

namespace rq::script {
namespace {

using rq::test::RunForAnswer;
using rq::test::ScriptCase;

std::string RunStreams(const std::string& body) {
    return RunForAnswer(fsGlobalUnit(),
                        {"var r, s: String; m, m2: TMemoryStream; f: TFileStream; l: TStringList;",
                         "begin", "m := TMemoryStream.Create; m2 := TMemoryStream.Create;",
                         "l := TStringList.Create;", "try", body,
                         "finally m.Free; m2.Free; l.Free end", "end."});
}

class StreamTest : public testing::TestWithParam<ScriptCase> {};

TEST_P(StreamTest, Runs) {
    EXPECT_EQ(RunStreams(GetParam().body), GetParam().expected);
}

const ScriptCase kScriptCases[] = {
    {"WriteMovesPosition", "m.Write('abcdef', 4); r := IntToStr(m.Position) + IntToStr(m.Size)",
     "44"},
    {"ReadWritesBufferBack",
     "m.Write('abcdef', 6); m.Position := 1; m.Read(s, 3); r := s + IntToStr(m.Position)", "bcd4"},
    {"ReadStopsAtEnd", "m.Write('abc', 3); m.Seek(-1, soFromEnd); r := IntToStr(m.Read(s, 10)) + s",
     "1c"},
    {"SeekClamps", "m.Write('abc', 3); r := IntToStr(m.Seek(10, soFromBeginning))", "3"},
    {"SeekHugeOffset",
     "m.Write('abc', 3); m.Position := 1; r := IntToStr(m.Seek(2147483647, soFromCurrent)) + "
     "IntToStr(m.Seek(-2147483647, soFromCurrent))",
     "30"},
    {"SeekFromCurrent",
     "m.Write('abc', 3); m.Position := 1; r := IntToStr(m.Seek(1, soFromCurrent))", "2"},
    {"CopyFromWholeSource",
     "m.Write('xyz', 3); m2.CopyFrom(m, 0); m2.Position := 0; m2.Read(s, 3); r := s", "xyz"},
    {"SizeTruncates", "m.Write('abcdef', 6); m.Size := 2; m.Position := 0; m.Read(s, 9); r := s",
     "ab"},
    {"ClearEmpties", "m.Write('abc', 3); m.Clear; r := IntToStr(m.Size + m.Position)", "0"},
    {"StringsToStream",
     "l.Add('a'); l.Add('b'); l.SaveToStream(m); m.Position := 0; m.Read(s, 100); r := s",
     "a\r\nb\r\n"},
    {"StringsFromStream",
     "m.Write('x'#13#10'y', 4); m.Position := 0; l.LoadFromStream(m); r := l.CommaText", "x,y"},
    {"IsStream", "if m is TStream then r := 'stream'", "stream"},
};
INSTANTIATE_TEST_SUITE_P(Script, StreamTest, testing::ValuesIn(kScriptCases),
                         [](const auto& info) { return info.param.name; });

TEST(FileStreamTest, CreatesWritesAndReadsBack) {
    const std::string path = testing::TempDir() + "rq_script_stream.bin";
    EXPECT_EQ(RunStreams("f := TFileStream.Create('" + path +
                         "', fmCreate); f.Write('hello', 5); f.Free; "
                         "f := TFileStream.Create('" +
                         path + "', fmOpenRead); f.Read(s, 99); r := s + IntToStr(f.Size); f.Free"),
              "hello5");
    std::ifstream file(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, "hello");
}

TEST(FileStreamTest, MemoryStreamSavesAndLoadsFiles) {
    const std::string path = testing::TempDir() + "rq_script_memory.bin";
    EXPECT_EQ(RunStreams("m.Write('data', 4); m.SaveToFile('" + path + "'); m2.LoadFromFile('" +
                         path + "'); m2.Read(s, 9); r := s"),
              "data");
}

TEST(FileStreamTest, ReadOnlyStreamRefusesWrites) {
    const std::string path = testing::TempDir() + "rq_script_readonly.bin";
    std::ofstream(path) << "x";
    EXPECT_EQ(RunStreams("f := TFileStream.Create('" + path +
                         "', fmOpenRead); try f.Write('y', 1) finally f.Free end"),
              "error: Stream write error");
}

TEST(FileStreamTest, MissingFileCannotBeOpened) {
    const std::string result =
        RunStreams("f := TFileStream.Create('/nonexistent/dir/file.bin', fmOpenRead)");
    EXPECT_EQ(result.rfind("error: Cannot open file \"/nonexistent/dir/file.bin\".", 0), 0u)
        << result;
}

} // namespace
} // namespace rq::script
