// The store's failures, each with its own fixed message text.
#pragma once

#include "base/exceptions.h"

#include <string>

namespace rq::report::preview {

// A page index (or a page's source page index) outside its list.
[[noreturn]] inline void raiseListIndex(int index) {
    throw base::EListError("List index out of bounds (" + std::to_string(index) + ")");
}

// A save whose bytes did not all reach the file.
[[noreturn]] inline void raiseStreamWrite() {
    throw base::Exception("Stream write error");
}

} // namespace rq::report::preview
