// Reading a whole file for a script: a unit of a uses clause, and LoadFromFile
// of the string list, the memory stream and the XML document. Only a regular
// file is read, and only up to a limit, so that a device, a pipe or a huge
// file ("/dev/zero" never ends) cannot hang the program or exhaust its memory.
#pragma once

#include <cstdint>
#include <string>

namespace rq::script {

// The largest file LoadFromFile reads (64 MiB).
inline constexpr std::uintmax_t kMaxLoadedFileSize = std::uintmax_t{64} << 20;

// The file's bytes. Raises "Cannot open file "NAME". REASON" when it cannot
// be opened, is no regular file ("Not a regular file") or holds more than
// maxSize bytes ("Larger than N bytes", also when it grows while read).
std::string ReadWholeFile(const std::string& name, std::uintmax_t maxSize);

} // namespace rq::script
