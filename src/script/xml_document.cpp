// Reader, writer and attribute lookup of the grammar/IL XML dialect.
#include "script/xml_document.h"

#include "base/text1250.h"
#include "script/errors.h"

#include <algorithm>

namespace rq::script {

using rq::base::sameText;
using rq::base::upperCase;

// Documents come from outside (a script's XML classes read any file), so
// their depth is the input's to decide: items are released, copied and
// written from work lists, never by recursion.
TfsXMLItem::~TfsXMLItem() {
    Clear();
}

void TfsXMLItem::Clear() {
    std::vector<std::unique_ptr<TfsXMLItem>> work = std::move(items_);
    items_.clear();
    while (!work.empty()) {
        std::unique_ptr<TfsXMLItem> item = std::move(work.back());
        work.pop_back();
        for (auto& child : item->items_)
            work.push_back(std::move(child));
        item->items_.clear(); // item goes childless, so its destructor is shallow
    }
}

TfsXMLItem& TfsXMLItem::Add() {
    items_.push_back(std::make_unique<TfsXMLItem>());
    items_.back()->parent_ = this;
    return *items_.back();
}

TfsXMLItem& TfsXMLItem::AddCopy(const TfsXMLItem& item) {
    TfsXMLItem& top = Add();
    std::vector<std::pair<const TfsXMLItem*, TfsXMLItem*>> work{{&item, &top}};
    while (!work.empty()) {
        const auto [from, to] = work.back();
        work.pop_back();
        to->name_ = from->name_;
        to->text_ = from->text_;
        for (const auto& child : from->items_)
            work.emplace_back(child.get(), &to->Add());
    }
    return top;
}

int TfsXMLItem::Find(std::string_view name) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (sameText(items_[i]->name_, name))
            return static_cast<int>(i);
    }
    return -1;
}

TfsXMLItem& TfsXMLItem::FindItem(std::string_view name) {
    const int index = Find(name);
    if (index >= 0)
        return (*this)[index];
    TfsXMLItem& item = Add();
    item.name_ = name;
    return item;
}

namespace {

// Index in text of the first character of the attribute's value, npos when
// absent. The search runs on the upper-cased text with a blank in front, so
// that "text" never matches inside "addtext".
std::size_t ValueStart(const std::string& text, std::string_view name) {
    const std::string haystack = " " + upperCase(text);
    const std::string needle = " " + upperCase(name) + "=\"";
    const std::size_t at = haystack.find(needle);
    return at == std::string::npos ? at : at + needle.size() - 1;
}

} // namespace

bool TfsXMLItem::HasProp(std::string_view name) const {
    return ValueStart(text_, name) != std::string::npos;
}

std::string TfsXMLItem::Prop(std::string_view name) const {
    const std::size_t from = ValueStart(text_, name);
    if (from == std::string::npos)
        return {};
    const std::size_t to = text_.find('"', from);
    if (to == std::string::npos)
        return XMLToStr(std::string_view(text_).substr(from));
    return XMLToStr(std::string_view(text_).substr(from, to - from));
}

std::string StrToXML(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        switch (c) {
        case '\n':
        case '\r':
        case '"':
        case '<':
        case '>':
        case '&':
            out += "&#" + std::to_string(static_cast<unsigned char>(c)) + ';';
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string XMLToStr(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '&' && i + 1 < value.size() && value[i + 1] == '#') {
            std::size_t j = i + 2;
            unsigned code = 0;
            while (j < value.size() && value[j] >= '0' && value[j] <= '9' && j - i < 8)
                code = code * 10 + static_cast<unsigned>(value[j++] - '0');
            if (j > i + 2 && j < value.size() && value[j] == ';') {
                out += static_cast<char>(code & 0xFF);
                i = j;
                continue;
            }
        }
        out += value[i];
    }
    return out;
}

namespace {

// Walks a document text tag by tag; text between tags is ignored.
class TfsXMLReader {
public:
    explicit TfsXMLReader(std::string_view text) : text_(text) {}

