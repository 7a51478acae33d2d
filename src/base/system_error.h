// The operating system's message for an error number, as the core's text:
// the C library writes it in the encoding of the user's locale (UTF-8 or an
// 8-bit code page), and it is decoded from there to Windows-1250 here, once.
#pragma once

#include <string>

namespace rq::base {

// The message for errno value error in the calling thread's locale.
std::string systemErrorText(int error);
// A text a system library wrote in the encoding of the user's locale (an
// error message of the C library, or of a service's client library built on
// it), as the core's text.
std::string systemText(const std::string& text);

} // namespace rq::base
