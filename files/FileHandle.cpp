#include "files/FileHandle.h"

#include <cerrno>
#include <system_error>
#include <unistd.h>

namespace pentavo {

FileHandle::~FileHandle() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool FileHandle::Close() {
    const int fd = fd_;
    fd_ = -1;
    // Linux releases the descriptor even when close fails, so a retry could close another file.
    return ::close(fd) == 0;
}

bool WriteAllAt(int fd, const unsigned char* data, std::size_t size, off_t offset) {
    while (size > 0) {
        const ssize_t written = ::pwrite(fd, data, size, offset);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
        offset += written;
    }
    return true;
}

ssize_t ReadUpToAt(int fd, unsigned char* data, std::size_t size, off_t offset) {
    std::size_t total = 0;
    while (total < size) {
        const ssize_t got =
            ::pread(fd, data + total, size - total, offset + static_cast<off_t>(total));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (got == 0)
            break;
        total += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(total);
}

std::string ErrorText(int error) {
    return std::generic_category().message(error);
}

std::string FileFailure(const char* action, const std::string& path, const std::string& reason) {
    const bool sentence = !reason.empty() && reason.back() == '.';
    return std::string("Cannot ") + action + " \"" + path + "\": " + reason + (sentence ? "" : ".");
}

} // namespace pentavo
