// TfrxXMLSerializer: report objects to XML elements and back, entirely
// through the property registry. Attribute text of an object lists its
// stored published properties (dotted names for sub-objects, ".Text" for
// string lists, "PropData" for defined data); reading applies attributes
// one by one, collecting failures in its error list instead of stopping.
#pragma once

#include "report/model/component.h"
#include "report/model/sorted_list.h"
#include "report/model/xml_document.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace rq::report::model {

class TfrxXMLSerializer {
public:
    // owner resolves object references (ObjectByName) after a read.
    explicit TfrxXMLSerializer(TfrxComponent* owner = nullptr) : owner_(owner) {}

    bool SerializeDefaultValues = false;
    // Collection items: string values travel with bytes from 0x80 up
    // written as 0x01 and the byte minus 0x80.
    bool TransformHighBytes = false;
    SortedStringList& Errors() { return errors_; }

    // --- writing ------------------------------------------------------------
    // Stored published properties as " name=\"value\"" pairs, names prefixed.
    std::string ObjAttributes(const Persistent& object, std::string_view prefix = {}) const;
    // The class name followed by the object's attributes.
    std::string ClassAndAttributes(const TfrxComponent& object) const;
    // Element name = class name; attributes = Name then the properties.
    void WriteComponent(const TfrxComponent& object, bool withChildren, TfrxXMLItem& item,
                        const std::string* rootName = nullptr) const;
    // A whole document (AutoIndent on) with the object as its root element,
    // written with rootName in place of its own name.
    void WriteRootComponent(const TfrxComponent& object, bool withChildren, std::ostream& stream,
                            const std::string& rootName) const;

    // --- reading ------------------------------------------------------------
    // Applies the element to object and creates its children from the
    // child elements; then resolves references and ends the loading state.
    void ReadComponent(TfrxComponent& object, const TfrxXMLItem& item);
    void ReadRootComponent(TfrxComponent& object, std::istream& stream);
    // Applies attribute text to any persistent object.
    void ReadPersistentStr(Persistent& object, std::string_view attributes);
    // "ClassName attributes": a new object appended to parent (nullptr and
    // an error line when the class is unknown). Loading ends at once.
    TfrxComponent* ObjFromText(TfrxComponent& parent, std::string_view text);

private:
    struct Fixup {
        Persistent* object;
        const PropInfo* property;
        std::string name;
    };

    void writeProperty(const Persistent& object, const PropInfo& p, std::string_view prefix,
                       std::string& out) const;
    std::string stringValue(std::string value) const;
    void applyAttribute(Persistent& object, std::string_view name, std::string_view value);
    void setProperty(Persistent& object, const PropInfo& p, std::string_view value);
    TfrxComponent* createChild(TfrxComponent& parent, const TfrxXMLItem& item);
    void beginObject(TfrxComponent& object, std::string_view attributes);
    void finishRead();

    TfrxComponent* owner_;
    SortedStringList errors_;
    std::vector<Fixup> fixups_;
    std::vector<ComponentRef> read_;
};

// Upper-case hexadecimal of bytes, and back ("Stream read error" when malformed).
std::string toHex(std::string_view bytes);
std::string fromHex(std::string_view hex);

// The defined-data form of the report's collections: for each collection
// its name (length byte first), its item count (four bytes, least
// significant first) and each item's attribute text (length, then text).
class CollectionWriter {
public:
    void write(std::string_view name, const std::vector<const Persistent*>& items);
    const std::string& data() const { return out_; }

private:
    std::string out_;
};

class CollectionReader {
public:
    explicit CollectionReader(std::string_view data) : data_(data) {}
    // Reads the next collection, which must carry that name; add makes an item.
    void read(std::string_view name, const std::function<Persistent&()>& add);

private:
    std::uint32_t readCount();
    std::string_view readBytes(std::size_t n);

    std::string_view data_;
    std::size_t pos_ = 0;
};

// Difference attributes of a prepared copy against its reference copy.
// Two numbers differ when they are more than 0.0001 apart.
std::string DiffAttributes(const TfrxComponent& object, const TfrxComponent& reference);
// The first row group only: bounds, Visible, font, ParentFont, Tag.
std::string ShortDiffAttributes(const TfrxComponent& object, const TfrxComponent& reference);

} // namespace rq::report::model
