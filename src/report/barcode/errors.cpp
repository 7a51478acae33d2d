// The generator's failures, with its own message texts; "%s" in a text is
// the generator's class name.
#include "report/barcode/encoders.h"

#include "base/exceptions.h"

namespace rq::report::barcode {
namespace {

[[noreturn]] void Raise(std::string message) {
    throw base::Exception(message);
}

std::string Prefixed(std::string_view text) {
    return std::string(kClassName) + std::string(text);
}

} // namespace

void RaiseNotNumeric() {
    Raise("Barcode must be numeric");
}

void RaiseWrongType() {
    Raise(Prefixed(": wrong BarcodeType"));
}

void RaiseWrongType128() {
    Raise(Prefixed(": wrong BarcodeType in Code_128"));
}

void RaiseCode93BadData(std::string_view text) {
    Raise(Prefixed(":Code93 bad Data <") + std::string(text) + ">");
}

void RaiseInvalidLength(std::string_view symbology) {
    Raise("Invalid Text len (" + std::string(symbology) + ")");
}

void RaiseInternalError() {
    Raise(Prefixed(": internal Error"));
}

} // namespace rq::report::barcode
