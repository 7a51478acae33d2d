// The XML element and document model of report streams. An element keeps
// its attribute part as one unparsed text, parsed only when an object is
// rebuilt from it. Elements marked Unloadable can be swapped out: their
// children move to the document's temporary file and come back on demand.
// Reading and writing are iterative, so nesting depth is bounded only by
// memory, never by the stack.
#pragma once

#include <cstdint>
#include <fstream>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rq::report::model {

class TfrxXMLItem {
public:
    TfrxXMLItem() = default;
    ~TfrxXMLItem();
    TfrxXMLItem(const TfrxXMLItem&) = delete;
    TfrxXMLItem& operator=(const TfrxXMLItem&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string v) { name_ = std::move(v); }
    // The raw attribute part of the start tag.
    const std::string& Text() const { return text_; }
    void SetText(std::string v) { text_ = std::move(v); }

    int Count() const { return static_cast<int>(children_.size()); }
    TfrxXMLItem& Items(int index) const { return *children_[static_cast<std::size_t>(index)]; }
    TfrxXMLItem* Parent() const { return parent_; }
    int IndexOf(const TfrxXMLItem& child) const; // -1 when not a child

    TfrxXMLItem& Add();
    TfrxXMLItem& AddItem(std::unique_ptr<TfrxXMLItem> item);
    TfrxXMLItem& InsertItem(int index, std::unique_ptr<TfrxXMLItem> item);
    // Moves this element to the end of another parent (or at index).
    void MoveTo(TfrxXMLItem& newParent, int index = -1);
    // Takes this element out of its parent; the caller owns it.
    std::unique_ptr<TfrxXMLItem> Detach();
    // Index of the first child with that name (case-insensitive), or -1.
    int Find(std::string_view name) const;
    // The first child with that name, created at the end when missing.
    TfrxXMLItem& FindItem(std::string_view name);
    void Clear();

    // Attribute value (unescaped) by case-insensitive name; "" when absent.
    std::string Prop(std::string_view name) const;
    // Replaces the attribute in place or appends it; the value is escaped.
    void SetProp(std::string_view name, std::string_view value);

    bool Loaded = true;      // false while the children live in the temporary file
    bool Unloadable = false; // may be moved to the temporary file
    std::int64_t Offset = 0; // where the unloaded element starts in that file

private:
    std::string name_;
    std::string text_;
    std::vector<std::unique_ptr<TfrxXMLItem>> children_;
    TfrxXMLItem* parent_ = nullptr;
};

class TfrxXMLDocument {
public:
    TfrxXMLDocument() = default;
    ~TfrxXMLDocument();
    TfrxXMLDocument(const TfrxXMLDocument&) = delete;
    TfrxXMLDocument& operator=(const TfrxXMLDocument&) = delete;

    TfrxXMLItem& Root() { return root_; }
    const TfrxXMLItem& Root() const { return root_; }
    bool AutoIndent = false;
    // Folder of the temporary file; empty: the system's temporary folder.
    std::string TempDir;

    // Frees the root's children and attributes and deletes the temporary file.
    void Clear();
    void SaveToStream(std::ostream& stream);
    // Raises "Invalid file format" on malformed input. With partial loading
    // allowed, elements marked ld="0" are swapped out as soon as read.
    void LoadFromStream(std::istream& stream, bool allowPartialLoading = false);
    // Swaps a loaded Unloadable element out; nothing for any other element.
    void UnloadItem(TfrxXMLItem& item);
    // Brings a swapped-out element's children back.
    void LoadItem(TfrxXMLItem& item);

private:
    std::fstream& tempStream();
    void deleteTempFile();

    TfrxXMLItem root_;
    std::string tempFileName_;
    std::fstream tempStream_;
};

// The six escaped characters (LF, CR, ", &, <, >) as "&#" code ";".
std::string escapeXml(std::string_view text);
// Every "&#" digits ";" with a code up to 255 becomes that byte.
std::string unescapeXml(std::string_view text);
// Raises rq::base::Exception("Invalid file format").
[[noreturn]] void raiseInvalidFileFormat();

} // namespace rq::report::model
