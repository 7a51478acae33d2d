// Failures of the cipher component, with the messages the user sees.
#pragma once

#include "base/exceptions.h"

namespace rq::crypto {

class ECipherException : public rq::base::Exception {
    using Exception::Exception;
};

// "Invalid file format": the envelope does not hold a whole final block.
[[noreturn]] void raiseInvalidFileFormat();
// "Invalid Base64 Character": a general failure, not an ECipherException.
[[noreturn]] void raiseInvalidBase64Character();
// A cipher mode whose routines this program does not have.
[[noreturn]] void raiseUnsupportedCipherMode(const char* modeName);

} // namespace rq::crypto
