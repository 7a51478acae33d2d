// Where the saved form goes: the program's folder while it is writable, the
// user's data folder (created private) when it is not.
#include "certificate/saved_form_place.h"
#include "saved_form_doubles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace rq::certificate {
namespace {

namespace fs = std::filesystem;
using testing::MemoryFileSystem;

TEST(SavedFormPlace, ProgramFolderWhileWritableElseThePrivateUserFolder) {
    MemoryFileSystem files;
    EXPECT_EQ(savedFormDirectory(files, "/opt/rq/bin/", "/home/u/.local/share/rq0612/"),
              "/opt/rq/bin/");
    EXPECT_TRUE(files.directories.empty());

    files.readOnlyDirectories.insert("/usr/bin/");
    EXPECT_EQ(savedFormDirectory(files, "/usr/bin/", "/home/u/.local/share/rq0612/"),
              "/home/u/.local/share/rq0612/");
    EXPECT_EQ(files.directories, std::set<std::string>{"/home/u/.local/share/rq0612"});
}

// The operating system's side: the user's folder and its missing parents
// are made readable by the user alone; an existing folder is kept.
TEST(SavedFormPlace, SystemFilesCreateTheUserFolderPrivately) {
    const fs::path root = fs::absolute(fs::temp_directory_path()) /
                          ("rq-saved-form-place-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root);
    FileSystem& files = systemFileSystem();
    EXPECT_TRUE(files.DirectoryWritable(root.string() + "/"));
    EXPECT_FALSE(files.DirectoryWritable((root / "missing").string() + "/"));

    const fs::path user = root / "share" / "rq0612";
    files.CreatePrivateDirectory(user.string());
    files.CreatePrivateDirectory(user.string()); // already there
    for (const fs::path& made : {root / "share", user}) {
        struct stat info {};
        ASSERT_EQ(::stat(made.c_str(), &info), 0) << made;
        EXPECT_EQ(info.st_mode & 07777, 0700u) << made;
    }
    EXPECT_THROW(files.CreatePrivateDirectory("/proc/no-such-folder/rq0612"), FileError);
    fs::remove_all(root);
}

} // namespace
} // namespace rq::certificate
