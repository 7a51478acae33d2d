// The small XML dialect of grammars and of the intermediate program (IL):
// items keep their attributes as the raw text written after the tag name and
// look values up in it on demand; values use numeric character references
// only, with a fixed set of escaped characters.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rq::script {

class TfsXMLItem {
public:
    TfsXMLItem() = default;
    ~TfsXMLItem();
    TfsXMLItem(const TfsXMLItem&) = delete;
    TfsXMLItem& operator=(const TfsXMLItem&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    // Everything between the name and the end of the tag, as written.
    const std::string& Text() const { return text_; }
    void SetText(std::string text) { text_ = std::move(text); }
    TfsXMLItem* Parent() const { return parent_; }
    void* Data() const { return data_; }
    void SetData(void* data) { data_ = data; }

    int Count() const { return static_cast<int>(items_.size()); }
    TfsXMLItem& operator[](int index) const { return *items_[static_cast<std::size_t>(index)]; }

    TfsXMLItem& Add();
    // Appends a deep copy of item as the last child.
    TfsXMLItem& AddCopy(const TfsXMLItem& item);
    void Clear();
    // Index of the first child of that name (any case), -1 when none.
    int Find(std::string_view name) const;
    // The first child of that name, appended empty when there is none.
    TfsXMLItem& FindItem(std::string_view name);

    // Value of the attribute name in the raw text, references decoded; empty
    // when the attribute is absent.
    std::string Prop(std::string_view name) const;
    bool HasProp(std::string_view name) const;

private:
    std::string name_;                               // element name as written
    std::string text_;                               // raw attribute text
    std::vector<std::unique_ptr<TfsXMLItem>> items_; // children in document order
    TfsXMLItem* parent_ = nullptr;                   // enclosing element, null for the root
    void* data_ = nullptr;                           // untyped reference for the item's user
};

class TfsXMLDocument {
public:
    TfsXMLItem& Root() { return root_; }
    const TfsXMLItem& Root() const { return root_; }
    // Reads a whole document; raises "Invalid file format" when malformed.
    void LoadFromString(std::string_view text);
    // The document with an XML declaration, one tag a line.
    std::string SaveToString() const;

private:
    TfsXMLItem root_; // the first element after the declaration
};

// Value escaping for writing: line feed, carriage return, double quote,
// less-than, greater-than and ampersand become "&#NN;".
std::string StrToXML(std::string_view value);
// Replaces every "&#NN;" by the character of that code.
std::string XMLToStr(std::string_view value);

} // namespace rq::script
