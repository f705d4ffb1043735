#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>

namespace pentavo {

// Owns one open file descriptor. Close() reports the outcome; the destructor closes silently,
// for the paths that are already failing.
class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle();

    bool IsOpen() const { return fd_ >= 0; }
    int Get() const { return fd_; }
    // False with errno set when the close failed; the descriptor is gone either way.
    bool Close();

private:
    int fd_;
};

// Writes all `size` bytes at `offset`, retrying short writes; false with errno set on failure.
bool WriteAllAt(int fd, const unsigned char* data, std::size_t size, off_t offset);

// Reads up to `size` bytes at `offset`, stopping early only at the end of the file. The count
// read, or -1 with errno set.
ssize_t ReadUpToAt(int fd, unsigned char* data, std::size_t size, off_t offset);

// The system's text for an error number, e.g. "Permission denied".
std::string ErrorText(int error);

// `Cannot <action> "<path>": <reason>.`; a reason that is already a sentence keeps its one stop.
std::string FileFailure(const char* action, const std::string& path, const std::string& reason);

} // namespace pentavo
