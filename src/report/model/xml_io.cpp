// The XML text form: buffered writer and tag-collecting block reader.
#include "report/model/xml_io.h"

#include "base/text1250.h"

#include <algorithm>

namespace rq::report::model {
namespace {

constexpr std::string_view kUnloadMarker = "ld=\"0\"";
constexpr std::size_t kFlushSize = 4096;

// Removes the ld="0" marker (and the blank before it); true when present.
bool takeUnloadMarker(std::string& text) {
    std::size_t at = text.find(kUnloadMarker);
    if (at == std::string::npos)
        return false;
    std::size_t length = kUnloadMarker.size();
    if (at > 0 && text[at - 1] == ' ') {
        --at;
        ++length;
    }
    text.erase(at, length);
    return true;
}

} // namespace

void XmlWriter::put(std::string_view text) {
    buffer_ += text;
    if (buffer_.size() > kFlushSize)
        flush();
}

void XmlWriter::flush() {
    if (!buffer_.empty())
        stream_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
}

// Two blanks a level; levels deeper than any report has (only outside input
// nests so deep) share one column, so that the text stays linear in the
// document's size.
void XmlWriter::lineStart(int level) {
    constexpr int kMaxIndentLevels = 64;
    if (autoIndent_)
        put(std::string(static_cast<std::size_t>(std::min(level, kMaxIndentLevels)) * 2, ' '));
}

void XmlWriter::lineEnd() {
    if (autoIndent_)
        put("\r\n");
}

void XmlWriter::writeHeader() {
    put("<?xml version=\"1.0\" encoding=\"utf-8\"?>");
    lineEnd();
}

void XmlWriter::startTag(const TfrxXMLItem& item, int level) {
    std::string text = item.Text();
    if (item.Unloadable)
        text += " " + std::string(kUnloadMarker);
    if (!text.empty() && text[0] != ' ')
        text.insert(0, " ");
    lineStart(level);
    put("<");
    put(item.Name());
    put(text);
    put(item.Count() > 0 ? ">" : "/>");
    lineEnd();
}

void XmlWriter::endTag(const TfrxXMLItem& item, int level) {
    lineStart(level);
    put("</");
    put(item.Name());
    put(">");
    lineEnd();
}

void XmlWriter::writeElement(TfrxXMLItem& root) {
    struct Open {
        TfrxXMLItem* item;
        int next;
        bool reloaded; // brought back from the temporary file for writing
    };
    std::vector<Open> stack;
    auto open = [&](TfrxXMLItem& item) {
        const bool reload = !item.Loaded && document_;
        if (reload)
            document_->LoadItem(item);
        startTag(item, static_cast<int>(stack.size()));
        stack.push_back({&item, 0, reload});
    };
    open(root);
    while (!stack.empty()) {
        Open& top = stack.back();
        if (top.next < top.item->Count()) {
            open(top.item->Items(top.next++));
            continue;
        }
        const Open done = top;
        stack.pop_back();
        if (done.item->Count() > 0)
            endTag(*done.item, static_cast<int>(stack.size()));
        if (done.reloaded) {
            done.item->Clear();
            done.item->Loaded = false;
        }
    }
}

bool XmlReader::nextChar(char& c) {
    if (pos_ == size_) {
        stream_.read(block_, sizeof block_);
        size_ = static_cast<std::size_t>(stream_.gcount());
        pos_ = 0;
        if (size_ == 0)
            return false;
    }
    c = block_[pos_++];
    return true;
}

void XmlReader::skipComment() {
    char before2 = 0, before1 = 0, c = 0;
    for (;;) {
        if (!nextChar(c))
            raiseInvalidFileFormat();
        if (c == '>' && before1 == '-' && before2 == '-')
            return;
        before2 = before1;
        before1 = c;
    }
}

bool XmlReader::nextTag(std::string& tag) {
    for (;;) {
        char c = 0;
        do {
            if (!nextChar(c))
                return false;
        } while (c != '<');
        tag.clear();
        bool comment = false;
        for (;;) {
            if (!nextChar(c) || c == '<')
                raiseInvalidFileFormat();
            if (c == '>')
                break;
            tag += c;
            if (tag.size() == 3 && tag == "!--") {
                skipComment();
                comment = true;
                break;
            }
        }
        if (!comment)
            return true;
    }
}

bool XmlReader::readElement(TfrxXMLItem& item, TfrxXMLDocument* unload) {
    std::vector<TfrxXMLItem*> stack;
    std::string tag;
    auto finish = [&](TfrxXMLItem& done) {
        if (unload && done.Unloadable)
            unload->UnloadItem(done);
    };
    while (nextTag(tag)) {
        if (!tag.empty() && tag[0] == '/') {
            if (stack.empty() ||
                !base::sameText(std::string_view(tag).substr(1), stack.back()->Name()))
                raiseInvalidFileFormat();
            TfrxXMLItem& done = *stack.back();
            stack.pop_back();
            finish(done);
            if (stack.empty())
                return true;
            continue;
        }
        if (!tag.empty() && tag.back() == ' ')
            tag.pop_back();
        const std::size_t blank = tag.find(' ');
        std::string name = tag.substr(0, blank);
        std::string text = blank == std::string::npos ? std::string() : tag.substr(blank + 1);
        bool empty = false;
        if (!name.empty() && name.back() == '/') {
            name.pop_back();
            empty = true;
        } else if (!text.empty() && text.back() == '/') {
            text.pop_back();
            empty = true;
        }
        TfrxXMLItem& target = stack.empty() ? item : stack.back()->Add();
        target.Unloadable = takeUnloadMarker(text);
        target.SetName(std::move(name));
        target.SetText(std::move(text));
        if (!empty) {
            stack.push_back(&target);
            continue;
        }
        finish(target);
        if (stack.empty())
            return true;
    }
    // A document cut short leaves elements open: what was read of them is
    // not the document, so nothing of it may pass for a loaded report.
    if (!stack.empty())
        raiseInvalidFileFormat();
    return false;
}

} // namespace rq::report::model
