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

// Builds the classic messages; reason is the operating system's explanation.
[[noreturn]] void raiseCannotCreateFile(std::string_view fileName, std::string_view reason);
[[noreturn]] void raiseCannotOpenFile(std::string_view fileName, std::string_view reason);

// The message box convention: a full stop is added when the message's last
// character sorts above '.'.
std::string withClosingStop(std::string_view message);

} // namespace rq::base
