#pragma once

#include "core/Outcome.h"
#include "core/Sentence.h"

#include <cstddef>
#include <string>
#include <sys/types.h>

namespace pentavo {

// The system calls' own -1 and errno are read where each call is made and turned into an Outcome
// there; every failure below carries the system's reason alone (the caller names the file).

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
    // The descriptor is gone either way.
    Outcome Close();
    // Hands the written bytes to the disk, then closes.
    Outcome SyncAndClose();

private:
    int fd_;
};

// The reason of the system call that just failed, from errno.
Outcome SystemFailure();

// Writes all `size` bytes at `offset`, retrying short writes.
Outcome WriteAllAt(int fd, const unsigned char* data, std::size_t size, off_t offset);

// Reads up to `size` bytes at `offset` and sets `count` to how many, stopping early only at the
// end of the file.
Outcome ReadUpToAt(int fd, unsigned char* data, std::size_t size, off_t offset, std::size_t& count);

// The system's text for an error number, e.g. "Permission denied".
std::string ErrorText(int error);

enum class FileAction { Open, Save };

// `Cannot open "<path>": <reason>.` (or save); a reason that is already a sentence keeps its one
// stop.
Sentence FileFailure(FileAction action, const std::string& path, Sentence reason);

// The reason for a file that is a folder, a device or a pipe.
Sentence NotARegularFile();

} // namespace pentavo
