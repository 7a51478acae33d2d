// The failure classes every layer raises: an exception carries the system's
// own message text (Windows-1250), which the top-level handler shows as is.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace rq::base {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    const std::string message() const { return what(); }
};

class EConvertError : public Exception {
    using Exception::Exception;
};

class EListError : public Exception {
    using Exception::Exception;
};

// File failures: "Cannot create file "%s". %s" and "Cannot open file "%s". %s".
class EFCreateError : public Exception {
    using Exception::Exception;
};

class EFOpenError : public Exception {
    using Exception::Exception;
};

// Arithmetic failures, raised by the variant
// operations and the script evaluator: "Division by zero" (integer),
// "Floating point division by zero", "Invalid floating point operation",
// "Floating point overflow".
class EDivByZero : public Exception {
    using Exception::Exception;
};

class EZeroDivide : public Exception {
    using Exception::Exception;
};

class EInvalidOp : public Exception {
    using Exception::Exception;
};

class EOverflow : public Exception {
    using Exception::Exception;
};

// Variant failures: "Invalid variant operation", "Variant overflow". A failed
// type conversion ("Could not convert variant of type (%s) into type (%s)")
// is also a conversion error, so handlers of EConvertError see it.
class EVariantError : public Exception {
    using Exception::Exception;
};

class EVariantTypeCastError : public EConvertError {
    using EConvertError::EConvertError;
};

// Builds the messages above with the file's name in double quotes; reason is
// the operating system's explanation.
[[noreturn]] void raiseCannotCreateFile(std::string_view fileName, std::string_view reason);
[[noreturn]] void raiseCannotOpenFile(std::string_view fileName, std::string_view reason);

[[noreturn]] void raiseDivByZero();
[[noreturn]] void raiseZeroDivide();
[[noreturn]] void raiseInvalidOp();
[[noreturn]] void raiseFloatOverflow();
[[noreturn]] void raiseInvalidVariantOp();
[[noreturn]] void raiseVariantOverflow();

// The message box convention: a full stop is added when the message's last
// character sorts above '.'.
std::string withClosingStop(std::string_view message);

} // namespace rq::base
