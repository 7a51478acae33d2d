// TPicture's defined-data encoding and the image header reader.
#include "report/model/picture.h"
#include "report/model/read_error.h"

#include "base/exceptions.h"

#include <cstdint>

namespace rq::report::model {
namespace {

std::uint32_t be16(std::string_view d, std::size_t at) {
    return (std::uint32_t{static_cast<std::uint8_t>(d[at])} << 8) |
           std::uint32_t{static_cast<std::uint8_t>(d[at + 1])};
}

std::uint32_t le32(std::string_view d, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(d[at + static_cast<std::size_t>(i)]);
    return v;
}

std::uint32_t be32(std::string_view d, std::size_t at) {
    return (be16(d, at) << 16) | be16(d, at + 2);
}

// Start-of-frame markers carry the size: C0..CF except C4 (Huffman
// tables), C8 (reserved) and CC (arithmetic conditioning).
bool isStartOfFrame(std::uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool jpegSize(std::string_view d, int& width, int& height) {
    std::size_t at = 2;
    while (at + 4 <= d.size()) {
        if (static_cast<std::uint8_t>(d[at]) != 0xFF)
            return false;
        const auto marker = static_cast<std::uint8_t>(d[at + 1]);
        if (marker == 0xFF) {
            ++at;
            continue;
        }
        const std::uint32_t length = be16(d, at + 2);
        if (isStartOfFrame(marker)) {
            if (at + 9 > d.size())
                return false;
            height = static_cast<int>(be16(d, at + 5));
            width = static_cast<int>(be16(d, at + 7));
            return true;
        }
        at += 2 + length;
    }
    return false;
}

} // namespace

bool graphicSize(std::string_view d, int& width, int& height) {
    if (d.size() >= 4 && d.substr(0, 2) == "\xFF\xD8")
        return jpegSize(d, width, height);
    if (d.size() >= 24 && d.substr(0, 8) == "\x89PNG\r\n\x1A\n") {
        width = static_cast<int>(be32(d, 16) & 0x7FFFFFFF);
        height = static_cast<int>(be32(d, 20) & 0x7FFFFFFF);
        return true;
    }
    if (d.size() >= 26 && d.substr(0, 2) == "BM") {
        width = static_cast<int>(le32(d, 18) & 0x7FFFFFFF);
        const auto h = static_cast<std::int32_t>(le32(d, 22));
        height = h == INT32_MIN ? 0 : (h < 0 ? -h : h);
        return true;
    }
    return false;
}

const ClassInfo& TPicture::StaticClass() {
    static const ClassInfo info("TPicture", nullptr, {});
    return info;
}

void TPicture::SetGraphic(std::string className, std::string data) {
    className_ = std::move(className);
    if (className_.size() > 255) // the encoding gives the name one length byte
        className_.resize(255);
    data_ = className_.empty() ? std::string() : std::move(data);
    width_ = height_ = 0;
    if (!graphicSize(data_, width_, height_))
        width_ = height_ = 0;
    if (OnChange)
        OnChange();
}

std::string TPicture::DefinedData() const {
    if (Empty())
        return {};
    std::string out;
    out += static_cast<char>(className_.size());
    out += className_;
    const auto n = static_cast<std::uint32_t>(data_.size());
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((n >> (8 * i)) & 0xFF);
    out += data_;
    return out;
}

void TPicture::ReadDefinedData(std::string_view d) {
    if (d.empty()) {
        Clear();
        return;
    }
    const std::size_t nameLength = static_cast<std::uint8_t>(d[0]);
    if (nameLength == 0 || d.size() < 1 + nameLength + 4)
        raiseStreamReadError();
    const std::uint32_t dataLength = le32(d, 1 + nameLength);
    if (d.size() - (1 + nameLength + 4) != dataLength)
        raiseStreamReadError();
    SetGraphic(std::string(d.substr(1, nameLength)), std::string(d.substr(5 + nameLength)));
}

} // namespace rq::report::model
