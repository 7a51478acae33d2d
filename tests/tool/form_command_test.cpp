// rq0612-tool form: saving and loading through the real main window with the
// pass phrase on the command line, and the exit codes of its failures.
#include "run_tool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace rq::tool::test {
namespace {

class ToolForm : public ::testing::Test {
protected:
    ToolForm() {
        dir_ = std::filesystem::temp_directory_path() /
               ("rq0612_form_test_" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    ~ToolForm() override { std::filesystem::remove_all(dir_); }
    std::string dir() const { return dir_.string(); }

    std::filesystem::path dir_;
};

TEST_F(ToolForm, SavedFieldsComeBackInOwnershipOrder) {
    const auto saved = runTool({"form", "save", "--dir", dir(), "--pass", "jelsz\xC3\xB3", "--set",
                                "Edit4=k\xC3\xB6nyvel\xC5\x91", "--set", "edit3=a_b$c"});
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_TRUE(std::filesystem::exists(dir_ / "RQ0612.txt"));

    const auto loaded = runTool({"form", "load", "--dir", dir(), "--pass", "jelsz\xC3\xB3"});
    ASSERT_EQ(loaded.exitCode, 0) << loaded.err;
    EXPECT_EQ(loaded.out, "Edit1=-\nEdit2=-\nEdit3=a_bc\nEdit4=k\xC3\xB6nyvel\xC5\x91\nEdit5=\n"
                          "PBNumEdit1=0\nEdit6=\nPBNumEdit2=0\nEdit7=\n");
}

TEST_F(ToolForm, SavedFileDeciphersToTheFieldLines) {
    ASSERT_EQ(
        runTool({"form", "save", "--dir", dir(), "--pass", "k", "--set", "Edit5=2001"}).exitCode,
        0);
    std::ifstream file(dir_ / "RQ0612.txt", std::ios::binary);
    const std::string envelope((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
    const auto plain = runTool({"decipher", "k"}, envelope);
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_EQ(plain.out, "v\xEDzimalom\r\nEdit1_-\r\nEdit2_-\r\nEdit5_2001\r\nPBNumEdit1_0\r\n"
                         "PBNumEdit2_0\r\n");
}

TEST_F(ToolForm, ReportedConditionsExitWithTwo) {
    const auto missing = runTool({"form", "load", "--dir", dir(), "--pass", "k"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("Nincs ment\xC3\xA9s!           .\n"), std::string::npos);

    ASSERT_EQ(runTool({"form", "save", "--dir", dir(), "--pass", "right"}).exitCode, 0);
    const auto wrong = runTool({"form", "load", "--dir", dir(), "--pass", "wrong"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_NE(wrong.err.find("Hib\xC3\xA1s jelsz\xC3\xB3!           .\n"), std::string::npos);
    EXPECT_TRUE(wrong.out.empty());
}

TEST_F(ToolForm, FailuresExitWithOne) {
    std::ofstream(dir_ / "RQ0612.txt", std::ios::binary) << "AAAA";
    const auto malformed = runTool({"form", "load", "--dir", dir(), "--pass", "k"});
    EXPECT_EQ(malformed.exitCode, 1);
    EXPECT_NE(malformed.err.find("Invalid file format\n"), std::string::npos);

    const auto unwritable = runTool({"form", "save", "--dir", dir() + "/none", "--pass", "k"});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_NE(unwritable.err.find("Cannot create file \"" + dir() + "/none/RQ0612.txt\"."),
              std::string::npos);
}

TEST_F(ToolForm, MalformedArgumentsAreUsageErrors) {
    EXPECT_EQ(runTool({"form", "save", "--dir", dir()}).exitCode, 64);
    EXPECT_EQ(runTool({"form", "load", "--dir", dir(), "--pass", "k", "--set", "Edit1=x"}).exitCode,
              64);
    EXPECT_EQ(runTool({"form", "save", "--dir", dir(), "--pass", "k", "--set", "Nope=1"}).exitCode,
              64);
    EXPECT_EQ(runTool({"form", "print"}).exitCode, 64);
}

// Bad input on the form command: each ends with its message and a failure
// status, and nothing is written or read as if it had worked.
TEST_F(ToolForm, TextTheFileCannotHoldWritesNothing) {
    const auto phrase = runTool({"form", "save", "--dir", dir(), "--pass", "\xF0\x9F\x98\x80"});
    EXPECT_EQ(phrase.exitCode, 1);
    EXPECT_EQ(phrase.err, "A jelsz\xC3\xB3"
                          "ban olyan karakter van, amelyet a program nem tud "
                          "kezelni: U+1F600\n");
    const auto field = runTool({"form", "save", "--dir", dir(), "--pass", "k", "--set",
                                "Edit7=ma\xC3\xB1"
                                "ana"});
    EXPECT_EQ(field.exitCode, 1);
    EXPECT_NE(field.err.find("(Edit7)"), std::string::npos) << field.err;
    EXPECT_NE(field.err.find("U+00F1"), std::string::npos) << field.err;
    const auto tooLong = runTool({"form", "save", "--dir", dir(), "--pass", "k", "--set",
                                  "Edit7=" + std::string(40000, 'x')});
    EXPECT_EQ(tooLong.exitCode, 64);
    EXPECT_NE(tooLong.err.find("Edit7 takes at most 32767 characters"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "RQ0612.txt"));
}

TEST_F(ToolForm, CutFileIsRefusedAsDamaged) {
    ASSERT_EQ(runTool({"form", "save", "--dir", dir(), "--pass", "k", "--set",
                       "Edit3=Kov\xC3\xA1"
                       "cs"})
                  .exitCode,
              0);
    std::string envelope;
    {
        std::ifstream in(dir_ / "RQ0612.txt", std::ios::binary);
        std::getline(in, envelope);
    }
    for (const std::size_t length : {100u, 64u, 44u}) {
        std::ofstream(dir_ / "RQ0612.txt", std::ios::binary) << envelope.substr(0, length);
        const auto loaded = runTool({"form", "load", "--dir", dir(), "--pass", "k"});
        EXPECT_EQ(loaded.exitCode, 1) << length;
        EXPECT_EQ(loaded.err, "Invalid file format\n") << length;
        EXPECT_EQ(loaded.out, "") << length;
    }
}

} // namespace
} // namespace rq::tool::test
