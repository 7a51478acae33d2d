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

void raiseDivByZero() {
    throw EDivByZero("Division by zero");
}

void raiseZeroDivide() {
    throw EZeroDivide("Floating point division by zero");
}

void raiseInvalidOp() {
    throw EInvalidOp("Invalid floating point operation");
}

void raiseFloatOverflow() {
    throw EOverflow("Floating point overflow");
}

void raiseInvalidVariantOp() {
    throw EVariantError("Invalid variant operation");
}

void raiseVariantOverflow() {
    throw EVariantError("Variant overflow");
}

std::string withClosingStop(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}

} // namespace rq::base
