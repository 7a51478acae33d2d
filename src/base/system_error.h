// The operating system's message for an error number, as the core's text:
// the C library writes it in the encoding of the user's locale (UTF-8 or an
// 8-bit code page), and it is decoded from there to Windows-1250 here, once.
#pragma once

#include <string>

namespace rq::base {

// The message for errno value error in the calling thread's locale.
std::string systemErrorText(int error);

} // namespace rq::base
