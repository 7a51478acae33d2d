// Saving the prepared report: the source pages and the alias table are
// written into the document, then the whole document as one XML text.
#include "report/preview/preview_pages.h"
#include "report/preview/store_errors.h"

#include "report/model/serializer.h"

#include "base/exceptions.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace rq::report::preview {

void TfrxPreviewPages::SaveToStream(std::ostream& stream) {
    model::TfrxXMLSerializer serializer;
    model::TfrxXMLItem& pages = child("sourcepages");
    pages.Clear();
    for (const auto& page : sourcePages_)
        serializer.WriteComponent(*page, true, pages.Add());
    model::TfrxXMLItem& dictionary = child("dictionary");
    dictionary.Clear();
    for (int i = 0; i < dictionary_.Count(); ++i) {
        model::TfrxXMLItem& item = dictionary.Add();
        item.SetName(dictionary_.Alias(i));
        item.SetProp("name", dictionary_.SourceAt(i).fullName);
    }
    document_.SaveToStream(stream);
}

void TfrxPreviewPages::SaveToFile(const std::string& fileName) {
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    if (!file)
        base::raiseCannotCreateFile(fileName, std::strerror(errno));
    SaveToStream(file);
    file.flush();
    // A full disk must not pass for a saved report.
    if (!file)
        raiseStreamWrite();
}

} // namespace rq::report::preview
