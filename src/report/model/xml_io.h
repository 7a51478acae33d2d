// The text form of XML documents: the buffered writer and the block
// reader that collects tags. Used by TfrxXMLDocument for streams and for
// its temporary file.
#pragma once

#include "report/model/xml_document.h"

#include <istream>
#include <ostream>

namespace rq::report::model {

// Writes elements; output is flushed to the stream in pieces above 4096
// characters. Swapped-out elements are brought back from the document just
// for writing and dropped again afterwards.
class XmlWriter {
public:
    XmlWriter(std::ostream& stream, bool autoIndent, TfrxXMLDocument* document)
        : stream_(stream), autoIndent_(autoIndent), document_(document) {}
    ~XmlWriter() { flush(); }
    void writeHeader();
    void writeElement(TfrxXMLItem& item);
    void flush();

private:
    void put(std::string_view text);
    void startTag(const TfrxXMLItem& item, int level);
    void endTag(const TfrxXMLItem& item, int level);
    void lineStart(int level);
    void lineEnd();

    std::ostream& stream_;
    bool autoIndent_;
    TfrxXMLDocument* document_;
    std::string buffer_;
};

// Reads tags from 4096-byte blocks; text between tags is skipped.
class XmlReader {
public:
    explicit XmlReader(std::istream& stream) : stream_(stream) {}
    // The next tag without "<" and ">" (comments skipped); false at the end
    // of the stream. "Invalid file format" for a "<" inside a tag or an end
    // of stream inside one.
    bool nextTag(std::string& tag);
    // Reads one element (and its children) into item. Returns false when
    // the stream ended before any element; "Invalid file format" when it
    // ends inside one (an element left unclosed). With unload set, elements
    // marked ld="0" are handed to it as soon as they are complete.
    bool readElement(TfrxXMLItem& item, TfrxXMLDocument* unload = nullptr);

private:
    bool nextChar(char& c);
    void skipComment();

    std::istream& stream_;
    char block_[4096];
    std::size_t pos_ = 0;
    std::size_t size_ = 0;
};

} // namespace rq::report::model
