// The one whole-file read of the script engine, with its checks before and
// during the read.
#include "script/file_read.h"

#include "base/exceptions.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace rq::script {

std::string ReadWholeFile(const std::string& name, std::uintmax_t maxSize) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(name, error);
    if (error)
        rq::base::raiseCannotOpenFile(name, std::strerror(error.value()));
    if (!std::filesystem::is_regular_file(status))
        rq::base::raiseCannotOpenFile(name, "Not a regular file");
    const std::string tooLarge = "Larger than " + std::to_string(maxSize) + " bytes";
    const std::uintmax_t size = std::filesystem::file_size(name, error);
    if (error)
        rq::base::raiseCannotOpenFile(name, std::strerror(error.value()));
    if (size > maxSize)
        rq::base::raiseCannotOpenFile(name, tooLarge);
    std::ifstream file(name, std::ios::binary);
    if (!file)
        rq::base::raiseCannotOpenFile(name, std::strerror(errno));
    // One byte more than the size found: a file that grew meanwhile is
    // read up to the limit and refused, never read without end.
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(file.gcount()));
    if (text.size() > size) {
        std::string more(static_cast<std::size_t>(maxSize - size) + 1, '\0');
        file.read(more.data(), static_cast<std::streamsize>(more.size()));
        text.append(more.data(), static_cast<std::size_t>(file.gcount()));
        if (text.size() > maxSize)
            rq::base::raiseCannotOpenFile(name, tooLarge);
    }
    return text;
}

} // namespace rq::script
