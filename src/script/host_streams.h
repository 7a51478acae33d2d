// Byte streams for scripts: TMemoryStream over a byte string and
// TFileStream over a file, with the Seek origins
// soFromBeginning 0, soFromCurrent 1, soFromEnd 2) and open modes
// (fmCreate 65535, fmOpenRead 0, fmOpenWrite 1, fmOpenReadWrite 2; the share
// flags have no meaning here and are ignored).
#pragma once

#include "script/host_objects.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace rq::script {

class ByteStream : public ScriptObject {
public:
    using ScriptObject::ScriptObject;
    // Up to count bytes from the position on; the position moves past them.
    virtual std::string Read(std::int64_t count) = 0;
    // Writes at the position, extending the stream; returns bytes written.
    virtual std::int64_t Write(const std::string& bytes) = 0;
    virtual std::int64_t Size() = 0;
    virtual void SetSize(std::int64_t size) = 0;
    std::int64_t Position() const { return position_; }
    // The new position, clamped to 0 .. Size.
    std::int64_t Seek(std::int64_t offset, int origin);
    void SetPosition(std::int64_t position) { Seek(position, 0); }
    // Copies count bytes from source's position (0: the whole source from its start).
    std::int64_t CopyFrom(ByteStream& source, std::int64_t count);

protected:
    std::int64_t position_ = 0;
};

class MemoryStream : public ByteStream {
public:
    MemoryStream() : ByteStream("TMemoryStream") {}
    std::string Read(std::int64_t count) override;
    std::int64_t Write(const std::string& bytes) override;
    std::int64_t Size() override { return static_cast<std::int64_t>(data_.size()); }
    void SetSize(std::int64_t size) override;
    void Clear();
    const std::string& Data() const { return data_; }
    void LoadFromStream(ByteStream& source);
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;
    void Free() override;

private:
    std::string data_;
};

class FileStream : public ByteStream {
public:
    // Raises "Cannot create file \"NAME\". REASON" / "Cannot open file ..." when
    // the file cannot be made or opened in that mode.
    FileStream(const std::string& fileName, int mode);
    ~FileStream() override;
    std::string Read(std::int64_t count) override;
    std::int64_t Write(const std::string& bytes) override;
    std::int64_t Size() override;
    void SetSize(std::int64_t size) override;
    void Free() override;

private:
    std::string fileName_;
    std::FILE* file_ = nullptr;
    bool writable_ = false;
};

} // namespace rq::script
