// TfrxXMLItem: children, attribute access on the unparsed attribute text,
// and the character escaping of attribute values.
#include "report/model/xml_document.h"

#include "base/exceptions.h"
#include "base/text1250.h"

#include <algorithm>

namespace rq::report::model {

void raiseInvalidFileFormat() {
    throw base::Exception("Invalid file format");
}

std::string escapeXml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\n':
            out += "&#10;";
            break;
        case '\r':
            out += "&#13;";
            break;
        case '"':
            out += "&#34;";
            break;
        case '&':
            out += "&#38;";
            break;
        case '<':
            out += "&#60;";
            break;
        case '>':
            out += "&#62;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Decodes "&#" digits ";" at text[i]; returns the length consumed or 0.
std::size_t decodeEntity(std::string_view text, std::size_t i, char& byte) {
    if (text.substr(i, 2) != "&#")
        return 0;
    std::size_t j = i + 2;
    unsigned code = 0;
    while (j < text.size() && isDigit(text[j])) {
        code = code * 10 + static_cast<unsigned>(text[j] - '0');
        if (code > 255)
            return 0;
        ++j;
    }
    if (j == i + 2 || j >= text.size() || text[j] != ';')
        return 0;
    byte = static_cast<char>(code);
    return j + 1 - i;
}

} // namespace

std::string unescapeXml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char byte = 0;
        if (const std::size_t n = decodeEntity(text, i, byte)) {
            out += byte;
            i += n;
        } else {
            out += text[i++];
        }
    }
    return out;
}

TfrxXMLItem::~TfrxXMLItem() {
    Clear();
}

void TfrxXMLItem::Clear() {
    // Children are dismantled through a work list, not recursively, so a
    // deeply nested document cannot exhaust the stack.
    std::vector<std::unique_ptr<TfrxXMLItem>> work;
    for (auto& child : children_)
        work.push_back(std::move(child));
    children_.clear();
    while (!work.empty()) {
        std::unique_ptr<TfrxXMLItem> item = std::move(work.back());
        work.pop_back();
        for (auto& child : item->children_)
            work.push_back(std::move(child));
        item->children_.clear();
    }
}

int TfrxXMLItem::IndexOf(const TfrxXMLItem& child) const {
    for (std::size_t i = 0; i < children_.size(); ++i) {
        if (children_[i].get() == &child)
            return static_cast<int>(i);
    }
    return -1;
}

TfrxXMLItem& TfrxXMLItem::Add() {
    return AddItem(std::make_unique<TfrxXMLItem>());
}

TfrxXMLItem& TfrxXMLItem::AddItem(std::unique_ptr<TfrxXMLItem> item) {
    return InsertItem(Count(), std::move(item));
}

TfrxXMLItem& TfrxXMLItem::InsertItem(int index, std::unique_ptr<TfrxXMLItem> item) {
    item->parent_ = this;
    auto at = children_.begin() + std::clamp(index, 0, Count());
    return **children_.insert(at, std::move(item));
}

void TfrxXMLItem::MoveTo(TfrxXMLItem& newParent, int index) {
    std::unique_ptr<TfrxXMLItem> self = Detach();
    if (!self)
        return;
    newParent.InsertItem(index < 0 ? newParent.Count() : index, std::move(self));
}

std::unique_ptr<TfrxXMLItem> TfrxXMLItem::Detach() {
    if (!parent_)
        return nullptr;
    const int i = parent_->IndexOf(*this);
    std::unique_ptr<TfrxXMLItem> self = std::move(parent_->children_[static_cast<size_t>(i)]);
    parent_->children_.erase(parent_->children_.begin() + i);
    parent_ = nullptr;
    return self;
}

int TfrxXMLItem::Find(std::string_view name) const {
    for (std::size_t i = 0; i < children_.size(); ++i) {
        if (base::sameText(children_[i]->name_, name))
            return static_cast<int>(i);
    }
    return -1;
}

TfrxXMLItem& TfrxXMLItem::FindItem(std::string_view name) {
    const int i = Find(name);
    if (i >= 0)
        return Items(i);
    TfrxXMLItem& item = Add();
    item.SetName(std::string(name));
    return item;
}

namespace {

// Position in text of the attribute's name, or npos. The match needs a
// blank (or the start) before the name and ="\ after it, in any case.
std::size_t findAttribute(std::string_view text, std::string_view name) {
    const std::string haystack = " " + base::upperCase(text);
    const std::string needle = " " + base::upperCase(name) + "=\"";
    // The match starts at the blank before the name in the haystack, which
    // is where the name itself starts in text.
    return haystack.find(needle);
}

} // namespace

std::string TfrxXMLItem::Prop(std::string_view name) const {
    const std::size_t at = findAttribute(text_, name);
    if (at == std::string::npos)
        return {};
    const std::size_t valueStart = at + name.size() + 2;
    const std::size_t valueEnd = text_.find('"', valueStart);
    if (valueEnd == std::string::npos)
        return unescapeXml(std::string_view(text_).substr(valueStart));
    return unescapeXml(std::string_view(text_).substr(valueStart, valueEnd - valueStart));
}

void TfrxXMLItem::SetProp(std::string_view name, std::string_view value) {
    const std::string attribute = std::string(name) + "=\"" + escapeXml(value) + "\"";
    std::size_t at = findAttribute(text_, name);
    if (at != std::string::npos) {
        const std::size_t valueEnd = text_.find('"', at + name.size() + 2);
        const std::size_t end = valueEnd == std::string::npos ? text_.size() : valueEnd + 1;
        text_.erase(at, end - at);
    } else {
        at = text_.size();
    }
    if (at > 0 && text_[at - 1] != ' ') {
        text_.insert(at, " ");
        ++at;
    }
    text_.insert(at, attribute);
}

} // namespace rq::report::model
