// The report's collections as defined data, with the high-byte
// transformation around each item's string values.
#include "report/model/collections.h"
#include "report/model/read_error.h"
#include "report/model/serializer.h"

#include "base/exceptions.h"

namespace rq::report::model {
namespace {

void putCount(std::string& out, std::size_t n) {
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((n >> (8 * i)) & 0xFF);
}

// After reading: 0x01 followed by b becomes b + 0x80 in every string value.
void decodeItemStrings(Persistent& item) {
    for (const PropInfo* p : item.ClassType().properties()) {
        if (p->kind == PropKind::String) {
            p->setStr(item, decodeHighBytes(p->getStr(item)));
        } else if (p->kind == PropKind::Variant) {
            const base::Variant v = p->getVar(item);
            if (v.isString())
                p->setVar(item, base::Variant(decodeHighBytes(v.toString())));
        }
    }
}

} // namespace

void CollectionWriter::write(std::string_view name, const std::vector<const Persistent*>& items) {
    TfrxXMLSerializer serializer;
    serializer.TransformHighBytes = true;
    out_ += static_cast<char>(name.size());
    out_ += name;
    putCount(out_, items.size());
    for (const Persistent* item : items) {
        const std::string text = serializer.ObjAttributes(*item);
        putCount(out_, text.size());
        out_ += text;
    }
}

std::uint32_t CollectionReader::readCount() {
    const std::string_view bytes = readBytes(4);
    std::uint32_t n = 0;
    for (int i = 3; i >= 0; --i)
        n = (n << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
    return n;
}

std::string_view CollectionReader::readBytes(std::size_t n) {
    if (data_.size() - pos_ < n)
        raiseStreamReadError();
    const std::string_view bytes = data_.substr(pos_, n);
    pos_ += n;
    return bytes;
}

void CollectionReader::read(std::string_view name, const std::function<Persistent&()>& add) {
    const auto length = static_cast<unsigned char>(readBytes(1)[0]);
    if (readBytes(length) != name)
        raiseStreamReadError();
    const std::uint32_t count = readCount();
    TfrxXMLSerializer serializer;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::string_view text = readBytes(readCount());
        Persistent& item = add();
        serializer.ReadPersistentStr(item, text);
        decodeItemStrings(item);
    }
}

} // namespace rq::report::model
