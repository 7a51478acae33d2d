// POSIX files and the replace-by-rename write of the saved form.
#include "certificate/file_system.h"

#include "base/exceptions.h"
#include "base/system_error.h"
#include "base/text1250.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rq::certificate {
namespace {

[[noreturn]] void raiseSystemError() {
    throw FileError(base::systemErrorText(errno));
}

// Directory part of a path, for flushing the rename to disk.
std::string directoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

class PosixFile : public WritableFile {
public:
    explicit PosixFile(int fd) : fd_(fd) {}
    ~PosixFile() override {
        if (fd_ >= 0)
            ::close(fd_);
    }
    void Write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                raiseSystemError();
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
    }
    void Flush() override {
        if (::fsync(fd_) != 0)
            raiseSystemError();
    }
    void Close() override {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            raiseSystemError();
    }

private:
    int fd_;
};

class DirectoryLock : public FileLock {
public:
    explicit DirectoryLock(int fd) : fd_(fd) {}
    ~DirectoryLock() override { ::close(fd_); } // closing releases the lock

private:
    int fd_;
};

// Owner read and write only, or the existing file's permissions where they
// are stricter still (a save must not loosen what the user set).
mode_t privateMode(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        return info.st_mode & (S_IRUSR | S_IWUSR);
    return S_IRUSR | S_IWUSR;
}

std::string randomSuffix() {
    static std::random_device device;
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix;
    for (int i = 0; i < 8; ++i)
        suffix += kLetters[device() % (sizeof kLetters - 1)];
    return suffix;
}

class PosixFileSystem : public FileSystem {
public:
    bool FileExists(const std::string& path) override {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
    }
    std::string ReadFile(const std::string& path) override {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            raiseSystemError();
        std::string content;
        char chunk[4096];
        for (;;) {
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                const int error = errno;
                ::close(fd);
                throw FileError(base::systemErrorText(error));
            }
            if (n == 0)
                break;
            content.append(chunk, static_cast<std::size_t>(n));
        }
        ::close(fd);
        return content;
    }
    std::unique_ptr<WritableFile> CreateTemporaryFile(const std::string& path,
                                                      std::string& temporaryPath) override {
        const mode_t mode = privateMode(path);
        // O_EXCL with O_CREAT never opens an existing name, a link included.
        for (int attempt = 0;; ++attempt) {
            const std::string candidate = path + "." + randomSuffix();
            const int fd = ::open(candidate.c_str(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
            if (fd >= 0) {
                // The creation mode passes through the umask; set it exactly.
                if (::fchmod(fd, mode) != 0) {
                    const int error = errno;
                    ::close(fd);
                    ::unlink(candidate.c_str());
                    throw FileError(std::strerror(error));
                }
                temporaryPath = candidate;
                return std::make_unique<PosixFile>(fd);
            }
            if (errno != EEXIST || attempt == 99)
                raiseSystemError();
        }
    }
    std::unique_ptr<FileLock> LockReplacement(const std::string& path) override {
        // The directory itself carries the lock: the file is replaced by a new
        // one on every save, so a lock on it would not stay with the name.
        const int dir = ::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir < 0)
            raiseSystemError();
        while (::flock(dir, LOCK_EX) != 0) {
            if (errno != EINTR) {
                const int error = errno;
                ::close(dir);
                throw FileError(std::strerror(error));
            }
        }
        return std::make_unique<DirectoryLock>(dir);
    }
    void RenameFile(const std::string& from, const std::string& to) override {
        if (::rename(from.c_str(), to.c_str()) != 0)
            raiseSystemError();
        // Make the new directory entry durable too; a failure here does not
        // undo the rename, so it is not reported.
        const int dir = ::open(directoryOf(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }
    void RemoveFile(const std::string& path) noexcept override { ::unlink(path.c_str()); }
    bool DirectoryWritable(const std::string& path) override {
        return ::access(path.c_str(), W_OK | X_OK) == 0;
    }
    void CreatePrivateDirectory(const std::string& path) override {
        for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
            const std::string part = path.substr(0, slash);
            if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
                raiseSystemError();
            if (slash == std::string::npos)
                return;
        }
    }
};

// The message names the file in the program's 8-bit text.
std::string messagePath(const std::string& path) {
    return rq::base::utf8ToCp1250(path);
}

} // namespace

FileSystem& systemFileSystem() {
    static PosixFileSystem files;
    return files;
}

void writeFileReplacing(FileSystem& files, const std::string& path, std::string_view bytes) {
    std::string temporary;
    try {
        const auto lock = files.LockReplacement(path);
        {
            // Leaving this block closes an abandoned file before it is removed.
            auto file = files.CreateTemporaryFile(path, temporary);
            file->Write(bytes);
            file->Flush();
            file->Close();
        }
        files.RenameFile(temporary, path);
    } catch (const FileError& failure) {
        if (!temporary.empty())
            files.RemoveFile(temporary);
        rq::base::raiseCannotCreateFile(messagePath(path), failure.reason());
    }
}

std::string readWholeFile(FileSystem& files, const std::string& path) {
    try {
        return files.ReadFile(path);
    } catch (const FileError& failure) {
        rq::base::raiseCannotOpenFile(messagePath(path), failure.reason());
    }
}

} // namespace rq::certificate
