// Message builders for the shared failure classes.
#include "base/exceptions.h"

namespace rq::base {

void raiseCannotCreateFile(std::string_view fileName, std::string_view reason) {
    throw EFCreateError("Cannot create file \"" + std::string(fileName) + "\". " +
                        std::string(reason));
}

void raiseCannotOpenFile(std::string_view fileName, std::string_view reason) {
    throw EFOpenError("Cannot open file \"" + std::string(fileName) + "\". " + std::string(reason));
}

std::string withClosingStop(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}

} // namespace rq::base
