#include "files/ReplaceRecord.h"

#include "files/FileHandle.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace pentavo {
namespace {

// Removes a temporary file on every way out that did not rename it.
class TemporaryName {
public:
    explicit TemporaryName(std::string name) : name_(std::move(name)) {}
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;
    ~TemporaryName() {
        // Left behind only when the folder refuses the removal it allowed the creation of.
        if (!name_.empty())
            static_cast<void>(::unlink(name_.c_str()));
    }
    void Keep() { name_.clear(); }

private:
    std::string name_;
};

std::filesystem::path ResolvedPath(const std::filesystem::path& path) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                               &std::free);
    return resolved ? std::filesystem::path(resolved.get()) : std::filesystem::path();
}

Outcome CopyFrom(int source, int target, off_t offset) {
    std::array<unsigned char, std::size_t{64} * 1024> buffer{};
    for (;;) {
        std::size_t got = 0;
        if (Outcome read = ReadUpToAt(source, buffer.data(), buffer.size(), offset, got); !read)
            return read;
        if (got == 0)
            return Outcome::Done();
        if (Outcome written = WriteAllAt(target, buffer.data(), got, offset); !written)
            return written;
        offset += static_cast<off_t>(got);
    }
}

// The rename has happened by now; this only hurries the folder entry to the disk, and some file
// systems cannot sync a folder at all.
void SyncFolder(const std::filesystem::path& folder) {
    FileHandle handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.IsOpen())
        static_cast<void>(::fsync(handle.Get()));
}

} // namespace

std::optional<Outcome> ReplaceRecord(const std::filesystem::path& target,
                                     const struct stat& targetInfo,
                                     std::span<const unsigned char> head) {
    constexpr std::nullopt_t impossible = std::nullopt;

    if (targetInfo.st_nlink > 1)
        return impossible;
    // Through a symbolic link the file it points to is replaced, and the link stays.
    const std::filesystem::path resolved = ResolvedPath(target);
    if (resolved.empty())
        return impossible;
    FileHandle source(::open(resolved.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat sourceInfo {};
    if (!source.IsOpen() || ::fstat(source.Get(), &sourceInfo) != 0 ||
        sourceInfo.st_dev != targetInfo.st_dev || sourceInfo.st_ino != targetInfo.st_ino)
        return impossible;

    // A hidden name beside the target; appended piece by piece, as GCC 12 at -O3 warns falsely
    // (-Wrestrict) about prepending to a std::string.
    std::string leaf(1, '.');
    leaf.append(resolved.filename().string()).append(".XXXXXX");
    std::string name = (resolved.parent_path() / leaf).string();
    FileHandle temp(::mkostemp(name.data(), O_CLOEXEC));
    if (!temp.IsOpen())
        return impossible;
    TemporaryName cleanup(name);

    struct stat tempInfo {};
    if (::fstat(temp.Get(), &tempInfo) != 0)
        return SystemFailure();
    const bool sameOwner =
        tempInfo.st_uid == targetInfo.st_uid && tempInfo.st_gid == targetInfo.st_gid;
    if (!sameOwner && ::fchown(temp.Get(), targetInfo.st_uid, targetInfo.st_gid) != 0)
        return impossible;
    if (::fchmod(temp.Get(), targetInfo.st_mode & 07777) != 0)
        return SystemFailure();
    Outcome written = WriteAllAt(temp.Get(), head.data(), head.size(), 0);
    if (written)
        written = CopyFrom(source.Get(), temp.Get(), static_cast<off_t>(head.size()));
    if (written)
        written = temp.SyncAndClose();
    if (!written)
        return written;
    if (::rename(name.c_str(), resolved.c_str()) != 0) {
        // A target that is a mount point of its own (a file bound into the folder) can be
        // written but never renamed over.
        if (errno == EBUSY || errno == EXDEV)
            return impossible;
        return SystemFailure();
    }
    cleanup.Keep();
    SyncFolder(resolved.parent_path());
    return Outcome::Done();
}

} // namespace pentavo
