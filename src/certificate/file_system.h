// The file operations of the saved-form commands behind a small interface, so
// that tests can make any step of a save or a load fail. Paths are the
// platform's (UTF-8) file names; failures raise FileError with the system's
// reason text.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace rq::certificate {

class FileError : public std::runtime_error {
public:
    explicit FileError(const std::string& reason) : std::runtime_error(reason) {}
    std::string reason() const { return what(); }
};

// A file being written. Close() must be called for the data to count; a file
// destroyed without Close() is abandoned.
class WritableFile {
public:
    virtual ~WritableFile() = default;
    virtual void Write(std::string_view bytes) = 0;
    // Pushes the written bytes to the storage device.
    virtual void Flush() = 0;
    virtual void Close() = 0;
};

// Held while a file is being replaced; releasing it lets the next one go.
class FileLock {
public:
    virtual ~FileLock() = default;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool FileExists(const std::string& path) = 0;
    virtual std::string ReadFile(const std::string& path) = 0;
    // Creates a new file of a name of its own in path's directory (its name
    // goes to temporaryPath), exclusively and never through a link. The file
    // holds personal data: it is readable and writable by its owner only,
    // or as strictly as the existing file at path is.
    virtual std::unique_ptr<WritableFile> CreateTemporaryFile(const std::string& path,
                                                              std::string& temporaryPath) = 0;
    // Waits for and takes the advisory lock that serialises replacements of
    // path, so that saves running at the same time follow one another.
    virtual std::unique_ptr<FileLock> LockReplacement(const std::string& path) = 0;
    // Replaces to by from in one step.
    virtual void RenameFile(const std::string& from, const std::string& to) = 0;
    // Best effort: a file that cannot be removed stays.
    virtual void RemoveFile(const std::string& path) noexcept = 0;
    // Whether files can be created in the directory path by this user.
    virtual bool DirectoryWritable(const std::string& path) = 0;
    // Creates path and missing parents, new ones readable by the user only
    // (0700); an existing directory stays as it is.
    virtual void CreatePrivateDirectory(const std::string& path) = 0;
};

// The operating system's files.
FileSystem& systemFileSystem();

// Writes bytes to path without ever leaving a partly written file there: under
// the replacement lock the bytes go to a new temporary file beside it, are
// flushed, and the temporary file is renamed over path. On failure the
// temporary file is removed, path keeps its previous content, and
// EFCreateError "Cannot create file "%s". %s" is raised with path and the
// system's reason.
void writeFileReplacing(FileSystem& files, const std::string& path, std::string_view bytes);

// The whole content of path; EFOpenError "Cannot open file "%s". %s" when it
// cannot be read.
std::string readWholeFile(FileSystem& files, const std::string& path);

} // namespace rq::certificate
