// Units named in uses clauses and files a script loads are read only from
// regular files of a bounded size: devices, pipes, directories and oversized
// files are refused with a message before anything is read.
#include "../support/script_runner.h"
#include "base/exceptions.h"
#include "script/file_read.h"
#include "script/il_parser.h"
#include "script/runtime.h"
#include "script/script.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace rq::script {
namespace {

namespace fs = std::filesystem;

const std::string kUnit = "function Two: Integer; begin Result := 2 end; begin end.";

class UnitFileTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::absolute(fs::temp_directory_path()) / ("rq_unit_" + std::to_string(getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string write(const std::string& name, const std::string& text) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }

    // Compiles "uses 'FILE'; begin end." and gives "" or the failure's message.
    static std::string compileUses(const std::string& file) {
        ScriptRuntime runtime;
        TfsScript script(&runtime.Global());
        script.Lines = {"uses '" + file + "';", "var r: Integer; begin r := Two end."};
        try {
            return script.Compile() ? "" : script.ErrorMsg();
        } catch (const rq::base::Exception& e) {
            return e.what();
        }
    }

    fs::path dir_;
};

TEST_F(UnitFileTest, RegularFileWithinTheLimitIsRead) {
    EXPECT_EQ(compileUses(write("two.pas", kUnit)), "");
}

TEST_F(UnitFileTest, DevicesAndDirectoriesAreRefused) {
    EXPECT_EQ(compileUses("/dev/null"), "Cannot open file \"/dev/null\". Not a regular file");
    EXPECT_EQ(compileUses(dir_.string()),
              "Cannot open file \"" + dir_.string() + "\". Not a regular file");
}

TEST_F(UnitFileTest, FileBeyondTheLimitIsRefused) {
    const std::string body = kUnit;
    const std::string big =
        write("big.pas", body + std::string(TfsILParser::kMaxUnitFileSize - body.size() + 1, ' '));
    EXPECT_EQ(compileUses(big), "Cannot open file \"" + big + "\". Larger than 4194304 bytes");
    const std::string limit =
        write("limit.pas", body + std::string(TfsILParser::kMaxUnitFileSize - body.size(), ' '));
    EXPECT_EQ(compileUses(limit), "");
}

TEST_F(UnitFileTest, MissingFileNamesTheSystemReason) {
    const std::string missing = (dir_ / "missing.pas").string();
    EXPECT_EQ(compileUses(missing),
              "Cannot open file \"" + missing + "\". No such file or directory");
}

// Runs "var ...; begin STATEMENT end.": "" or "error: " and the failure.
std::string runLoading(const std::string& statement) {
    ScriptRuntime runtime;
    TfsScript script(&runtime.Global());
    return rq::test::CompileAndRun(
        script, {"var l: TStringList; m: TMemoryStream; d: TfsXMLDocument; f: TFileStream;",
                 "begin " + statement + " end."});
}

TEST_F(UnitFileTest, LoadingRefusesDevicesPipesAndHugeFiles) {
    const std::string fifo = (dir_ / "pipe").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string huge = (dir_ / "huge.txt").string();
    std::ofstream(huge).put('x');
    fs::resize_file(huge, kMaxLoadedFileSize + 1); // sparse: nothing is written
    const std::string loads[] = {
        "l := TStringList.Create; l.LoadFromFile('NAME')",
        "m := TMemoryStream.Create; m.LoadFromFile('NAME')",
        "d := TfsXMLDocument.Create; d.LoadFromFile('NAME')",
    };
    for (const std::string& load : loads) {
        for (const std::string& name : {std::string("/dev/zero"), fifo}) {
            std::string statement = load;
            statement.replace(statement.find("NAME"), 4, name);
            EXPECT_EQ(runLoading(statement),
                      "error: Cannot open file \"" + name + "\". Not a regular file");
        }
        std::string statement = load;
        statement.replace(statement.find("NAME"), 4, huge);
        EXPECT_EQ(runLoading(statement),
                  "error: Cannot open file \"" + huge + "\". Larger than 67108864 bytes");
    }
    EXPECT_EQ(runLoading("f := TFileStream.Create('" + fifo + "', fmOpenRead)"),
              "error: Cannot open file \"" + fifo + "\". Not a regular file");
    EXPECT_EQ(runLoading("f := TFileStream.Create('" + fifo + "', fmCreate)"),
              "error: Cannot create file \"" + fifo + "\". Not a regular file");
}

TEST_F(UnitFileTest, LoadingReadsARegularFileWhole) {
    const std::string path = write("lines.txt", "a\nb\n");
    EXPECT_EQ(runLoading("l := TStringList.Create; l.LoadFromFile('" + path +
                         "'); if l.Count <> 2 then RaiseException('lines: ' + l.Text)"),
              "");
}

} // namespace
} // namespace rq::script
