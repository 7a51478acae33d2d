// The saved form's directory: the program's folder or the user's data folder.
#include "certificate/saved_form_place.h"

namespace rq::certificate {

std::string savedFormDirectory(FileSystem& files, const std::string& programDirectory,
                               const std::string& userDataDirectory) {
    if (files.DirectoryWritable(programDirectory))
        return programDirectory;
    std::string created = userDataDirectory;
    while (created.size() > 1 && created.back() == '/')
        created.pop_back();
    files.CreatePrivateDirectory(created);
    return userDataDirectory;
}

} // namespace rq::certificate
