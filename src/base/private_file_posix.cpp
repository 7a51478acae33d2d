// The POSIX side of private files: creation mode 0600 and the existing
// file's permissions narrowed to it.
#include "base/private_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rq::base {

int openPrivateFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    // Only a regular file is narrowed: a device such as /dev/null keeps its mode.
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return fd;
    const mode_t wanted = info.st_mode & 0600;
    if ((info.st_mode & 07777) != wanted && ::fchmod(fd, wanted) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

bool writeAllAndClose(int fd, std::string_view bytes) {
    bool ok = true;
    while (ok && !bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    const int error = errno;
    if (::close(fd) != 0)
        return false;
    errno = error;
    return ok;
}

} // namespace rq::base
