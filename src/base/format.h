// Format: printf-style formatting over a list of Variant arguments (the
// script engine passes its open-array arguments as they are).
//
// Specifier: "%" [index ":"] ["-"] [width] ["." precision] type, where index,
// width and precision may be "*" (taken from the next argument, which must be
// an integer); an index sets the argument used next. "%%" writes "%".
// Types, in either case:
//   d  decimal integer (precision: minimum digits)     u  the same, unsigned
//   x  hexadecimal integer (precision: minimum digits)  p  object reference
//   e  scientific, precision = significant digits (default 15), "E+ddd"
//   f  fixed, precision = decimals (default 2)         n  as f, grouped
//   g  general, precision = significant digits (15)    m  currency (its decimals)
//   s  text (precision: maximum characters)
// Integer arguments (Byte, SmallInt, Integer, Int64) serve d u x; float
// arguments (Single, Double, Currency, Date) serve e f g n m; strings serve s,
// where Null and Empty give ''. Any other pairing, a malformed specifier or a
// width or precision beyond 1024 raises EConvertError "Format '%s' invalid or
// incompatible with argument"; a missing argument raises "No argument for
// format '%s'" (with the whole format text).
#pragma once

#include "base/format_settings.h"
#include "base/variant.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace rq::base {

std::string format(std::string_view fmt, std::span<const Variant> args,
                   const FormatSettings& settings = formatSettings());
std::string format(std::string_view fmt, std::initializer_list<Variant> args,
                   const FormatSettings& settings = formatSettings());

} // namespace rq::base
