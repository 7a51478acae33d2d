// Saving the prepared report: the source pages and the alias table are
// written into the document, then the whole document as one XML text.
#include "report/preview/preview_pages.h"
#include "report/preview/store_errors.h"

#include "report/model/serializer.h"

#include "base/exceptions.h"
#include "base/private_file.h"

#include <cerrno>
#include <cstring>
#include <sstream>

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

// The prepared pages carry the form's personal data: the file is private to
// its owner (see base/private_file.h).
void TfrxPreviewPages::SaveToFile(const std::string& fileName) {
    std::ostringstream text;
    SaveToStream(text);
    const int fd = base::openPrivateFile(fileName);
    if (fd < 0)
        base::raiseCannotCreateFile(fileName, std::strerror(errno));
    // A full disk must not pass for a saved report.
    if (!base::writeAllAndClose(fd, text.view()))
        raiseStreamWrite();
}

} // namespace rq::report::preview
