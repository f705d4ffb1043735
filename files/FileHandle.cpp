#include "files/FileHandle.h"

#include "core/Translatable.h"

#include <cerrno>
#include <system_error>
#include <unistd.h>

namespace pentavo {

FileHandle::~FileHandle() {
    // Only a handle whose work already failed, or needed nothing written, is closed here: its
    // failure is told, or there is nothing a failed close could lose.
    if (fd_ >= 0)
        static_cast<void>(::close(fd_));
}

Outcome FileHandle::Close() {
    const int fd = fd_;
    fd_ = -1;
    // Linux releases the descriptor even when close fails, so a retry could close another file.
    return ::close(fd) == 0 ? Outcome::Done() : SystemFailure();
}

Outcome FileHandle::SyncAndClose() {
    if (::fsync(fd_) != 0)
        return SystemFailure();
    return Close();
}

Outcome SystemFailure() {
    return Outcome::Failed(ErrorText(errno));
}

Outcome WriteAllAt(int fd, const unsigned char* data, std::size_t size, off_t offset) {
    while (size > 0) {
        const ssize_t written = ::pwrite(fd, data, size, offset);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return SystemFailure();
        }
        if (written == 0)
            return Outcome::Failed(ErrorText(ENOSPC));
        data += written;
        size -= static_cast<std::size_t>(written);
        offset += written;
    }
    return Outcome::Done();
}

Outcome ReadUpToAt(int fd, unsigned char* data, std::size_t size, off_t offset,
                   std::size_t& count) {
    count = 0;
    while (count < size) {
        const ssize_t got =
            ::pread(fd, data + count, size - count, offset + static_cast<off_t>(count));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return SystemFailure();
        }
        if (got == 0)
            break;
        count += static_cast<std::size_t>(got);
    }
    return Outcome::Done();
}

std::string ErrorText(int error) {
    return std::generic_category().message(error);
}

Sentence FileFailure(FileAction action, const std::string& path, Sentence reason) {
    const std::string english = reason.English();
    const bool sentence = !english.empty() && english.back() == '.';
    const char* pattern = nullptr;
    if (action == FileAction::Open)
        pattern = sentence ? QT_TRANSLATE_NOOP("Outcome", "Cannot open \"%1\": %2")
                           : QT_TRANSLATE_NOOP("Outcome", "Cannot open \"%1\": %2.");
    else
        pattern = sentence ? QT_TRANSLATE_NOOP("Outcome", "Cannot save \"%1\": %2")
                           : QT_TRANSLATE_NOOP("Outcome", "Cannot save \"%1\": %2.");
    return Sentence(pattern, {Sentence::Verbatim(path), std::move(reason)});
}

Sentence NotARegularFile() {
    //: Why a game cannot be opened or saved: the name is a folder or a device, not a file.
    return Sentence(QT_TRANSLATE_NOOP("Outcome", "Not a regular file"));
}

} // namespace pentavo
