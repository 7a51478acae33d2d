// Argument and byte-stream helpers shared by the cipher subcommands (key,
// digest, encipher, decipher): a pass phrase given as UTF-8 text or as hex
// bytes, and raw standard input and output.
#pragma once

#include "command.h"

#include <optional>
#include <string>
#include <string_view>

namespace rq::tool {

// "[--hex] TEXT" -> the Windows-1250 bytes of TEXT (converted from UTF-8), or
// with --hex the bytes TEXT spells in hex. Nothing (after a usage message for
// command) when the arguments do not have that shape.
std::optional<std::string> passPhraseBytes(std::string_view command, const Args& args);

// All of standard input, byte for byte.
std::string readAllStdin();
// Writes bytes to standard output unchanged.
void writeStdout(std::string_view bytes);

} // namespace rq::tool
