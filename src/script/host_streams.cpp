// MemoryStream and FileStream.
#include "script/host_streams.h"
#include "script/file_read.h"

#include "script/errors.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace rq::script {

namespace {

// The largest stream size a script may ask for; more is a mistake that
// would otherwise exhaust memory or disk.
constexpr std::int64_t kMaxStreamSize = std::int64_t{1} << 30;

constexpr int kCreate = 65535;
constexpr int kOpenWrite = 1;
constexpr int kOpenReadWrite = 2;

void CheckSize(std::int64_t size) {
    if (size < 0 || size > kMaxStreamSize)
        throw rq::base::Exception("Stream size out of range");
}

} // namespace

std::int64_t ByteStream::Seek(std::int64_t offset, int origin) {
    std::int64_t base = 0;
    if (origin == 1)
        base = position_;
    else if (origin == 2)
        base = Size();
    // Clamping the offset first keeps the sum from overflowing.
    offset = std::clamp<std::int64_t>(offset, -kMaxStreamSize, kMaxStreamSize);
    position_ = std::clamp<std::int64_t>(base + offset, 0, Size());
    return position_;
}

std::int64_t ByteStream::CopyFrom(ByteStream& source, std::int64_t count) {
    if (count <= 0) {
        source.Seek(0, 0);
        count = source.Size();
    }
    return Write(source.Read(count));
}

std::string MemoryStream::Read(std::int64_t count) {
    const std::int64_t n = std::clamp<std::int64_t>(count, 0, Size() - position_);
    std::string bytes =
        data_.substr(static_cast<std::size_t>(position_), static_cast<std::size_t>(n));
    position_ += n;
    return bytes;
}

std::int64_t MemoryStream::Write(const std::string& bytes) {
    const auto n = static_cast<std::int64_t>(bytes.size());
    CheckSize(position_ + n);
    if (position_ + n > Size())
        data_.resize(static_cast<std::size_t>(position_ + n));
    data_.replace(static_cast<std::size_t>(position_), bytes.size(), bytes);
    position_ += n;
    return n;
}

void MemoryStream::SetSize(std::int64_t size) {
    CheckSize(size);
    data_.resize(static_cast<std::size_t>(size));
    position_ = std::min(position_, size);
}

void MemoryStream::Clear() {
    data_.clear();
    position_ = 0;
}

void MemoryStream::LoadFromStream(ByteStream& source) {
    source.Seek(0, 0);
    data_ = source.Read(source.Size());
    position_ = 0;
}

void MemoryStream::LoadFromFile(const std::string& fileName) {
    data_ = ReadWholeFile(fileName, kMaxLoadedFileSize);
    position_ = 0;
}

void MemoryStream::SaveToFile(const std::string& fileName) const {
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    if (!file)
        rq::base::raiseCannotCreateFile(fileName, std::strerror(errno));
    file << data_;
}

void MemoryStream::Free() {
    Clear();
    ScriptObject::Free();
}

FileStream::FileStream(const std::string& fileName, int mode)
    : ByteStream("TFileStream"), fileName_(fileName) {
    // A device or a pipe is no file to seek in, and opening a pipe waits for
    // its other end without end.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(fileName, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        if (mode == kCreate)
            rq::base::raiseCannotCreateFile(fileName, "Not a regular file");
        rq::base::raiseCannotOpenFile(fileName, "Not a regular file");
    }
    if (mode == kCreate) {
        file_ = std::fopen(fileName.c_str(), "w+b");
        if (file_ == nullptr)
            rq::base::raiseCannotCreateFile(fileName, std::strerror(errno));
        writable_ = true;
        return;
    }
    const int access = mode & 3;
    writable_ = access == kOpenWrite || access == kOpenReadWrite;
    file_ = std::fopen(fileName.c_str(), writable_ ? "r+b" : "rb");
    if (file_ == nullptr)
        rq::base::raiseCannotOpenFile(fileName, std::strerror(errno));
}

FileStream::~FileStream() {
    if (file_ != nullptr)
        std::fclose(file_);
}

std::string FileStream::Read(std::int64_t count) {
    const std::int64_t n = std::clamp<std::int64_t>(count, 0, Size() - position_);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    std::fseek(file_, static_cast<long>(position_), SEEK_SET);
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file_);
    bytes.resize(got);
    position_ += static_cast<std::int64_t>(got);
    return bytes;
}

std::int64_t FileStream::Write(const std::string& bytes) {
    if (!writable_)
        raiseStreamWriteError();
    CheckSize(position_ + static_cast<std::int64_t>(bytes.size()));
    std::fseek(file_, static_cast<long>(position_), SEEK_SET);
    const std::size_t put = std::fwrite(bytes.data(), 1, bytes.size(), file_);
    if (put != bytes.size())
        raiseStreamWriteError();
    position_ += static_cast<std::int64_t>(put);
    return static_cast<std::int64_t>(put);
}

std::int64_t FileStream::Size() {
    std::fseek(file_, 0, SEEK_END);
    return std::ftell(file_);
}

void FileStream::SetSize(std::int64_t size) {
    CheckSize(size);
    const std::int64_t current = Size();
    if (size > current) {
        const std::int64_t saved = position_;
        position_ = current;
        Write(std::string(static_cast<std::size_t>(size - current), '\0'));
        position_ = saved;
    } else if (size < current) {
        std::fflush(file_);
        std::error_code error;
        std::filesystem::resize_file(fileName_, static_cast<std::uintmax_t>(size), error);
        if (error)
            raiseStreamWriteError();
        position_ = std::min(position_, size);
    }
}

void FileStream::Free() {
    if (file_ != nullptr)
        std::fclose(file_);
    file_ = nullptr;
    ScriptObject::Free();
}

} // namespace rq::script
