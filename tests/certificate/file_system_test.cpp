// The replace-by-rename write on the real file system: the saved form holds
// personal data, so it is created for its owner only (a stricter mode stays);
// links at the temporary or the final name are never followed; saves running
// at the same time follow one another and each leaves a whole file.
#include "certificate/file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <cstdlib>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace rq::certificate {
namespace {

namespace fs = std::filesystem;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

unsigned modeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

class ReplacingWrite : public ::testing::Test {
protected:
    ReplacingWrite() {
        std::string pattern = (fs::temp_directory_path() / "rq0612-replace-XXXXXX").string();
        directory_ = ::mkdtemp(pattern.data());
    }
    ~ReplacingWrite() override { fs::remove_all(directory_); }
    std::string path() const { return directory_ + "/RQ0612.txt"; }
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (const auto& entry : fs::directory_iterator(directory_))
            all.push_back(entry.path().filename().string());
        return all;
    }
    std::string directory_;
};

struct ModeCase {
    const char* name;
    int before; // mode of the existing file, -1: no file yet
    unsigned after;
};

class ReplacingWriteMode : public ReplacingWrite, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ReplacingWriteMode, OwnerOnlyOrStricter) {
    const ModeCase& c = GetParam();
    const mode_t mask = ::umask(022);
    if (c.before >= 0) {
        writeFileReplacing(systemFileSystem(), path(), "old");
        ASSERT_EQ(::chmod(path().c_str(), static_cast<mode_t>(c.before)), 0);
    }
    writeFileReplacing(systemFileSystem(), path(), "new");
    ::umask(mask);
    EXPECT_EQ(modeOf(path()), c.after);
    EXPECT_EQ(readFile(path()), "new");
}

INSTANTIATE_TEST_SUITE_P(Modes, ReplacingWriteMode,
                         ::testing::Values(ModeCase{"NewFile", -1, 0600},
                                           ModeCase{"WorldReadableBecomesPrivate", 0644, 0600},
                                           ModeCase{"PrivateStays", 0600, 0600},
                                           ModeCase{"ReadOnlyStays", 0400, 0400}),
                         [](const auto& info) { return std::string(info.param.name); });

// A link planted at the old fixed temporary name, or at the file's own name,
// must neither be written through nor become the saved file.
TEST_F(ReplacingWrite, LinksAreNeitherFollowedNorKept) {
    const std::string victim = directory_ + "/victim";
    std::ofstream(victim) << "precious";
    fs::create_symlink(victim, path() + ".tmp");
    writeFileReplacing(systemFileSystem(), path(), "first");
    fs::remove(path());
    fs::create_symlink(victim, path());
    writeFileReplacing(systemFileSystem(), path(), "second");
    EXPECT_EQ(readFile(victim), "precious");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path())));
    EXPECT_EQ(readFile(path()), "second");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(path() + ".tmp")));
}

// Writers at the same time each succeed, the file always holds one whole
// content, and no temporary file is left behind.
TEST_F(ReplacingWrite, ConcurrentSavesFollowOneAnother) {
    constexpr int kWriters = 4, kRounds = 25;
    std::set<std::string> written;
    for (int w = 0; w < kWriters; ++w)
        for (int r = 0; r < kRounds; ++r)
            written.insert(std::string(4000 + 97 * w, static_cast<char>('a' + w)) +
                           std::to_string(r));
    std::vector<std::string> failures(kWriters);
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w)
        writers.emplace_back([&, w] {
            for (int r = 0; r < kRounds; ++r) {
                try {
                    writeFileReplacing(systemFileSystem(), path(),
                                       std::string(4000 + 97 * w, static_cast<char>('a' + w)) +
                                           std::to_string(r));
                } catch (const std::exception& e) {
                    failures[static_cast<std::size_t>(w)] = e.what();
                }
            }
        });
    for (auto& t : writers)
        t.join();
    for (const auto& failure : failures)
        EXPECT_EQ(failure, "");
    EXPECT_EQ(written.count(readFile(path())), 1u);
    EXPECT_EQ(names(), std::vector<std::string>{"RQ0612.txt"});
}

} // namespace
} // namespace rq::certificate
