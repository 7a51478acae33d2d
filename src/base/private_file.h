// Files that hold personal data, such as prepared reports carrying the form's
// values: created readable and writable by their owner only, and an existing
// file keeps its permissions where they are stricter still.
#pragma once

#include <string>
#include <string_view>

namespace rq::base {

// Opens path for writing from its start (created, or emptied when it
// exists); returns the descriptor, or -1 with errno set.
int openPrivateFile(const std::string& path);
// Writes all bytes and closes the descriptor; false with errno set when
// either fails (the descriptor is closed in any case).
bool writeAllAndClose(int fd, std::string_view bytes);

} // namespace rq::base
