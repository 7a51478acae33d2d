// Raise helpers of the cipher component.
#include "crypto/cipher_exception.h"

#include <string>

namespace rq::crypto {

void raiseInvalidFileFormat() {
    throw ECipherException("Invalid file format");
}

void raiseInvalidBase64Character() {
    throw rq::base::Exception("Invalid Base64 Character");
}

void raiseUnsupportedCipherMode(const char* modeName) {
    throw ECipherException(std::string("Cipher mode ") + modeName + " is not supported");
}

} // namespace rq::crypto