    // The next tag's content without the angle brackets; false at the end.
    bool ReadTag(std::string& tag) {
        for (;;) {
            const std::size_t open = text_.find('<', pos_);
            if (open == std::string_view::npos)
                return false;
            if (text_.substr(open + 1, 3) == "!--") {
                const std::size_t close = text_.find("-->", open + 4);
                if (close == std::string_view::npos)
                    return false;
                pos_ = close + 3;
                continue;
            }
            const std::size_t close = text_.find_first_of("<>", open + 1);
            if (close == std::string_view::npos || text_[close] == '<')
                raiseInvalidFileFormat();
            tag.assign(text_.substr(open + 1, close - open - 1));
            pos_ = close + 1;
            return true;
        }
    }

private:
    std::string_view text_; // the whole document
    std::size_t pos_ = 0;   // index of the next unread character
};

// Splits a tag into the item's name and raw text; true when the tag closes
// the element at once ("<name .../>").
bool SplitTag(const std::string& tag, TfsXMLItem& item) {
    std::string name = tag;
    std::string text;
    const std::size_t blank = tag.find(' ');
    if (blank != std::string::npos) {
        name = tag.substr(0, blank);
        text = tag.substr(blank + 1);
        if (!text.empty() && text.back() == ' ')
            text.pop_back();
    }
    bool closed = false;
    if (!text.empty() && text.back() == '/') {
        text.pop_back();
        closed = true;
    } else if (text.empty() && !name.empty() && name.back() == '/') {
        name.pop_back();
        closed = true;
    }
    item.SetName(std::move(name));
    item.SetText(std::move(text));
    return closed;
}

} // namespace

void TfsXMLDocument::LoadFromString(std::string_view text) {
    root_.Clear();
    TfsXMLReader reader(text);
    std::string tag;
    if (!reader.ReadTag(tag) || tag.compare(0, 4, "?xml") != 0)
        raiseInvalidFileFormat();
    if (!reader.ReadTag(tag) || tag.empty() || tag[0] == '/')
        raiseInvalidFileFormat();
    // An explicit stack of open elements keeps deep documents off the call stack.
    std::vector<TfsXMLItem*> open;
    if (!SplitTag(tag, root_))
        open.push_back(&root_);
    while (!open.empty()) {
        if (!reader.ReadTag(tag))
            raiseInvalidFileFormat();
        if (!tag.empty() && tag[0] == '/') {
            if (!sameText(std::string_view(tag).substr(1), open.back()->Name()))
                raiseInvalidFileFormat();
            open.pop_back();
            continue;
        }
        TfsXMLItem& child = open.back()->Add();
        if (!SplitTag(tag, child))
            open.push_back(&child);
    }
}

namespace {

constexpr std::size_t kMaxIndentLevels = 64;

void WriteItem(const TfsXMLItem& root, std::string& out) {
    struct Open {
        const TfsXMLItem* item;
        int next; // index of the next child to write
    };
    std::vector<Open> open{{&root, -1}};
    while (!open.empty()) {
        Open& top = open.back();
        const TfsXMLItem& item = *top.item;
        // Two blanks a level, up to a limit: deeper levels share one column,
        // so that the text stays linear in the document's size.
        const auto indent = std::min<std::size_t>(open.size() - 1, kMaxIndentLevels) * 2;
        if (top.next < 0) {
            out.append(indent, ' ');
            out += '<' + item.Name();
            if (!item.Text().empty())
                out += ' ' + item.Text();
            out += item.Count() == 0 ? "/>\n" : ">\n";
        }
        if (++top.next < item.Count()) {
            open.push_back({&item[top.next], -1});
            continue;
        }
        if (item.Count() > 0) {
            out.append(indent, ' ');
            out += "</" + item.Name() + ">\n";
        }
        open.pop_back();
    }
}

} // namespace

std::string TfsXMLDocument::SaveToString() const {
    std::string out = "<?xml version=\"1.0\"?>\n";
    WriteItem(root_, out);
    return out;
}

} // namespace rq::script
