// TfrxXMLDocument: loading and saving whole documents and swapping
// elements out to and back from the temporary file.
#include "report/model/xml_document.h"

#include "base/exceptions.h"
#include "base/system_error.h"
#include "report/model/xml_io.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace rq::report::model {

TfrxXMLDocument::~TfrxXMLDocument() {
    deleteTempFile();
}

void TfrxXMLDocument::Clear() {
    root_.Clear();
    root_.SetName({});
    root_.SetText({});
    deleteTempFile();
}

void TfrxXMLDocument::SaveToStream(std::ostream& stream) {
    XmlWriter writer(stream, AutoIndent, this);
    writer.writeHeader();
    writer.writeElement(root_);
}

void TfrxXMLDocument::LoadFromStream(std::istream& stream, bool allowPartialLoading) {
    Clear();
    XmlReader reader(stream);
    std::string tag;
    if (!reader.nextTag(tag) || !tag.starts_with("?xml"))
        raiseInvalidFileFormat();
    // A document is its one root element; a header alone is no document.
    if (!reader.readElement(root_, allowPartialLoading ? this : nullptr))
        raiseInvalidFileFormat();
}

std::fstream& TfrxXMLDocument::tempStream() {
    if (tempStream_.is_open())
        return tempStream_;
    namespace fs = std::filesystem;
    const fs::path folder = TempDir.empty() ? fs::temp_directory_path() : fs::path(TempDir);
    std::string pattern = (folder / "rq0612-XXXXXX").string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        base::raiseCannotCreateFile(pattern, base::systemErrorText(errno));
    ::close(fd);
    tempFileName_ = pattern;
    tempStream_.open(tempFileName_,
                     std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc);
    if (!tempStream_)
        base::raiseCannotCreateFile(tempFileName_, base::systemErrorText(errno));
    return tempStream_;
}

void TfrxXMLDocument::deleteTempFile() {
    if (tempStream_.is_open())
        tempStream_.close();
    if (!tempFileName_.empty())
        std::remove(tempFileName_.c_str());
    tempFileName_.clear();
}

void TfrxXMLDocument::UnloadItem(TfrxXMLItem& item) {
    if (!item.Loaded || !item.Unloadable)
        return;
    // Written to memory first: writing may itself bring nested swapped-out
    // elements back from the same file.
    std::ostringstream text;
    {
        XmlWriter writer(text, false, this);
        writer.writeElement(item);
    }
    std::fstream& file = tempStream();
    file.clear();
    file.seekp(0, std::ios::end);
    item.Offset = static_cast<std::int64_t>(file.tellp());
    const std::string bytes = text.str();
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.flush();
    item.Clear();
    item.Loaded = false;
}

void TfrxXMLDocument::LoadItem(TfrxXMLItem& item) {
    if (item.Loaded)
        return;
    std::fstream& file = tempStream();
    file.clear();
    file.seekg(item.Offset);
    TfrxXMLItem copy;
    XmlReader reader(file);
    if (!reader.readElement(copy))
        raiseInvalidFileFormat();
    std::vector<std::unique_ptr<TfrxXMLItem>> children;
    while (copy.Count() > 0)
        children.push_back(copy.Items(copy.Count() - 1).Detach());
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        item.AddItem(std::move(*it));
    item.Loaded = true;
}

} // namespace rq::report::model
