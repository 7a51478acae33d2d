// Where the saved form lives: beside the program while the program's folder
// is writable (a copy unpacked in a folder of its own, as it always worked),
// otherwise in the user's data folder, so that an installation the user cannot
// write to still saves.
#pragma once

#include "certificate/file_system.h"

#include <string>

namespace rq::certificate {

// The directory (with its trailing separator) for the saved form:
// programDirectory when files can be created there, otherwise
// userDataDirectory, created readable by the user only when missing. Both
// arguments end with a separator.
std::string savedFormDirectory(FileSystem& files, const std::string& programDirectory,
                               const std::string& userDataDirectory);

} // namespace rq::certificate
