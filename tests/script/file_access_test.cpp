// Scripts without file access: the file routines of the stream, string list
// and XML classes fail at run time with a message naming the routine, and a
// uses clause naming a file fails to compile; memory streams and string
// lists without files still work. With access, the same script reads files.
#include "base/exceptions.h"
#include "script/runtime.h"
#include "script/script.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace rq::script {
namespace {

namespace fs = std::filesystem;

class FileAccessTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::absolute(fs::temp_directory_path()) / ("rq_access_" + std::to_string(getpid()));
        fs::create_directories(dir_);
        file_ = (dir_ / "data.txt").string();
        std::ofstream(file_) << "first\n";
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Runs the lines in a script under host (which decides the access); ""
    // or the failure's message.
    static std::string run(TfsScript& host, std::vector<std::string> lines) {
        TfsScript script(&host);
        script.Lines = std::move(lines);
        try {
            if (!script.Compile())
                return "compile " + script.ErrorMsg();
            script.Execute();
            return "";
        } catch (const rq::base::Exception& e) {
            return e.what();
        }
    }

    fs::path dir_;
    std::string file_;
};

TEST_F(FileAccessTest, RefusedRoutinesNameThemselves) {
    ScriptRuntime runtime;
    TfsScript host(&runtime.Global());
    host.SetFileAccess(false);
    const std::string f = "'" + file_ + "'";
    const struct {
        std::vector<std::string> lines;
        std::string outcome;
    } cases[] = {
        {{"var l: TStringList; begin l := TStringList.Create; l.LoadFromFile(" + f + ") end."},
         "File access is not allowed: LoadFromFile"},
        {{"var l: TStringList; begin l := TStringList.Create; l.SaveToFile(" + f + ") end."},
         "File access is not allowed: SaveToFile"},
        {{"var s: TFileStream; begin s := TFileStream.Create(" + f + ", 0) end."},
         "File access is not allowed: Create"},
        {{"var m: TMemoryStream; begin m := TMemoryStream.Create; m.LoadFromFile(" + f + ") end."},
         "File access is not allowed: LoadFromFile"},
        {{"var d: TfsXMLDocument; begin d := TfsXMLDocument.Create; d.SaveToFile(" + f + ") end."},
         "File access is not allowed: SaveToFile"},
        {{"uses " + f + ";", "begin end."}, "File access is not allowed: uses " + f},
        // No file involved: allowed.
        {{"var l: TStringList; var m: TMemoryStream;",
          "begin l := TStringList.Create; l.Add('x'); m := TMemoryStream.Create;",
          "l.SaveToStream(m) end."},
         ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(run(host, c.lines), c.outcome) << c.lines.front();
    std::ifstream text(file_);
    std::string first;
    std::getline(text, first);
    EXPECT_EQ(first, "first"); // SaveToFile wrote nothing
}

TEST_F(FileAccessTest, NearestSettingDecides) {
    ScriptRuntime runtime;
    TfsScript outer(&runtime.Global());
    outer.SetFileAccess(false);
    TfsScript inner(&outer);
    inner.SetFileAccess(true);
    const std::vector<std::string> lines = {
        "var l: TStringList; begin l := TStringList.Create; l.LoadFromFile('" + file_ +
        "'); if l[0] <> 'first' then l.Free end."};
    EXPECT_EQ(run(inner, lines), "");
    EXPECT_EQ(run(outer, lines), "File access is not allowed: LoadFromFile");
    TfsScript unset(&runtime.Global());
    EXPECT_EQ(run(unset, lines), "");
}

} // namespace
} // namespace rq::script
